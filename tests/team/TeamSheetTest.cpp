// Sheet metrics, one sub-match row, and the page number of a tie-sheet page.

#include <gtest/gtest.h>

#include <limits>

#include "data/BunshouItems.h"
#include "data/TextVars.h"
#include "team/TeamPageNo.h"
#include "team/TeamSheet.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

constexpr double kU = 3;  // sheet unit of the row tests, mm
constexpr double kX = 10;  // the row's top-left
constexpr double kY = 20;

class TeamSheetRowTest : public TieSheetFixture {
 protected:
  void SetUp() override {
    TieSheetFixture::SetUp();
    addEvent(QStringLiteral("MT"), 2);
    p().device.OpenPrint(p());
  }
  // Prints the row of k with the metrics of the current event's first rule.
  void printRow(const SubMatchKekkaRec& k, const QString& rule = QStringLiteral("21")) {
    ev(0).Kousei[0].Rule = rule;
    TeamOutputState& out = p().teamOutput;
    SetTeamSheetMetrics(p().team, 0, out, static_cast<float>(kU));
    out.SubMatchKekka = k;
    out.TeamSheetX = kX;
    out.TeamSheetY = kY;
    surface.calls.clear();
    PrintTeamSubMatch(p().device, out, QStringLiteral("ｷｹﾝ"));
  }
  std::vector<SurfaceCall> lines() const { return surface.callsOf(SurfaceCall::Kind::Line); }
};

TEST_F(TeamSheetRowTest, ScoreLayoutFollowsTheFirstRuleAsANumber) {
  struct Case {
    QString rule;
    bool five;
  } cases[] = {{"75", true}, {"075", true}, {"75.0", true}, {"21", false}, {"７５x", false},
               {"", false}};
  for (const Case& c : cases) {
    ev(0).Kousei[0].Rule = c.rule;
    ev(0).Kousei[1].Rule = QStringLiteral("75");  // only the first definition counts
    SetTeamSheetMetrics(p().team, 0, p().teamOutput, static_cast<float>(kU));
    const TeamSheetMetrics& m = p().teamOutput.Sheet;
    EXPECT_EQ(m.TeamSheetScoreX1 == 0, c.five) << qPrintable(c.rule);
    EXPECT_NEAR(m.TeamSheetScoreX0, c.five ? 21.6 : 21, 1e-4) << qPrintable(c.rule);
    EXPECT_NEAR(m.TeamSheetM03, 33, 1e-4);
    EXPECT_NEAR(m.TeamSheetM05, 48, 1e-4);
    EXPECT_NEAR(m.TeamSheetM14, 19.5, 1e-4);
    EXPECT_NEAR(m.TeamSheetM15, 27, 1e-4);
    EXPECT_NEAR(m.TeamSheetM18, 9, 1e-4);
  }
  // An event without definitions takes the three-score layout.
  ev(0).Kousei.clear();
  ev(0).KouseiCount = 0;
  SetTeamSheetMetrics(p().team, 0, p().teamOutput, static_cast<float>(kU));
  EXPECT_NE(p().teamOutput.Sheet.TeamSheetScoreX1, 0);
  EXPECT_EQ(p().teamOutput.TeamSheetX, 0);
}

TEST_F(TeamSheetRowTest, SinglesRowPlacesPlayersGamesScoresAndBrackets) {
  SubMatchKekkaRec k;
  k.Kind = QStringLiteral("単");
  k.LeftPlayer1 = QStringLiteral("佐藤");
  k.RightPlayer1 = QStringLiteral("鈴木");
  k.GamesWon = {QStringLiteral("2"), QStringLiteral("0")};
  k.Scores = {QStringLiteral("21-15"), QStringLiteral("21-18"), QString(), QString(), QString()};
  printRow(k);
  const auto left = find(QStringLiteral("佐藤"));
  const auto right = find(QStringLiteral("鈴木"));
  ASSERT_TRUE(left && right);
  EXPECT_NEAR(left->y, kY + kU, 0.02);
  EXPECT_GE(left->x, kX - 0.02);
  EXPECT_LE(left->x, kX + 15);
  EXPECT_GE(right->x, kX + 33 - 0.02);
  EXPECT_NEAR(left->size, kU, 0.02);
  EXPECT_NEAR(find("2")->x, kX + 16.5, 0.02);
  EXPECT_NEAR(find("0")->x, kX + 28.5, 0.02);
  EXPECT_NEAR(find("0")->y, kY + kU, 0.02);
  // Two scores of the three-score layout, in the column between the brackets.
  EXPECT_NEAR(find("21-15")->x, kX + 21, 0.02);
  EXPECT_NEAR(find("21-15")->y, kY + 1.2, 0.02);
  EXPECT_NEAR(find("21-18")->y, kY + 5.4, 0.02);
  EXPECT_EQ(countOf(QStringLiteral("ｷｹﾝ")), 0);
  // Two brackets of three lines each; uprights at 19.5 and 28.5 mm, 9 mm high rows.
  const auto ls = lines();
  ASSERT_EQ(ls.size(), 6u);
  EXPECT_NEAR(ls[1].from.x(), kX + 19.5, 1e-3);
  EXPECT_NEAR(ls[1].from.y(), kY + 1.5, 1e-3);
  EXPECT_NEAR(ls[1].to.y(), kY + 7.5, 1e-3);
  EXPECT_NEAR(ls[2].to.y(), kY + 9, 1e-3);
  EXPECT_NEAR(ls[4].from.x(), kX + 28.5, 1e-3);
  EXPECT_NEAR(ls[3].from.x(), kX + 27.75, 1e-3);
}

