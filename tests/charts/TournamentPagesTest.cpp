// The page loop of a bracket: page reduction, the cuts along the standard seed order, the
// captions of the playoff block and the page titles.

#include <gtest/gtest.h>

#include "BracketFixture.h"
#include "charts/SeedOrder.h"
#include "charts/TournamentPages.h"

namespace qv::test {
namespace {

TEST(TournamentPagesTest, StandardSeedOrder) {
  EXPECT_EQ(StandardSeedOrder(8), (std::vector<int>{1, 8, 5, 4, 3, 6, 7, 2}));
  const std::vector<int> s = StandardSeedOrder(128);
  ASSERT_EQ(s.size(), 128u);
  EXPECT_EQ((std::vector<int>(s.begin(), s.begin() + 16)),
            (std::vector<int>{1, 128, 65, 64, 33, 96, 97, 32, 17, 112, 81, 48, 49, 80, 113, 16}));
  EXPECT_EQ((std::vector<int>(s.end() - 5, s.end())), (std::vector<int>{34, 63, 66, 127, 2}));
  // A smaller draw's order is the large one with the higher numbers left out.
  std::vector<int> filtered;
  for (int r : s)
    if (r <= 16) filtered.push_back(r);
  EXPECT_EQ(filtered, StandardSeedOrder(16));
}

TEST(TournamentPagesTest, PageCountIsReducedUntilEachPageHoldsFourEntrants) {
  struct Case {
    int asked, entrants, pages;
  } cases[] = {{4, 9, 2}, {8, 7, 1}, {16, 5, 1}, {2, 5, 1}, {16, 64, 16},
               {16, 63, 8}, {2, 8, 2}, {1, 0, 1}, {16, 0, 1}, {16, 2, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(ReduceTournamentPageCount(c.asked, c.entrants), c.pages) << c.asked << " " << c.entrants;
}

TEST(TournamentPagesTest, PageSidesCutTheDrawIntoEqualBlocksInOrder) {
  // For full draws of 16 to 128 on 1 to 16 pages, one side or two: the page sides follow
  // each other down the draw, each with its share of the rows.
  BracketFixture f;
  for (int n : {16, 32, 64, 128}) {
    const int e = f.addEvent(n);
    for (int pages : {1, 2, 4, 8, 16}) {
      if (pages > ReduceTournamentPageCount(pages, n)) continue;
      for (bool two : {false, true}) {
        const auto cuts = TournamentPageCuts(f.tournament(e), two, pages, QStringLiteral("決勝戦"));
        ASSERT_EQ(cuts.size(), static_cast<size_t>(pages));
        const float span = static_cast<float>(n) / (pages * (two ? 2 : 1));
        float next = 0;
        for (const TournamentPageRec& p : cuts) {
          EXPECT_EQ(p.LeftFrom, next) << n << " " << pages << " " << two;
          EXPECT_EQ(p.LeftTo, next + span - 1) << n << " " << pages << " " << two;
          next += span;
          if (two) {
            EXPECT_EQ(p.RightFrom, next);
            EXPECT_EQ(p.RightTo, next + span - 1);
            next += span;
          } else {
            EXPECT_EQ(p.RightFrom, kNoSide);
            EXPECT_EQ(p.RightTo, kNoSide);
          }
        }
      }
    }
  }
}

TEST(TournamentPagesTest, CutsAtRanksAndCaptions) {
  BracketFixture f;
  const int e = f.addEvent(9);
  TournamentRec& t = f.tournament(e);
  // 9 entrants on 16 positions: rank 9 meets rank 8, every other rank has a bye.
  auto rowOfRank = [&](int r) { return t.Taisens[static_cast<size_t>(t.RankPos[r] + t.SeedCount)].HyoujiIchi; };
  auto two = TournamentPageCuts(t, true, 2, QStringLiteral("決勝戦"));
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].LeftFrom, rowOfRank(1));
  EXPECT_EQ(two[0].LeftTo, rowOfRank(8));
  EXPECT_EQ(two[0].RightFrom, rowOfRank(5));
  EXPECT_EQ(two[0].RightTo, rowOfRank(4));
  EXPECT_EQ(two[1].LeftFrom, rowOfRank(3));
  EXPECT_EQ(two[1].LeftTo, rowOfRank(6));
  EXPECT_EQ(two[1].RightFrom, rowOfRank(7));
  EXPECT_EQ(two[1].RightTo, rowOfRank(2));

  struct Case {
    bool two;
    int pages, ketteiJuni;
    const char* finalCaption;
    std::vector<QString> captions;
  } cases[] = {
      {false, 1, 0, "決勝戦", {"三位決定戦"}},
      {false, 1, 1, "決勝戦", {""}},
      {true, 1, 0, "決勝戦", {"三位決定戦"}},
      {true, 2, 0, "決勝戦", {"決勝戦", "三位決定戦"}},
      {true, 2, 1, "決勝戦", {"決勝戦", ""}},
      {true, 2, 2, "決勝戦", {"", ""}},
      {true, 2, 0, "", {"", ""}},
  };
  for (const Case& c : cases) {
    t.KetteiJuni = c.ketteiJuni;
    const auto cuts = TournamentPageCuts(t, c.two, c.pages, QString::fromUtf8(c.finalCaption));
    ASSERT_EQ(cuts.size(), c.captions.size());
    for (size_t i = 0; i < cuts.size(); ++i)
      EXPECT_EQ(cuts[i].Caption, c.captions[i]) << c.pages << " " << c.ketteiJuni << " page " << i + 1;
  }
  // Ranks the draw does not have read as row 0.
  auto small = TournamentPageCuts(f.tournament(f.addEvent(4)), true, 1, QString());
  EXPECT_EQ(small[0].LeftFrom, 0.f);
  EXPECT_EQ(small[0].LeftTo, 1.f);
  EXPECT_EQ(small[0].RightFrom, 2.f);
  EXPECT_EQ(small[0].RightTo, 3.f);
}

TEST(TournamentPagesTest, TitlesPageNumbersAndShrinking) {
  BracketFixture f;
  const int e = f.addEvent(9);
  f.program().taikai.sw.ShumokuRyakugouHyouji = true;
  f.setUp(QStringLiteral("左右"), 4);
  f.open();
  int phrases = 0;
  ChartEnv env = f.env();
  const ChartResult printed =
      PrintTournamentPages(env, f.state, f.tournament(e), -1, [&] { ++phrases; });
  EXPECT_EQ(printed.Pages, 2);
  EXPECT_EQ(printed.SheetsStarted, 1);
  EXPECT_EQ(f.state.TournamentInsatsu.PageCount, 2);
  const auto p1 = f.find(QStringLiteral("一般男子シングルス（ＭＳ）－１"));
  const auto p2 = f.find(QStringLiteral("一般男子シングルス（ＭＳ）－２"));
  ASSERT_TRUE(p1 && p2);
  EXPECT_NEAR(p1->size, 4.0, 0.01);
  EXPECT_NEAR(p1->y, 20 - 2.0, 0.01);
  EXPECT_EQ(f.surface.count(SurfaceCall::Kind::NewPage), 1);
  EXPECT_EQ(phrases, 1);

  // A title wider than 95 % of the box shrinks to fit it; the names keep their size.
  BracketFixture g;
  const int e2 = g.addEvent(8, QStringLiteral("長い種目名").repeated(6));
  g.box = AreaRect{20, 100, 20, 280};
  g.setUp(QStringLiteral("左"));
  g.open();
  ChartEnv genv = g.env();
  PrintTournamentPages(genv, g.state, g.tournament(e2), -1);
  const auto title = g.find(QStringLiteral("長い種目名").repeated(6));
  ASSERT_TRUE(title);
  EXPECT_NEAR(title->size, 2 * 0.95 * 80 / 60, 0.01);
  EXPECT_FLOAT_EQ(g.state.TournamentInsatsu.TitleSize, 4.0f);
  const auto name = g.find(QStringLiteral("選手1"));
  ASSERT_TRUE(name);
  EXPECT_NEAR(name->size, 4.0, 0.01);
}

}  // namespace
}  // namespace qv::test
