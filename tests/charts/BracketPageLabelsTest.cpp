// Match numbers, schedule texts, game scores, games-won counts, result texts and qualifier
// labels on a bracket page.

#include <gtest/gtest.h>

#include "BracketFixture.h"
#include "charts/TournamentPages.h"
#include "data/Nittei.h"

namespace qv::test {
namespace {

// One side, 8 entrants: first-round joins at x 127.75, rows 31.875 mm apart from 40.9375;
// names 4 mm, schedule and count texts 4 mm, scores 3 mm.
constexpr double kJ1 = 127.75;
double rowY(double r) { return 40.9375 + r * 31.875; }

TEST(BracketPageLabelsTest, NumbersOfUnplayedMatchesAndTheirSchedule) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.decide(e, 5, true, QStringLiteral("2:0:21-3:21-4:::"));
  f.print(e, QStringLiteral("左"));
  const auto one = f.find(QStringLiteral("1"));
  ASSERT_TRUE(one);
  EXPECT_NEAR(one->x, kJ1 - 2 - 1, 0.02);  // ends a quarter character before the join
  EXPECT_NEAR(one->y, rowY(0.5) - 2, 0.02);
  // A decided match of a singles event hides its number.
  EXPECT_FALSE(f.hasText(QStringLiteral("2"), kJ1 - 3, rowY(2.5) - 2));
  EXPECT_TRUE(f.hasText(QStringLiteral("3"), kJ1 - 3, rowY(4.5) - 2));

  BracketFixture g;
  const int e2 = g.addEvent(8);
  g.program().taikai.DataFolder = g.tp.folder();
  g.program().taikai.NitteiFileName = QStringLiteral("日程.csv");
  g.tp.writeFile(QStringLiteral("日程.csv"), {QStringLiteral("MS,14日,15日"), QStringLiteral("時刻,10:00,11:00"),
                                             QStringLiteral("コート,1コート")});
  ReadNitteiFile(g.program());
  g.print(e2, QStringLiteral("左"));
  const auto day = g.find(QStringLiteral("14日"));
  const auto time = g.find(QStringLiteral("10:00"));
  const auto court = g.find(QStringLiteral("1コート"));
  ASSERT_TRUE(day && time && court);
  const double labelX = kJ1 - 2 - 1;
  EXPECT_NEAR(day->x, labelX - 4 * 4 / 2.0, 0.02);
  EXPECT_NEAR(day->y, rowY(0.5) - 1.7 * 4, 0.02);
  EXPECT_NEAR(time->y, rowY(0.5) - 0.5 * 4, 0.02);
  EXPECT_NEAR(court->y, rowY(0.5) + 0.7 * 4, 0.02);
  // Match 2 has a shorter third line: its court reads empty, the others print.
  EXPECT_TRUE(g.find(QStringLiteral("15日")));
  // Match 3 is past the schedule's columns: its number prints.
  EXPECT_TRUE(g.find(QStringLiteral("3")));
  EXPECT_FALSE(g.find(QStringLiteral("1")));
}

TEST(BracketPageLabelsTest, ScoresFromTheFirstChildsSideAndTheirShrinking) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.decide(e, 4, false, QStringLiteral("0:2:15-21:10-21:::"));
  f.decide(e, 5, true, QStringLiteral("3:1:21-1:19-21:21-2:21-3:"));
  f.decide(e, 6, true, QStringLiteral("2:0:21-7:21-8:::"));
  f.print(e, QStringLiteral("左"));
  const auto g1 = f.find(QStringLiteral("21-15"));
  const auto g2 = f.find(QStringLiteral("21-10"));
  ASSERT_TRUE(g1 && g2);
  EXPECT_NEAR(g1->x, kJ1 - 9, 0.02);
  EXPECT_NEAR(g1->y, rowY(0.5) - 3, 0.02);
  EXPECT_NEAR(g2->y, rowY(0.5), 0.02);
  EXPECT_NEAR(g1->size, 3, 0.01);
  // Four games shrink the scores to 0.8 of their size, and every later match's too.
  const auto four = f.find(QStringLiteral("21-3"));
  const auto later = f.find(QStringLiteral("21-7"));
  ASSERT_TRUE(four && later);
  EXPECT_NEAR(four->size, 2.4, 0.01);
  EXPECT_NEAR(later->size, 2.4, 0.01);

  // Games won beside each child's line, in Gothic; the winner's count replaced by the
  // result text when the layout asks for result texts.
  EXPECT_TRUE(f.hasText(QStringLiteral("0"), kJ1, rowY(0) - 2));
  EXPECT_TRUE(f.hasText(QStringLiteral("2"), kJ1, rowY(1) - 2));

  BracketFixture g;
  const int e2 = g.addEvent(8);
  g.decide(e2, 4, false, QStringLiteral("0:2:::::"));
  g.tournament(e2).Taisens[4].ExtraText2 = QStringLiteral("不戦勝");
  g.program().insatsu.InsatsuSeigyo.PointHyouji = 3;
  g.program().taikai.sw.TaikaiOptions << QStringLiteral("DOUBLECHAR");
  g.print(e2, QStringLiteral("左"));
  const auto result = g.find(QStringLiteral("不戦勝"));
  ASSERT_TRUE(result);
  EXPECT_NEAR(result->size, 8, 0.01);  // twice the size
  EXPECT_NEAR(result->x, kJ1 + 4, 0.02);  // after its leading blank
  EXPECT_EQ(result->face, QStringLiteral("ＭＳ ゴシック"));
}

