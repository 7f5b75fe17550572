#include "charts/LeagueFixture.h"
#include "charts/LeagueGeometry.h"
#include "data/Nittei.h"
#include "team/TeamFixture.h"

namespace qv {
namespace {

using test::PrintedText;

const QStringList kThree{"山田 花子,青葉", "鈴木 愛,緑川", "田中 舞,若草"};

class LeagueCells : public test::LeagueFixture {
 protected:
  // Three slots; rule 21 (three games): V2 = R / 4.2.
  int threeSlots() {
    const int e = addLeague("単", kThree);
    g = MakeLeagueGeometry(box, "単", 3, true, false, false);
    V2 = g.R / 4.2;
    H2 = std::min(g.C / 3, V2);
    return e;
  }
  // The texts of the cell in row i under column j, in print order.
  QStringList cell(int i, int j) {
    return textsIn(g.columnLeft(j), g.rowTop(i), g.columnLeft(j + 1) - 0.01, g.rowTop(i + 1) - 0.01);
  }
  std::optional<PrintedText> cellText(int i, int j, const QString& text) {
    for (const PrintedText& p : texts())
      if (p.text == text && p.x >= g.columnLeft(j) && p.x < g.columnLeft(j + 1) &&
          p.y >= g.rowTop(i) && p.y < g.rowTop(i + 1))
        return p;
    return std::nullopt;
  }
  LeagueGeometry g;
  double V2 = 0, H2 = 0;
};

TEST_F(LeagueCells, PlayedMatchesFromEachSide) {
  const int e = threeSlots();
  LeagueBlockRec& b = block(e);
  test::addMatch(b, 0, 1, "2:1:21-15:12-21:21-19").Shousha = 0;
  test::addMatch(b, 0, 2, "0:2:15-21:18-21").Shousha = 2;
  test::addMatch(b, 1, 2, "2:0:21-8");
  b.Taisen[2].Shousha = 1;
  print(e);
  EXPECT_EQ(cell(0, 1), (QStringList{"○", "21-15", "12-21", "21-19"}));
  EXPECT_EQ(cell(1, 0), (QStringList{"×", "15-21", "21-12", "19-21"}));
  EXPECT_EQ(cell(0, 2), (QStringList{"×", "15-21", "18-21"}));
  EXPECT_EQ(cell(2, 0), (QStringList{"○", "21-15", "21-18"}));
  EXPECT_EQ(cell(1, 2), (QStringList{"○", "21-8"}));
  EXPECT_EQ(cell(2, 1), (QStringList{"×", "8-21"}));
  EXPECT_TRUE(cell(0, 0).isEmpty());

  const double xa = g.columnLeft(1);
  const double ta = g.rowTop(0);
  const auto mark = cellText(0, 1, "○");
  EXPECT_NEAR(mark->x, xa + g.C / 2 - H2 / 2, 0.02);
  EXPECT_NEAR(mark->y, ta + 0.1 * V2, 0.02);
  for (int n = 0; n < 3; ++n) {
    const auto line = cellText(0, 1, cell(0, 1)[n + 1]);
    EXPECT_NEAR(line->x, xa + g.C / 2 - 1.25 * H2, 0.02);
    EXPECT_NEAR(line->y, ta + (1.1 + n) * V2, 0.02);
  }
  // Two games: the lines about the middle of the cell.
  EXPECT_NEAR(cellText(0, 2, "15-21")->y, ta + g.R / 2 + 0.3 * V2 - H2, 0.02);
  EXPECT_NEAR(cellText(0, 2, "18-21")->y, ta + g.R / 2 + 0.5 * V2, 0.02);
  EXPECT_NEAR(cellText(1, 2, "21-8")->y, g.rowTop(1) + 2.1 * V2, 0.02);
}

TEST_F(LeagueCells, MarksFromTheCounts) {
  struct Case {
    QString kekka;
    int shousha;
    QStringList a, b;
  };
  const Case cases[] = {
      {"1:1", 0, {"△", "1-1"}, {"△", "1-1"}},
      {"２:2", 0, {"△", "２-2"}, {"△", "2-２"}},
      {"X:X", 0, {"△", "X-X"}, {"△", "X-X"}},
      {"Ｘ:0", 0, {"×", "Ｘ-0"}, {"○", "0-Ｘ"}},
      {"X:0", 0, {"×", "X-0"}, {"○", "0-X"}},
      {"0:x", 0, {"○", "0-x"}, {"×", "x-0"}},  // a lower-case x is no forfeit: the winner decides
      {"10:9", 0, {"○", "10-9"}, {"×", "9-10"}},
      {"9:10", 1, {"×", "9-10"}, {"○", "10-9"}},
  };
  for (const Case& c : cases) {
    const int e = threeSlots();
    LeagueBlockRec& b = block(e);
    test::addMatch(b, 0, 1, c.kekka).Shousha = c.shousha;
    print(e);
    EXPECT_EQ(cell(0, 1), c.a) << c.kekka.toStdString();
    EXPECT_EQ(cell(1, 0), c.b) << c.kekka.toStdString();
  }
}

TEST_F(LeagueCells, UnplayedCellsAndTheScoreDisplayModes) {
  struct Case {
    int mode;
    QStringList played, unplayed, notMatch;
  };
  const Case cases[] = {
      {0, {"○", "21-1", "21-2"}, {"2"}, {"－"}},
      {1, {"1"}, {"2"}, {"－"}},
      {2, {}, {}, {}},
      {3, {"○", "21-1", "21-2"}, {}, {}},
  };
  for (const Case& c : cases) {
    const int e = threeSlots();
    LeagueBlockRec& b = block(e);
    test::addMatch(b, 0, 1, "2:0:21-1:21-2").Shousha = 0;
    test::addMatch(b, 0, 2, "");
    test::addMatch(b, 1, 2, "", "0");
    model().insatsu.InsatsuSeigyo.PointHyouji = c.mode;
    print(e);
    EXPECT_EQ(cell(0, 1), c.played) << c.mode;
    EXPECT_EQ(cell(0, 2), c.unplayed) << c.mode;
    EXPECT_EQ(cell(2, 0), c.unplayed) << c.mode;
    EXPECT_EQ(cell(1, 2), c.notMatch) << c.mode;
    EXPECT_EQ(find("山田花子").has_value(), true) << c.mode;  // names print in every mode
  }
}

TEST_F(LeagueCells, MatchNumbersStandAtTheRight) {
  const int e = threeSlots();
  LeagueBlockRec& b = block(e);
  test::addMatch(b, 0, 1, "", "12");
  test::addMatch(b, 0, 2, "", "");
  b.Taisen[1].ShiaiBangou = "";  // no label at all
  test::addMatch(b, 1, 2, "");
  print(e);
  const double mk = 1.5 * H2;
  const auto n = cellText(0, 1, "12");
  ASSERT_TRUE(n);
  EXPECT_NEAR(n->x, g.columnLeft(1) + g.C - 1.5 * mk, 0.02);
  EXPECT_NEAR(n->y, g.rowTop(0) + 0.1 * V2, 0.02);
  EXPECT_NEAR(n->size, mk, 0.02);
  EXPECT_EQ(cell(0, 2), QStringList{"－"});
  EXPECT_NEAR(cellText(0, 2, "－")->y, g.rowTop(0) + 0.1 * V2 + mk, 0.02);

  model().taikai.sw.TaikaiOptions << "小試合番号";
  print(e);
  EXPECT_NEAR(cellText(0, 1, "12")->size, 0.7 * mk, 0.02);
}

TEST_F(LeagueCells, ResultLabelTakesTheThirdLine) {
  const int e = threeSlots();
  LeagueBlockRec& b = block(e);
  auto& m = test::addMatch(b, 0, 1, "2:0:21-1:21-2");
  m.Shousha = 0;
  m.ExtraText3 = "ｷｹﾝ";
  test::addMatch(b, 0, 2, "2:1:21-3:3-21:21-4").Shousha = 0;
  test::addMatch(b, 1, 2, "");
  model().insatsu.InsatsuSeigyo.PointHyouji = 3;
  print(e);
  EXPECT_EQ(cell(0, 1), (QStringList{"○", "21-1", "21-2", "ｷｹﾝ"}));
  EXPECT_EQ(cell(1, 0), (QStringList{"×", "1-21", "2-21", "ｷｹﾝ"}));
  // Without a label a three-game match keeps its third game.
  EXPECT_EQ(cell(0, 2), (QStringList{"○", "21-3", "3-21", "21-4"}));
}

TEST_F(LeagueCells, ScheduleTextsInUnplayedCells) {
  t.writeFile("日程.csv", {"WS-0,14日,14日,15日", "時刻,10:00,10:30,11:00", "コート,1コート,2コート,3コート"});
  model().taikai.DataFolder = t.folder();
  model().taikai.NitteiFileName = "日程.csv";
  ReadNitteiFile(model());
  const int e = threeSlots();
  LeagueBlockRec& b = block(e);
  test::addMatch(b, 0, 1, "2:0:21-1:21-2").Shousha = 0;
  test::addMatch(b, 0, 2, "");
  test::addMatch(b, 1, 2, "");
  print(e);
  EXPECT_EQ(cell(0, 2), (QStringList{"14日", "10:30", "2コート"}));
  EXPECT_EQ(cell(2, 0), (QStringList{"14日", "10:30", "2コート"}));
  EXPECT_EQ(cell(1, 2), (QStringList{"15日", "11:00", "3コート"}));
  const double s3 = g.R / 3.8;
  EXPECT_NEAR(cellText(0, 2, "10:30")->y, g.rowTop(0) + 0.2 * s3 + 1.2 * s3, 0.02);

  model().taikai.sw.TaikaiOptions << "実業団TT";
  print(e);
  EXPECT_TRUE(cell(0, 2).isEmpty());
}

// The team event comes after an individual event, so its own index is not the index of
// its team record: the totals go through the pairing.
TEST_F(LeagueCells, TeamTiesShowTheirTotals) {
  addLeague("単", kThree);
  const int e = addLeague("団体", {"青葉クラブ", "若草ＢＣ"}, "男子団体");
  test::addMatch(block(e), 0, 1, "2:1", "4").Shousha = 0;  // tie 1 labelled 4
  test::TeamEvent te({"単", "単", "単"});
  const int a = te.addTeam("青葉クラブ", {"a1", "a2", "a3"});
  const int bt = te.addTeam("若草ＢＣ", {"b1", "b2", "b3"});
  te.addTie(a, bt, "2", "1",
            {{"2", "0", {"21-10", "21-11"}},
             {"0", "2", {"15-21", "16-21"}},
             {"2", "1", {"21-19", "19-21", "21-17"}}});
  model().team = te.team;
  test::event(model(), e).TeamShumokuIndex = 0;
  model().taikai.sw.LeagueMeisaiMode = 2;
  g = MakeLeagueGeometry(box, "団体", 2, false, false, true);
  print(e);
  EXPECT_EQ(cell(0, 1), (QStringList{"2-1", "G4-3", "P134-120"}));
  EXPECT_EQ(cell(1, 0), (QStringList{"1-2", "G3-4", "P120-134"}));
  EXPECT_EQ(t.program.teamOutput.TaisenLabel, "4");

  model().taikai.sw.LeagueMeisaiMode = 1;
  print(e);
  g = MakeLeagueGeometry(box, "団体", 2, false, false, true);
  EXPECT_EQ(cell(0, 1), (QStringList{"○", "2-1"}));
  const double h2 = std::min(g.C / 3, g.R / 4.2);
  EXPECT_NEAR(cellText(0, 1, "○")->size, 2 * h2, 0.02);
}

}  // namespace
}  // namespace qv
