// Tie sheets by event: league blocks under their tables, later stages filling pages, the
// tie texts, skipped ties and refused layouts.

#include <gtest/gtest.h>

#include "data/LeagueResults.h"
#include "team/TeamMeisai.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

constexpr double kU = 3.375;  // 0.9 × 60 / 16, three sub-matches in 65 mm cells

class TeamMeisaiTest : public TieSheetFixture {
 protected:
  bool print() {
    MakePrintRunStandings(p());
    auto env = p().chartEnv();
    return PrintTeamMeisai(env, teamEvent, layout, pages);
  }
  std::vector<std::pair<int, int>> cells() const {
    std::vector<std::pair<int, int>> out;
    for (const Sheet& s : sheets()) out.push_back(cellOf(s, kU));
    return out;
  }
  using Cells = std::vector<std::pair<int, int>>;
};

TEST_F(TeamMeisaiTest, LeagueBlocksSitSideBySideUnderTheirTables) {
  const int e = addEvent(QStringLiteral("MT"), 3, {3, 3});
  addTies(e, 0, 3);
  addTies(e, 1, 3);
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::BeginDocument), 1);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::NewPage), 0);
  EXPECT_EQ(cells(), (Cells{{0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}}));
  QStringList numbers;
  for (const Sheet& s : sheets()) numbers << s.number;
  EXPECT_EQ(numbers, (QStringList{"Ａ－１０", "Ａ－１１", "Ａ－１２", "Ｂ－２０", "Ｂ－２１", "Ｂ－２２"}));
  // Each block's table fills the top row of its column.
  for (double x : {15.0, 75.0}) {
    bool table = false;
    for (const PrintedText& t : texts())
      table |= t.x >= x && t.x < x + 60 && t.y >= 15 && t.y < 80;
    EXPECT_TRUE(table) << x;
  }
  // The heading above the box.
  const auto heading = find(QStringLiteral("市民大会令和８年６月１４日中央体育館"));
  ASSERT_TRUE(heading);
  EXPECT_NEAR(heading->x, 20, 0.05);
  EXPECT_NEAR(heading->y, 9, 0.05);
  EXPECT_EQ(p().teamOutput.TeamMeisaiSlot, 3);
}

TEST_F(TeamMeisaiTest, BlockOfFourTiesTakesTwoColumnsAndOneThatDoesNotFitBeginsAPage) {
  const int e = addEvent(QStringLiteral("MT"), 4, {4, 4});
  addTies(e, 0, 4);
  addTies(e, 1, 4);
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(cells(), (Cells{{0, 1}, {1, 1}, {0, 2}, {1, 2}, {0, 1}, {1, 1}, {0, 2}, {1, 2}}));
  const auto s = sheets();
  EXPECT_EQ(s[3].page, 1);
  EXPECT_EQ(s[4].page, 2);
}

TEST_F(TeamMeisaiTest, LaterStageFillsWholePagesWithKnockoutLabels) {
  const int e = addEvent(QStringLiteral("MT"), 4, {3});
  addTies(e, 0, 3);
  const int ko = addStage(e);
  addTies(e, ko, 13);
  TournamentRec tr;
  tr.Taisens.resize(32);
  tr.ShiaiJunNode.assign(1, 0);
  for (int m = 1; m <= 13; ++m) {
    tr.ShiaiJunNode.push_back(m + 1);
    tr.Taisens[static_cast<size_t>(m + 1)].ShiaiBangouHyouji = QStringLiteral("K%1").arg(m);
  }
  p().taikai.Taikai.Shumoku[0].Tournaments.push_back(tr);
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 3);
  const auto s = sheets();
  ASSERT_EQ(s.size(), 16u);
  EXPECT_EQ(s[3].page, 2);
  EXPECT_EQ(cellOf(s[3], kU), std::make_pair(0, 0));
  EXPECT_EQ(s[3].number, QStringLiteral("Ｋ１"));
  EXPECT_EQ(cellOf(s[14], kU), std::make_pair(2, 3));
  EXPECT_EQ(s[15].page, 3);
  EXPECT_EQ(cellOf(s[15], kU), std::make_pair(0, 0));
  EXPECT_EQ(s[15].number, QStringLiteral("Ｋ１３"));
  EXPECT_EQ(p().teamOutput.TeamMeisaiSlot, 13);
}

TEST_F(TeamMeisaiTest, StageAfterAnEmptyLeagueBeginsItsOwnPage) {
  // The qualifying league has no block: the first sheet still begins (and opens) a page.
  const int e = addEvent(QStringLiteral("MT"), 3, {});
  p().taikai.Taikai.Shumoku[0].YosenLeagueAri = 1;
  const int ko = addStage(e);
  addTies(e, ko, 2);
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::BeginDocument), 1);
  EXPECT_EQ(cells(), (Cells{{0, 0}, {1, 0}}));
  EXPECT_EQ(sheets()[1].number, QStringLiteral("２"));  // no knock-out: the tie's number
}

