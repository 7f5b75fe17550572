#include <gtest/gtest.h>

#include "charts/LeagueGeometry.h"
#include "print/PrintRunState.h"

namespace qv {
namespace {

TEST(LeagueGeometry, UnitsColumnsAndSizes) {
  struct Case {
    const char* what;
    AreaRect area;
    QString shubetsu;
    int n;
    bool shozoku, kaigyou, meisai;
    double U, R, C, W, H, LeftFirst, HeaderFirst;
  };
  const Case cases[] = {
      {"singles with affiliations", {10, 200, 20, 120}, "単", 4, true, false, false,
       7.142857, 20, 24.285714, 78.571429, 7.142857, 6.428571, 6.428571},
      {"with the won-lost column", {10, 200, 20, 120}, "単", 4, true, false, true,
       6.418919, 20, 21.824324, 70.608108, 6.418919, 6.790541, 6.790541},
      {"pairs without affiliations", {0, 170, 0, 120}, "複", 5, false, false, false,
       6.938776, 20, 23.591837, 38.163265, 6.938776, 2.367347, 2.367347},
      {"singles without affiliations", {0, 170, 0, 120}, "単", 5, false, false, false,
       6.938776, 20, 23.591837, 38.163265, 6.938776, 6.530612, 6.530612},
      {"affiliation under the name", {0, 170, 0, 60}, "単", 2, true, true, false,
       11.888112, 20, 40.419580, 65.384615, 7.692308, 1.538462, 6.153846},
      {"trio", {0, 190, 0, 96}, "３人", 3, true, false, false,
       8.189655, 24, 27.844828, 90.086207, 6.315789, 7.905172, 7.905172},
  };
  for (const Case& c : cases) {
    const LeagueGeometry g = MakeLeagueGeometry(c.area, c.shubetsu, c.n, c.shozoku, c.kaigyou, c.meisai);
    EXPECT_NEAR(g.U, c.U, 1e-3) << c.what;
    EXPECT_NEAR(g.R, c.R, 1e-4) << c.what;
    EXPECT_NEAR(g.C, c.C, 1e-3) << c.what;
    EXPECT_NEAR(g.W, c.W, 1e-3) << c.what;
    EXPECT_NEAR(g.H, c.H, 1e-4) << c.what;
    EXPECT_NEAR(g.LeftFirst, c.LeftFirst, 1e-4) << c.what;
    EXPECT_NEAR(g.HeaderFirst, c.HeaderFirst, 1e-4) << c.what;
    // The columns fill the box exactly.
    EXPECT_NEAR(g.W + c.n * g.C + (c.meisai ? 5 : 2) * g.U, c.area.X2 - c.area.X1, 1e-3) << c.what;
    EXPECT_NEAR(g.cellsRight(), g.columnLeft(c.n), 1e-3) << c.what;
    // Each text box stays inside its column: names and their own affiliation column inside
    // the name column, a header name inside its opponent column, the totals between the
    // last opponent column and the rank column.
    EXPECT_LT(g.nameRight(), g.X1 + g.W) << c.what;
    if (g.A) {
      EXPECT_GT(g.affiliationRight(), g.nameRight()) << c.what;
      EXPECT_LT(g.affiliationRight(), g.X1 + g.W) << c.what;
    }
    for (int col = 0; col < c.n; ++col)
      EXPECT_LT(g.headerNameRight(col), g.columnLeft(col + 1)) << c.what << " column " << col;
    if (c.meisai) {
      EXPECT_NEAR(g.wonLostLeft(), g.columnLeft(c.n), 1e-3) << c.what;
    }
    EXPECT_NEAR(g.rankLeft(), (c.meisai ? g.wonLostLeft() + 3 * g.U : g.columnLeft(c.n)), 1e-3)
        << c.what;
    EXPECT_NEAR(g.rankCentre(), (g.rankLeft() + g.X2) / 2, 1e-6) << c.what;
  }
}

TEST(LeagueGeometry, TrioLinesAndRankText) {
  const LeagueGeometry g = MakeLeagueGeometry({0, 190, 0, 96}, "３人", 3, true, false, false);
  EXPECT_NEAR(g.trioLine(0), 1.263158, 1e-5);
  EXPECT_NEAR(g.trioLine(1), 8.842105, 1e-5);
  EXPECT_NEAR(g.trioLine(2), 16.421053, 1e-5);
  EXPECT_NEAR(g.Hb, 10, 1e-5);
  EXPECT_NEAR(g.Hr, std::min(10.0, 1.4 * g.U), 1e-5);
  EXPECT_NEAR(g.Cw, g.U, 1e-5);
  EXPECT_NEAR(g.Ch, 2 * g.Cw, 1e-5);  // 0.8 R is more than twice the width

  // A short row: the rank text is at most twice as wide as high, and the other way round.
  const LeagueGeometry flat = MakeLeagueGeometry({0, 400, 0, 9}, "単", 2, false, false, false);
  EXPECT_NEAR(flat.Ch, 2.4, 1e-5);
  EXPECT_NEAR(flat.Cw, 4.8, 1e-5);
  const LeagueGeometry tall = MakeLeagueGeometry({0, 20, 0, 300}, "単", 2, false, false, false);
  EXPECT_NEAR(tall.Ch, 2 * tall.Cw, 1e-5);

  // No slots: the frame and headers still have a size.
  const LeagueGeometry empty = MakeLeagueGeometry({0, 100, 0, 50}, "単", 0, true, false, true);
  EXPECT_NEAR(empty.R, 50, 1e-5);
  EXPECT_NEAR(empty.U, 100.0 / 16, 1e-5);
}

}  // namespace
}  // namespace qv
