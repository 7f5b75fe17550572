// The automatic layout run: league tables and draws stacked down A4 portrait sheets.

#include "PrintRunFixture.h"

namespace qv::test {
namespace {

class PrintAutoLayoutTest : public PrintRunFixture {
 protected:
  // An event to print with a league of n blocks and draws of these sizes (entrants,
  // decided places).
  int autoEvent(int blocks, std::vector<std::pair<int, int>> draws = {}) {
    const int e = addEvent(program(), QStringLiteral("種目%1").arg(program().taikai.Taikai.ShumokuCount),
                           QStringLiteral("単"), 4);
    ShumokuRec& ev = event(program(), e);
    ev.KumiawaseSuu2 = 1;
    ev.YosenLeagueAri = blocks > 0 ? 1 : 0;
    for (int b = 0; b < blocks; ++b) addBlock(ev, 3);
    for (auto [n, juni] : draws) {
      TournamentRec t;
      t.SankaCount = n;
      t.KetteiJuni = juni;
      ev.Tournaments.push_back(t);
    }
    ev.TournamentCount = static_cast<int>(ev.Tournaments.size());
    return e;
  }
  struct Where {
    const char* chart;
    float y1, y2;
    int sheet;
  };
  void expectCalls(const std::vector<Where>& want) {
    ASSERT_EQ(calls.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(calls[i].chart, want[i].chart) << i;
      EXPECT_FLOAT_EQ(calls[i].area.Y1, want[i].y1) << i;
      EXPECT_FLOAT_EQ(calls[i].area.Y2, want[i].y2) << i;
      EXPECT_FLOAT_EQ(calls[i].area.X1, 20) << i;
      EXPECT_FLOAT_EQ(calls[i].area.X2, 185) << i;
      EXPECT_EQ(calls[i].sheet, want[i].sheet) << i;
    }
  }
};

TEST_F(PrintAutoLayoutTest, NothingToPrint) {
  autoEvent(0);
  event(program(), autoEvent(2, {{8, 1}})).KumiawaseSuu2 = 0;
  printAuto();
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ(message(), "印刷する頁がありませんでした");
}

TEST_F(PrintAutoLayoutTest, FourLeagueTablesToASheet) {
  autoEvent(5);
  event(program(), 0).YosenLeague.Blocks[2].Dummy = true;
  autoEvent(1);
  printAuto();
  expectCalls({{"league", 15, 75, 1},
               {"league", 82.5f, 142.5f, 1},
               {"league", 150, 210, 1},
               {"league", 217.5f, 277.5f, 1},
               {"league", 15, 75, 2}});
  EXPECT_EQ(message(), "２頁印刷しました");
  EXPECT_EQ(program().run.InsatsuTitle, "自動レイアウト出力");
}

TEST_F(PrintAutoLayoutTest, DrawsTakeTheirRowsOrANewSheet) {
  // 16 entrants, no decided places: 9 rows, 117 mm; 64 entrants: capped to 270 mm.
  autoEvent(2, {{16, 0}});
  autoEvent(3, {{16, 0}, {64, 1}, {3, 1}});
  printAuto();
  expectCalls({{"league", 15, 75, 1},
               {"league", 82.5f, 142.5f, 1},
               {"draw", 150, 267, 1},
               {"league", 15, 75, 2},
               {"league", 82.5f, 142.5f, 2},
               {"league", 150, 210, 2},
               {"draw", 15, 132, 3},
               {"draw", 15, 285, 4},
               {"draw", 15, 67, 5}});
  EXPECT_EQ(message(), "５頁印刷しました");
}

TEST_F(PrintAutoLayoutTest, DrawSettings) {
  program().bracket.TournamentInsatsu.DrawSize = 8;  // left by a layout run
  program().taikai.Shozoku.push_back({"所属なし", 0});
  const int wide = autoEvent(0, {{3, 1}});
  event(program(), wide).MaxLen1 = 9;
  event(program(), wide).MaxLen2 = 4;
  autoEvent(0, {{4, 1}});
  printAuto();
  const auto draws = of("draw");
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].keishiki, "左");
  EXPECT_EQ(draws[1].keishiki, "左右");
  for (const ChartCall& d : draws) EXPECT_EQ(d.drawSize, 0);
  EXPECT_FLOAT_EQ(draws[0].nameRatio, 0.25f);
  EXPECT_FLOAT_EQ(draws[0].shozokuRatio, 0.25f);
  EXPECT_FLOAT_EQ(draws[1].nameRatio, 0.5f);
  EXPECT_FLOAT_EQ(draws[1].shozokuRatio, 0.f);
  EXPECT_FALSE(program().taikai.sw.ShozokuHyouji);
  EXPECT_FLOAT_EQ(program().bracket.NameColumnRatio, 0.5f);
}

}  // namespace
}  // namespace qv::test