TEST_F(TeamMeisaiTest, WinnerPrintsOnTheLeft) {
  struct Case {
    QString a, b;
    int left;
  } cases[] = {
      {"Ｘ", "3", 1}, {"2", "3", 1}, {"3", "3", 1}, {"", "", 0},  {"Ｘ", "Ｘ", 0},
      {"3", "2", 0},  {"3", "Ｘ", 0}, {"10", "9", 0}, {"X", "3", 1}, {"", "0", 1},
  };
  for (const Case& c : cases) {
    TeamTaisenRec tie;
    tie.KekkaA = c.a;
    tie.KekkaB = c.b;
    EXPECT_EQ(TieLeftSide(tie), c.left) << qPrintable(c.a) << "-" << qPrintable(c.b);
  }
  // Printed: 2 to 3 puts side B and its 3 left of "－".
  const int e = addEvent(QStringLiteral("MT"), 3, {1});
  addTie(e, 0, 0, 1, "2", "3");
  print();
  const Sheet s = sheets().at(0);
  const double X = s.x - 5 * kU;
  const auto three = find("3");
  const auto two = find("2");
  ASSERT_TRUE(three && two);
  EXPECT_NEAR(three->x, X + 5.9 * kU, 0.02);
  EXPECT_NEAR(two->x, X + 8.9 * kU, 0.02);
  EXPECT_NEAR(find(QStringLiteral("－"))->x, X + 7.25 * kU, 0.02);
  // Its players lead the rows: team T1's first player on the left.
  const auto player = find(QStringLiteral("T1p0"));
  ASSERT_TRUE(player);
  EXPECT_LT(player->x, X + 5 * kU);
}

TEST_F(TeamMeisaiTest, TeamNamesWithBracketsSchoolsAndDelbla) {
  struct Case {
    QString name;
    bool delBla, useGakkou;
    QString printed, kakko;
  } cases[] = {
      {"北中学（Ａ）", false, true, "北中学（Ａ）", "Ａ"},
      {"北中学（Ａ）", true, true, "北中学", "Ａ"},
      {"東高等学校", false, true, "東高等", ""},
      {"東高等学校", false, false, "東高等学校", ""},
      {"あいうえおかきくけこさしすせそ（長い名前）", true, true, "あいうえおかきくけこさしすせそ", "長い名前"},
  };
  for (const Case& c : cases) {
    reset();
    p().taikai.sw.DelBla = c.delBla;
    p().taikai.sw.UseGakkou = c.useGakkou;
    const int e = addEvent(QStringLiteral("MT"), 2, {1});
    ev(e).Teams[0].TeamName = c.name;
    addTie(e, 0, 0, 1);
    print();
    const Sheet s = sheets().at(0);
    const double X = s.x - 5 * kU;
    const double Y = s.y;
    QString name, kakko;
    for (const PrintedText& t : texts()) {
      if (t.x >= X - 0.02 && t.x < X + 5 * kU && std::abs(t.y - (Y + 1.5 * kU)) < 0.05) name = t.text;
      if (std::abs(t.y - (Y + 0.5 * kU)) < 0.05 && t.x < X + 5 * kU) kakko = t.text;
    }
    EXPECT_EQ(name, c.printed) << qPrintable(c.name);
    EXPECT_EQ(kakko, c.kakko) << qPrintable(c.name);
  }
}

TEST_F(TeamMeisaiTest, TiesWithoutTeamsOrLineupsTakeNoCell) {
  const int e = addEvent(QStringLiteral("MT"), 3, {5});
  addTie(e, 0, 1, 1);                  // placeholder: a team against itself
  addTie(e, 0, 0, 99);                 // team outside the list
  addTie(e, 0, 0, 1).OrderB = 5;       // line-up outside the list
  ev(e).Teams[2].Orders[0].Players[0].clear();
  addTie(e, 0, 2, 0);                  // empty first line-up row
  addTie(e, 0, 0, 1, "3", "0");
  EXPECT_TRUE(print());
  const auto s = sheets();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].number, QStringLiteral("Ａ－１４"));
  EXPECT_EQ(cellOf(s[0], kU), std::make_pair(0, 1));
}

TEST_F(TeamMeisaiTest, EventWithoutQualifyingLeaguePrintsNothing) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  addTies(e, addStage(e), 3);
  p().teamOutput.TeamMeisaiSlot = 7;
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ(p().teamOutput.TeamMeisaiSlot, 0);
}