TEST(BracketPageLabelsTest, DecidedMatchesKeepTheirNumberForTeamsOrWhenAsked) {
  const struct {
    const char16_t* shubetsu;
    bool keep;
    bool shown;
  } cases[] = {{u"単", false, false}, {u"単", true, true}, {u"複", true, true},
               {u"団体", false, true}, {u"団体", true, true}};
  for (const auto& c : cases) {
    const QString kind = QString::fromUtf16(c.shubetsu);
    BracketFixture f;
    const int e = f.addEvent(8, QStringLiteral("種目"), QStringLiteral("EV"), kind);
    f.decide(e, 5, true, QStringLiteral("2:0:21-3:21-4:::"));  // match 2, with its result
    f.setUp(QStringLiteral("左"));
    f.state.TournamentInsatsu.ShiaiBangouKeep = c.keep;
    f.state.TournamentInsatsu.ScoreShow = false;
    f.open();
    ChartEnv env = f.env();
    PrintTournamentPages(env, f.state, f.tournament(e), -1);
    EXPECT_EQ(f.hasText(QStringLiteral("2"), kJ1 - 3, rowY(2.5) - 2), c.shown)
        << kind.toStdString() << " keep " << c.keep;
    // The unplayed matches show theirs either way.
    EXPECT_TRUE(f.hasText(QStringLiteral("3"), kJ1 - 3, rowY(4.5) - 2)) << kind.toStdString();
  }
}

TEST(BracketPageLabelsTest, DecidedCentreMatchKeepsItsNumberAboveItsScores) {
  // Two sides, 8 entrants: the final meets at x 105, 1.5 rows of 63.75 mm below 56.875.
  const double y = 56.875 + 1.5 * 63.75;
  for (bool keep : {false, true}) {
    BracketFixture f;
    const int e = f.addEvent(8);
    f.decideAll(e);
    f.decide(e, 1, false, QStringLiteral("1:2:21-19:18-21:19-21::"));
    f.setUp(QStringLiteral("左右"));
    f.state.TournamentInsatsu.ShiaiBangouKeep = keep;
    f.open();
    ChartEnv env = f.env();
    PrintTournamentPages(env, f.state, f.tournament(e), -1);
    EXPECT_EQ(f.hasText(QStringLiteral("7"), 105 - 1, y + 2), keep);
    // The scores listed under the meeting point, one number's height lower when it shows.
    EXPECT_TRUE(f.hasText(QStringLiteral("19-21"), 105 - 4.5, y + 1.5 + (keep ? 4 : 0))) << keep;
  }
}

TEST(BracketPageLabelsTest, GameScoreSizeFollowsTheLatestLongMatch) {
  BracketFixture f;
  const int e = f.addEvent(8);
  // Drawn in node order: five games, then four, then two.
  f.decide(e, 4, true, QStringLiteral("3:2:21-11:11-21:21-12:12-21:21-13"));
  f.decide(e, 5, true, QStringLiteral("3:1:21-14:14-21:21-15:21-16:"));
  f.decide(e, 6, true, QStringLiteral("2:0:21-17:21-18:::"));
  f.print(e, QStringLiteral("左"));
  const struct {
    const char* score;
    double size;
  } cases[] = {{"21-11", 1.8}, {"21-13", 1.8}, {"21-14", 2.4}, {"21-16", 2.4}, {"21-17", 2.4}};
  for (const auto& c : cases) {
    const auto t = f.find(QString::fromLatin1(c.score));
    ASSERT_TRUE(t) << c.score;
    EXPECT_NEAR(t->size, c.size, 0.01) << c.score;
  }
}

TEST(BracketPageLabelsTest, TeamEventsKeepNumbersAndQualifyingDrawsNumberTheirEnds) {
  BracketFixture f;
  const int e = f.addEvent(8, QStringLiteral("団体"), QStringLiteral("MT"), QStringLiteral("団体"));
  f.decideAll(e);
  // Decided without a result text (a walkover): a team match keeps its number.
  for (TaisenRec& n : f.tournament(e).Taisens) n.TaisenKekka.clear();
  f.print(e, QStringLiteral("左"));
  for (int m = 1; m <= 7; ++m) EXPECT_TRUE(f.find(QString::number(m))) << m;

  BracketFixture g;
  const int e2 = g.addEvent(16, QStringLiteral("一般男子予選"));
  g.program().taikai.sw.TaikaiOptions << QStringLiteral("YOJ");
  g.print(e2, QStringLiteral("左"));
  for (int q = 1; q <= 4; ++q) EXPECT_TRUE(g.find(QStringLiteral("Qualifier%1").arg(q))) << q;
  EXPECT_FALSE(g.find(QStringLiteral("Qualifier5")));
  EXPECT_FALSE(g.find(QStringLiteral("15")));  // the final is not drawn
}

}  // namespace
}  // namespace qv::test
