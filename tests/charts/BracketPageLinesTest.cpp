// Node placement, round lines, the winner path and the centre match of a bracket page.

#include <gtest/gtest.h>

#include <algorithm>

#include "BracketFixture.h"

namespace qv::test {
namespace {

// Is there a line between the two points (either direction) with this width and colour?
bool hasLine(const std::vector<PrintedLine>& lines, double x1, double y1, double x2, double y2,
             bool red) {
  return std::any_of(lines.begin(), lines.end(), [&](const PrintedLine& l) {
    auto near = [](double a, double b) { return std::abs(a - b) < 0.02; };
    const bool same = (near(l.x1, x1) && near(l.y1, y1) && near(l.x2, x2) && near(l.y2, y2)) ||
                      (near(l.x1, x2) && near(l.y1, y2) && near(l.x2, x1) && near(l.y2, y1));
    return same && l.red() == red && std::abs(l.width - (red ? 0.8 : 0.15)) < 0.02;
  });
}

// One side, 8 entrants in 20..190 × 20..280, fractions 0.25: columns 107, 127.75, 148.5,
// 169.25, 190; rows 31.875 mm apart from y 40.9375.
constexpr double kRow0 = 40.9375, kPitch = 31.875;
double rowY(double r) { return kRow0 + r * kPitch; }

TEST(BracketPageLinesTest, DecidedFirstRoundMatchDrawsTheWinnerPathRed) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.decide(e, 4, true, QStringLiteral("2:0:21-10:21-12:::"));
  f.print(e, QStringLiteral("左"));
  const auto lines = f.lines();
  EXPECT_TRUE(hasLine(lines, 127.75, rowY(0), 107, rowY(0), true));    // winner's leaf
  EXPECT_TRUE(hasLine(lines, 127.75, rowY(1), 107, rowY(1), false));   // loser's leaf
  EXPECT_TRUE(hasLine(lines, 127.75, rowY(0.5), 127.75, rowY(0), true));  // winner's half
  EXPECT_TRUE(hasLine(lines, 127.75, rowY(1), 127.75, rowY(0.5), false));
  EXPECT_TRUE(hasLine(lines, 148.5, rowY(0.5), 127.75, rowY(0.5), true));  // the match's line
  // An undecided match: thin join from child to child.
  EXPECT_TRUE(hasLine(lines, 127.75, rowY(2), 127.75, rowY(3), false));
  EXPECT_TRUE(hasLine(lines, 148.5, rowY(2.5), 127.75, rowY(2.5), false));
  // The final stands at the chart's right edge.
  EXPECT_TRUE(hasLine(lines, 190, rowY(3.5), 169.25, rowY(3.5), false));
  // Every red line is followed by black again.
  EXPECT_EQ(f.program().device.ColorR, 0);
}

TEST(BracketPageLinesTest, ByeLeafDrawsOneLineToItsFirstMatch) {
  BracketFixture f;
  const int e = f.addEvent(6);  // 8 positions: ranks 1 and 2 have byes
  f.print(e, QStringLiteral("左"));
  const TournamentRec& t = f.tournament(e);
  const TaisenRec& rank1 = t.Taisens[t.RankPos[1] + t.SeedCount];
  // Rank 1's leaf runs from the first round's column to the second round's join.
  const double pitch = 255.0 / 6, y = 20 + 5 + pitch / 2 + rank1.HyoujiIchi * pitch;
  EXPECT_TRUE(hasLine(f.lines(), 148.5, y, 107, y, false));
}

TEST(BracketPageLinesTest, TwoSidedPageMeetsAtTheCentre) {
  for (bool decided : {false, true}) {
    BracketFixture f;
    const int e = f.addEvent(8);
    if (decided) {
      f.decideAll(e);
      f.decide(e, 1, false, QStringLiteral("1:2:21-19:18-21:19-21::"));
    }
    f.print(e, QStringLiteral("左右"));
    const auto lines = f.lines();
    // Both semifinal lines end at x 105, at one height.
    const double y = 56.875 + 1.5 * 63.75;
    EXPECT_TRUE(hasLine(lines, 105, y, 91.5, y, false)) << decided;
    EXPECT_TRUE(hasLine(lines, 105, y, 118.5, y, decided)) << decided;  // node 3 won the final
    EXPECT_TRUE(hasLine(lines, 105, y, 105, y - 63.75, decided)) << decided;  // the stem
    if (decided) {
      const auto a = f.find(QStringLiteral("1"));
      const auto b = f.find(QStringLiteral("2"));
      ASSERT_TRUE(a && b);
      EXPECT_NEAR(a->x, 105 - 1.2 * 4, 0.02);
      EXPECT_NEAR(a->y, y - 1.2 * 4, 0.02);
      EXPECT_NEAR(b->x, 105 + 0.2 * 4, 0.02);
      // Scores from the first child's side, listed under the meeting point.
      const auto g1 = f.find(QStringLiteral("19-21"));
      ASSERT_TRUE(g1);
      EXPECT_NEAR(g1->x, 105 - 1.5 * 3, 0.02);
      EXPECT_NEAR(g1->y, y + 0.5 * 3, 0.02);
      EXPECT_TRUE(f.find(QStringLiteral("21-18")));
    } else {
      EXPECT_TRUE(f.find(QStringLiteral("7")));  // the final's number under the centre
    }
  }
}

TEST(BracketPageLinesTest, PrintingTwiceGivesTheSameCallsAndKeepsTheRecord) {
  BracketFixture f;
  const int e = f.addEvent(13);
  f.decideAll(e);
  const float node1Row = f.tournament(e).Taisens[1].HyoujiIchi;
  f.print(e, QStringLiteral("左右"), 2);
  const auto first = f.surface.calls.size();
  const auto texts1 = f.texts();
  const auto lines1 = f.lines();
  f.surface.calls.clear();
  f.print(e, QStringLiteral("左右"), 2);
  EXPECT_EQ(f.surface.calls.size(), first);
  const auto texts2 = f.texts();
  ASSERT_EQ(texts1.size(), texts2.size());
  for (size_t i = 0; i < texts1.size(); ++i) {
    EXPECT_EQ(texts1[i].text, texts2[i].text);
    EXPECT_EQ(texts1[i].x, texts2[i].x);
    EXPECT_EQ(texts1[i].y, texts2[i].y);
  }
  EXPECT_EQ(lines1.size(), f.lines().size());
  EXPECT_EQ(f.tournament(e).Taisens[1].HyoujiIchi, node1Row);
}

TEST(BracketPageLinesTest, SemifinalsDecideTwoPlaces) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.tournament(e).KetteiJuni = 2;
  f.decideAll(e);
  f.print(e, QStringLiteral("左"));
  const auto lines = f.lines();
  // Nodes 2 and 3 end three quarters of a column on, red; no final is drawn.
  EXPECT_TRUE(hasLine(lines, 169.25 - 0.25 * 20.75, rowY(1.5), 148.5, rowY(1.5), true));
  EXPECT_TRUE(hasLine(lines, 169.25 - 0.25 * 20.75, rowY(5.5), 148.5, rowY(5.5), true));
  EXPECT_FALSE(hasLine(lines, 190, rowY(3.5), 169.25, rowY(3.5), false));
}

}  // namespace
}  // namespace qv::test