TEST_F(TeamMeisaiTest, UnusableLayoutsAreRefusedWithAMessage) {
  struct Case {
    TeamMeisaiLayout layout;
    int subMatches;
    QString message;
  } cases[] = {
      {{15, 15, 195, 275, 0, 4, {}}, 3, "列数と行数"},
      {{15, 15, 195, 275, 3, -1, {}}, 3, "列数と行数"},
      {{15, 15, 15, 275, 3, 4, {}}, 3, "幅と高さ"},
      {{15, 275, 195, 15, 3, 4, {}}, 3, "幅と高さ"},
      {{15, 15, 195, 275, 3, 4, {}}, 26, "２５"},
      {{15, 15, 195, 275, 3, 1, {}}, 3, "行数を２以上"},
  };
  for (const Case& c : cases) {
    reset();
    const int e = addEvent(QStringLiteral("MT"), 3, {3},
                           QStringList(c.subMatches, QStringLiteral("単")));
    addTies(e, 0, 3);
    layout = c.layout;
    EXPECT_FALSE(print()) << qPrintable(c.message);
    ASSERT_EQ(tp.messages.shown.size(), 1u) << qPrintable(c.message);
    EXPECT_TRUE(tp.messages.shown[0].text.contains(c.message)) << qPrintable(tp.messages.shown[0].text);
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(surface.calls.empty());
  }
}

TEST_F(TeamMeisaiTest, LeagueBlockWiderThanThePageIsLeftOutWithAMessage) {
  layout.TeamMeisaiCols = 1;
  const int e = addEvent(QStringLiteral("MT"), 3, {4, 3});
  addTies(e, 0, 4);
  addTies(e, 1, 3);
  EXPECT_TRUE(print());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_TRUE(tp.messages.shown[0].text.contains(QStringLiteral("　A：")));
  QStringList numbers;
  for (const Sheet& s : sheets()) numbers << s.number;
  EXPECT_EQ(numbers, (QStringList{"Ｂ－２０", "Ｂ－２１", "Ｂ－２２"}));
  EXPECT_EQ(pages, 1);
}

TEST_F(TeamMeisaiTest, EventsOfARunEachBeginAPageAndCountPages) {
  InitBunshouItems(p().bunshou, QStringLiteral("ＭＳ 明朝"));
  p().bunshou.BunshouItemOn[13] = true;
  const int a = addEvent(QStringLiteral("MT"), 3, {3});
  addTies(a, 0, 3);
  const int b = addEvent(QStringLiteral("WT"), 3, {3});
  addTies(b, 0, 1);
  teamEvent = a;
  EXPECT_TRUE(print());
  teamEvent = b;
  EXPECT_TRUE(print());
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::BeginDocument), 1);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::NewPage), 1);
  EXPECT_EQ(countOf(QStringLiteral("-1-")), 1);
  EXPECT_EQ(countOf(QStringLiteral("-2-")), 1);
  // With two team events the heading names the event.
  EXPECT_TRUE(find(QStringLiteral("市民大会令和８年６月１４日中央体育館WT団体")));
}

TEST_F(TeamMeisaiTest, HeadingOfTheOldTwoDayDateNamesTheEventWithoutVenue) {
  const int e = addEvent(QStringLiteral("MT"), 3, {1});
  p().taikai.Taikai.KaisaiBi = QStringLiteral("2002.05.3-4");
  addTies(e, 0, 1);
  print();
  const auto ts = texts();
  ASSERT_FALSE(ts.empty());
  EXPECT_TRUE(ts[0].text.startsWith(QStringLiteral("市民大会MT団体平成")));
  EXPECT_FALSE(ts[0].text.contains(QStringLiteral("中央体育館")));
}

TEST_F(TeamMeisaiTest, TiesWithoutResultsOrFullLineupsPrintWhatTheyHave) {
  const int e = addEvent(QStringLiteral("MT"), 3, {3});
  addTie(e, 0, 0, 1).Shiais.clear();  // no results at all
  TeamTaisenRec& forfeit = addTie(e, 0, 1, 2, "Ｘ", "0");
  forfeit.Shiais[2].Scores = {};
  ev(e).Teams[2].Orders[0].Players = QStringList{"T2p0", "T2p1"};  // too short for row 3
  EXPECT_TRUE(print());
  const auto s = sheets();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_FALSE(find(QStringLiteral("T0p0")));  // no result records: rows stay blank
  EXPECT_TRUE(find(QStringLiteral("T2p0")));
  EXPECT_FALSE(find(QStringLiteral("T2p3")));
  EXPECT_EQ(countOf(QStringLiteral("Ｘ")), 1);
}

}  // namespace
}  // namespace qv::test
