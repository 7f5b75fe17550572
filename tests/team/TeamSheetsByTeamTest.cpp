// The tie sheets of one team across team events.

#include <gtest/gtest.h>

#include "team/TeamMeisai.h"
#include "team/TeamSheetsByTeam.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

constexpr double kW = 175.0 / 3;
constexpr double kH = 63;
constexpr double kU = 0.9 * kW / 16;

class TeamSheetsByTeamTest : public TieSheetFixture {
 protected:
  void SetUp() override {
    TieSheetFixture::SetUp();
    layout = TeamMeisaiLayout{15, 15, 190, 275, 3, 4, QString()};
  }
  bool print(const QString& team) {
    auto env = p().chartEnv();
    return PrintTeamSheetsByTeam(env, layout, pages, team);
  }
  std::pair<int, int> cell(const Sheet& s) const { return cellOf(s, kU, 23, kW, kH); }
};

TEST_F(TeamSheetsByTeamTest, ThirteenTiesTakeTwoPagesWithTheirHeadings) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  const int s = addStage(e);
  for (int i = 0; i < 13; ++i) addTie(e, s, i % 2 ? 0 : 1, i % 2 ? 2 : 0, "3", "0");
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(countOf(QStringLiteral("【T0】")), 2);
  const auto heading = find(QStringLiteral("【T0】"));
  EXPECT_NEAR(heading->x, 20, 0.05);
  EXPECT_NEAR(heading->y, 9, 0.05);
  EXPECT_NEAR(heading->size, 6, 0.05);
  const auto line = find(QStringLiteral("市民大会令和８年６月１４日中央体育館"));
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->y, 17, 0.05);
  const auto sh = sheets();
  ASSERT_EQ(sh.size(), 13u);
  EXPECT_EQ(cell(sh[0]), std::make_pair(0, 0));
  EXPECT_EQ(cell(sh[11]), std::make_pair(2, 3));
  EXPECT_EQ(sh[12].page, 2);
  EXPECT_EQ(cell(sh[12]), std::make_pair(0, 0));
  EXPECT_NEAR(sh[0].y, 23 + (kH - (3.6 * kU * 3 + 3 * kU)) / 2, 0.02);
}

TEST_F(TeamSheetsByTeamTest, TheTeamPrintsOnTheLeftWithItsResultAndPoints) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  const int s = addStage(e);
  addTie(e, s, 1, 0, "3", "Ｘ");  // T0 is side B
  EXPECT_TRUE(print(QStringLiteral("T0")));
  const Sheet sh = sheets().at(0);
  const double X = sh.x - 5 * kU;
  EXPECT_NEAR(find(QStringLiteral("Ｘ"))->x, X + 5.9 * kU, 0.02);
  EXPECT_NEAR(find(QStringLiteral("3"))->x, X + 8.9 * kU, 0.02);
  EXPECT_LT(find(QStringLiteral("T0p0"))->x, X + 5 * kU);
  EXPECT_GT(find(QStringLiteral("T1p0"))->x, X + 10 * kU);
  // Scores with the team's points first.
  EXPECT_TRUE(find(QStringLiteral("15-21")));
  EXPECT_FALSE(find(QStringLiteral("21-15")));
  EXPECT_EQ(sh.number, QStringLiteral("１"));
}

TEST_F(TeamSheetsByTeamTest, TiesOfTwoEventsFollowOnTheSamePages) {
  const int a = addEvent(QStringLiteral("MT"), 3, {3});
  addTie(a, 0, 0, 1);
  addTie(a, 0, 1, 2);  // not T0's
  addTie(a, 0, 2, 0);
  addTie(a, 0, 0, 2);  // beyond the block's league matches: numbered by its position
  addTie(a, addStage(a), 0, 2);  // beyond the league blocks
  const int b = addEvent(QStringLiteral("XT"), 2, {}, {QStringLiteral("単")});
  const int s = addStage(b);
  addTie(b, s, 0, 0);  // placeholder
  addTie(b, s, 1, 0);
  // The block lists its league matches in playing order, one with a label of its own.
  LeagueBlockRec& block = p().taikai.Taikai.Shumoku[0].YosenLeague.Blocks[0];
  std::swap(block.Taisen[1], block.Taisen[2]);
  std::swap(block.TaisenIndex[1], block.TaisenIndex[2]);
  block.Taisen[0].ShiaiBangouHyouji = QStringLiteral("7");
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 1);
  QStringList numbers;
  for (const Sheet& x : sheets()) numbers << x.number;
  EXPECT_EQ(numbers, (QStringList{"Ａ－７", "Ａ－１２", "Ａ－４", "１", "２"}));
  EXPECT_EQ(cell(sheets()[4]), std::make_pair(1, 1));
}

TEST_F(TeamSheetsByTeamTest, SchoolSuffixIsDroppedUnderTheSwitch) {
  struct Case {
    QString name;
    bool useGakkou;
    QString printed;
  } cases[] = {{"東高等学校", true, "東高等"}, {"東高等学校", false, "東高等学校"}, {"学校", true, ""}};
  for (const Case& c : cases) {
    reset();
    p().taikai.sw.UseGakkou = c.useGakkou;
    const int e = addEvent(QStringLiteral("MT"), 2);
    ev(e).Teams[1].TeamName = c.name;
    addTie(e, addStage(e), 0, 1);
    ASSERT_TRUE(print(QStringLiteral("T0")));
    const Sheet sh = sheets().at(0);
    const double X = sh.x - 5 * kU;
    QString right;
    for (const PrintedText& x : texts())
      if (x.x >= X + 11 * kU - 0.02 && std::abs(x.y - (sh.y + 1.5 * kU)) < 0.05) right = x.text;
    EXPECT_EQ(right, c.printed) << qPrintable(c.name);
  }
}

TEST_F(TeamSheetsByTeamTest, TeamWithoutTiesPrintsNothingAndBadGridsAreRefused) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  addTie(e, addStage(e), 1, 2);
  addTie(e, 0, 5, 7);  // indexes outside the teams
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());

  for (const TeamMeisaiLayout& bad : {TeamMeisaiLayout{15, 15, 190, 275, 0, 4, {}},
                                      TeamMeisaiLayout{15, 15, 190, 275, 3, 0, {}},
                                      TeamMeisaiLayout{15, 15, 15, 275, 3, 4, {}},
                                      TeamMeisaiLayout{15, 15, 190, 20, 3, 4, {}}}) {
    layout = bad;
    tp.messages.shown.clear();
    EXPECT_FALSE(print(QStringLiteral("T1")));
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(pages, 0);
  }
}

TEST_F(TeamSheetsByTeamTest, EventsWithoutStagesTiesOrSheetRoomPrintNothing) {
  addEvent(QStringLiteral("AT"), 2);                            // no stages
  const int empty = addEvent(QStringLiteral("BT"), 2);
  addStage(empty);                                              // a stage without ties
  const int wide = addEvent(QStringLiteral("CT"), 2, {}, QStringList(26, QStringLiteral("単")));
  addTie(wide, addStage(wide), 0, 1);                           // no sheet holds 26 rows
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_TRUE(tp.messages.shown.empty());

  for (int e = 0; e < 3; ++e) {
    auto env = p().chartEnv();
    EXPECT_EQ(PrintTeamMeisaiRenki(env, e, layout, pages, 0), e != 2);
  }
  EXPECT_EQ(pages, 0);
}

}  // namespace
}  // namespace qv::test
