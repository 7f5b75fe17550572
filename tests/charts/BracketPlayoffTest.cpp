// The playoff block under a bracket: third-place match, the final on page 1 of a two-page
// chart, the match for second place, captions and players.

#include <gtest/gtest.h>

#include "BracketFixture.h"

namespace qv::test {
namespace {

TEST(BracketPlayoffTest, ThirdPlaceMatchBetweenTheSemifinalLosers) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.tournament(e).KetteiJuni = 0;
  f.decideAll(e);  // upper children win: ranks 1, 4, 3, 2 reach the semifinals; 1 and 3 win
  f.tournament(e).Taisens[0].Shousha = f.tournament(e).Taisens[7].Shousha;
  f.tournament(e).Taisens[0].TaisenKekka = QStringLiteral("0:2:19-21:17-21:::");
  f.print(e, QStringLiteral("左"));
  // 10 rows: 8 entrants and the block; the block 1.5 rows under the lowest node.
  const double pitch = 25.5, maxRowY = 25 + pitch / 2 + 7 * pitch;
  const double y = maxRowY + 1.5 * pitch;
  const auto caption = f.find(QStringLiteral("三位決定戦"));
  ASSERT_TRUE(caption);
  EXPECT_NEAR(caption->y, maxRowY + pitch - 1.2 * 4, 0.02);
  // Players A (node 2's loser) and B (node 3's loser) on the lines half a row above and
  // below; B won: B's half red.
  const TournamentRec& t = f.tournament(e);
  const int a = t.Taisens[4].Shousha + t.Taisens[5].Shousha - t.Taisens[2].Shousha;
  const int b = t.Taisens[6].Shousha + t.Taisens[7].Shousha - t.Taisens[3].Shousha;
  const auto nameA = f.find(QStringLiteral("選手%1").arg(a + 1));
  ASSERT_EQ(f.countTexts(QStringLiteral("選手%1").arg(a + 1)), 2);  // at its leaf and here
  EXPECT_TRUE(f.hasText(QStringLiteral("選手%1").arg(a + 1), 20, y - pitch / 2 - 2));
  EXPECT_TRUE(f.hasText(QStringLiteral("選手%1").arg(b + 1), 20, y + pitch / 2 - 2));
  (void)nameA;
  bool redB = false, thinA = false;
  for (const PrintedLine& l : f.lines()) {
    if (std::abs(l.y1 - (y + pitch / 2)) < 0.02 && std::abs(l.y2 - l.y1) < 0.02 && l.red()) redB = true;
    if (std::abs(l.y1 - (y - pitch / 2)) < 0.02 && std::abs(l.y2 - l.y1) < 0.02 && !l.red()) thinA = true;
  }
  EXPECT_TRUE(redB);
  EXPECT_TRUE(thinA);
  // The scores from A's side: B won, so they turn.
  EXPECT_TRUE(f.find(QStringLiteral("21-19")));
}

TEST(BracketPlayoffTest, CaptionsForLowerPlacesAndTheMatchForSecondPlace) {
  struct Case {
    const char* eventName;
    const char* caption;
  } cases[] = {{"３位決定トーナメント", "５位決定戦"},
               {"１３位決定トーナメント", "１５位決定戦"},
               {"9-12位", "１１位決定戦"},
               {"一般男子", "三位決定戦"}};
  for (const Case& c : cases) {
    BracketFixture f;
    const int e = f.addEvent(8, QString::fromUtf8(c.eventName));
    f.tournament(e).KetteiJuni = 0;
    f.print(e, QStringLiteral("左"));
    EXPECT_TRUE(f.find(QString::fromUtf8(c.caption))) << c.eventName;
  }
  BracketFixture f;
  const int e = f.addEvent(8);
  f.tournament(e).KetteiJuni = 0;
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("二位決定戦");
  f.print(e, QStringLiteral("左"));
  EXPECT_TRUE(f.find(QStringLiteral("二位決定戦")));
  const auto third = f.find(QStringLiteral("8"));
  const auto second = f.find(QStringLiteral("9"));
  ASSERT_TRUE(third && second);
  EXPECT_NEAR(second->y - third->y, 2.5 * 25.5, 0.02);
  EXPECT_NEAR(second->x, third->x, 0.02);
}

TEST(BracketPlayoffTest, NoBlockWithSeedMarksOrWithoutSemifinals) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.tournament(e).KetteiJuni = 0;
  f.program().run.SeedInsatsu = true;
  f.print(e, QStringLiteral("左"));
  EXPECT_FALSE(f.find(QStringLiteral("三位決定戦")));

  // A draw of two has no semifinals to take the players from.
  BracketFixture g;
  const int e2 = g.addEvent(2);
  g.tournament(e2).KetteiJuni = 0;
  g.decideAll(e2);
  g.print(e2, QStringLiteral("左"));
  EXPECT_FALSE(g.find(QStringLiteral("三位決定戦")));
  EXPECT_EQ(g.countTexts(QStringLiteral("選手1")), 1);
}

TEST(BracketPlayoffTest, FinalIsTheBlockOfPageOneOfTwo) {
  BracketFixture f;
  const int e = f.addEvent(16);
  f.tournament(e).KetteiJuni = 0;
  f.decideAll(e);
  f.print(e, QStringLiteral("左右"), 2);
  EXPECT_TRUE(f.find(QStringLiteral("決勝戦")));
  EXPECT_TRUE(f.find(QStringLiteral("三位決定戦")));
  EXPECT_EQ(f.surface.count(SurfaceCall::Kind::NewPage), 1);
}

}  // namespace
}  // namespace qv::test
