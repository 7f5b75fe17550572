// Row pitch and the columns of both sides of a bracket.

#include <gtest/gtest.h>

#include <cmath>

#include "charts/TournamentInsatsu.h"

namespace qv {
namespace {

TournamentChartState chart(const QString& keishiki, int pageCount) {
  TournamentChartState st;
  st.TournamentInsatsu.Keishiki = keishiki;
  st.TournamentInsatsu.PageCount = pageCount;
  st.TournamentInsatsu.Area = AreaRect{20, 190, 20, 280};
  st.NameColumnRatio = 0.25f;
  st.ShozokuColumnRatio = 0.25f;
  return st;
}

TEST(TournamentGeometryTest, TwoSidedColumnsMeetInTheMiddle) {
  TournamentChartState st = chart(QStringLiteral("左右"), 1);
  SetTournamentHaichi(st, 16, 5, 1, 1.0f, QStringLiteral("決勝戦"));
  const TournamentHaichiRec& h = st.Haichi;
  EXPECT_EQ(h.TournamentSides, 2);
  EXPECT_FLOAT_EQ(h.ColumnX(0, 0), 20.f);
  EXPECT_FLOAT_EQ(h.ColumnX(0, 1), 41.25f);
  EXPECT_FLOAT_EQ(h.ColumnX(0, 2), 42.25f);
  EXPECT_FLOAT_EQ(h.ColumnX(0, 3), 63.5f);
  EXPECT_FLOAT_EQ(h.ColumnX(0, 4), 64.5f);
  EXPECT_FLOAT_EQ(h.TournamentColumnWidth, 10.125f);
  // The right side reads name, then affiliation, with its rounds running leftwards.
  EXPECT_FLOAT_EQ(h.ColumnX(1, 3), 190.f);
  EXPECT_FLOAT_EQ(h.ColumnX(1, 2), 168.75f);
  EXPECT_FLOAT_EQ(h.ColumnX(1, 1), 167.75f);
  EXPECT_FLOAT_EQ(h.ColumnX(1, 0), 146.5f);
  EXPECT_FLOAT_EQ(h.ColumnX(1, 4), 145.5f);
  // The semifinals' lines end where the two sides meet.
  EXPECT_FLOAT_EQ(h.ColumnX(0, 8), 105.f);
  EXPECT_FLOAT_EQ(h.ColumnX(1, 8), 105.f);
  // 16 entrants, two sides: 8 rows, no caption rows with places decided by the final.
  EXPECT_FLOAT_EQ(h.TournamentRowPitch, 255.f / 8);
  EXPECT_FLOAT_EQ(h.TournamentFirstRowY, 0.5f * 255.f / 8 + 25.f);
}

TEST(TournamentGeometryTest, RowsPerSideAndCaptionRows) {
  struct Case {
    const char* keishiki;
    int pages, entrants, ketteiJuni;
    const char* finalCaption;
    int rows;
  } cases[] = {
      {"左", 1, 20, 0, "決勝戦", 22},   // the third-place block takes two rows
      {"左", 1, 20, 1, "決勝戦", 20},
      {"左右", 2, 16, 0, "", 4},        // no final caption on two pages: no block rows
      {"左右", 2, 16, 0, "決勝戦", 6},
      {"左右", 2, 16, 2, "決勝戦", 4},
      {"左右", 4, 17, 1, "決勝戦", 3},  // rows rounded up
  };
  for (const Case& c : cases) {
    TournamentChartState st = chart(QString::fromUtf8(c.keishiki), c.pages);
    SetTournamentHaichi(st, c.entrants, 6, c.ketteiJuni, 1.0f, QString::fromUtf8(c.finalCaption));
    EXPECT_FLOAT_EQ(st.Haichi.TournamentRowPitch, 255.f / c.rows) << c.keishiki << c.pages << c.entrants;
  }
}

TEST(TournamentGeometryTest, DegenerateDrawsKeepFiniteGeometry) {
  // A one-level knock-out counts as one level; an empty one as one row; a deep draw has
  // columns for every round.
  for (int levels : {0, 1, 9, 17}) {
    TournamentChartState st = chart(QStringLiteral("左"), 1);
    SetTournamentHaichi(st, levels == 0 ? 0 : 1 << (levels - 1), levels, 1, 1.0f, QString());
    EXPECT_TRUE(std::isfinite(st.Haichi.TournamentRowPitch)) << levels;
    EXPECT_TRUE(std::isfinite(st.Haichi.TournamentColumnWidth)) << levels;
    EXPECT_GT(st.Haichi.TournamentColumnWidth, 0.f) << levels;
    const int top = std::max(levels, 1) + 5;
    EXPECT_GT(st.Haichi.ColumnX(0, top), st.Haichi.ColumnX(0, top - 1)) << levels;
  }
  TournamentChartState st = chart(QStringLiteral("左"), 1);
  SetTournamentHaichi(st, 8, 1, 1, 1.0f, QString());
  EXPECT_FLOAT_EQ(st.Haichi.TournamentColumnWidth, (85.f * 2 - 85.f - 2.f) / 1);
}

}  // namespace
}  // namespace qv