TEST_F(TeamSheetRowTest, PlayerLinesFollowTheKind) {
  struct Case {
    QString kind;
    std::vector<double> ys;  // left player lines below the row's top
  } cases[] = {
      {"単", {3}},
      {"複", {1.05, 4.95}},
      {"３", {-0.15, 3.15, 6.45}},
      {"混", {1.05}},
  };
  for (const Case& c : cases) {
    SubMatchKekkaRec k;
    k.Kind = c.kind;
    k.LeftPlayer1 = QStringLiteral("左一");
    k.LeftPlayer2 = QStringLiteral("左二");
    k.LeftPlayer3 = QStringLiteral("左三");  // left from a trio before: printed only for a trio
    printRow(k);
    std::vector<double> ys;
    for (const PrintedText& x : texts())
      if (x.text.startsWith(QStringLiteral("左"))) ys.push_back(x.y - kY);
    ASSERT_EQ(ys.size(), c.ys.size()) << qPrintable(c.kind);
    for (size_t i = 0; i < ys.size(); ++i) EXPECT_NEAR(ys[i], c.ys[i], 0.02) << qPrintable(c.kind);
  }
}

TEST_F(TeamSheetRowTest, FiveScoreLayoutStopsAtTheFirstEmptyScoreAndMarksTheWithdrawal) {
  SubMatchKekkaRec k;
  k.Kind = QStringLiteral("単");
  k.GamesWon = {QStringLiteral("3"), QStringLiteral("0")};
  k.Scores = {QStringLiteral("7-5"), QStringLiteral("7-3"), QStringLiteral("7-6"), QString(),
              QStringLiteral("7-1")};
  k.KikenSide = QStringLiteral("右");
  printRow(k, QStringLiteral("75"));
  const double ys[] = {0, 1.8, 3.6};
  const QString scores[] = {"7-5", "7-3", "7-6"};
  for (int i = 0; i < 3; ++i) {
    const auto s = find(scores[i]);
    ASSERT_TRUE(s) << i;
    EXPECT_NEAR(s->x, kX + 21.6, 0.02);
    EXPECT_NEAR(s->y, kY + ys[i], 0.02);
    EXPECT_NEAR(s->size, 1.8, 0.02);
  }
  EXPECT_FALSE(find(QStringLiteral("7-1")));
  const auto mark = find(QStringLiteral("ｷｹﾝ"));
  ASSERT_TRUE(mark);
  EXPECT_NEAR(mark->x, kX + 28.5, 0.02);
  EXPECT_NEAR(mark->y, kY + 6.6, 0.02);

  k.KikenSide = QStringLiteral("左");
  printRow(k);
  EXPECT_NEAR(find(QStringLiteral("ｷｹﾝ"))->x, kX + 15, 0.02);
  // Three scores in the three-score layout: one unit apart from 0.1u.
  EXPECT_NEAR(find(QStringLiteral("7-6"))->y, kY + 6.3, 0.02);
}

class TeamPageNoTest : public TieSheetFixture {};

TEST_F(TeamPageNoTest, PageNumberFieldsPrintTheRunningNumber) {
  InitBunshouItems(p().bunshou, QStringLiteral("ＭＳ 明朝"));
  p().device.OpenPrint(p());
  auto& items = p().bunshou.BunshouItems;
  items[5].Text = QStringLiteral("&頁");
  items[5].Y = 100;
  p().bunshou.BunshouItemOn[13] = true;
  struct Case {
    int first, page;
    QString text;
    int printed;
  } cases[] = {{1, 1, "- 1 -", 1},  {5, 3, "- 7 -", 1},
               {0, 1, "", 0},        {-2, 3, "", 0},
               {-2, 4, "- 1 -", 1},  {std::numeric_limits<int>::min(), 9, "", 0},
               {std::numeric_limits<int>::max(), 2, "- 2147483648 -", 1}};
  for (const Case& c : cases) {
    p().bunshou.FirstPageNo = c.first;
    surface.calls.clear();
    PrintTeamPageNo(p().device, p().bunshou, p().textVars, c.page);
    EXPECT_EQ(LookupTextVars(p().textVars, QStringLiteral("頁")), c.text);
    EXPECT_EQ(static_cast<int>(texts().size()), c.printed) << c.page;
  }
  // Both fields on for every page print, in field order; the other phrases do not.
  p().bunshou.FirstPageNo = 1;
  p().bunshou.BunshouItemOn[5] = true;
  surface.calls.clear();
  PrintTeamPageNo(p().device, p().bunshou, p().textVars, 2);
  const auto ts = texts();
  ASSERT_EQ(ts.size(), 2u);
  EXPECT_EQ(ts[0].text, QStringLiteral("-2-"));
  EXPECT_NEAR(ts[0].y, 100, 0.1);
  EXPECT_NEAR(ts[1].y, 282, 0.1);
}

}  // namespace
}  // namespace qv::test
