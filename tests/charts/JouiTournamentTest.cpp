// The upper rounds of a knock-out as a draw of their own.

#include <gtest/gtest.h>

#include "BracketFixture.h"
#include "charts/JouiTournament.h"

namespace qv::test {
namespace {

TEST(JouiTournamentTest, LevelsRowsAndRankPositions) {
  struct Case {
    int p, levelCount;
    std::vector<int> levels;     // nodes 1 … 2P−1
    std::vector<float> rows;
    std::vector<int> rankPos;    // ranks 1 … P
  } cases[] = {
      {2, 2, {1, 0, 0}, {0.5f, 0, 1}, {0, 1}},
      {4, 3, {2, 1, 1, 0, 0, 0, 0}, {1.5f, 0.5f, 2.5f, 0, 1, 2, 3}, {0, 3, 2, 1}},
      {8, 4, {3, 2, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
       {3.5f, 1.5f, 5.5f, 0.5f, 2.5f, 4.5f, 6.5f, 0, 1, 2, 3, 4, 5, 6, 7},
       {0, 7, 4, 3, 2, 5, 6, 1}},
  };
  BracketFixture f;
  const int e = f.addEvent(40);
  for (const Case& c : cases) {
    TournamentRec j;
    MakeJouiTournament(f.tournament(e), c.p, j);
    EXPECT_EQ(j.SankaCount, c.p);
    EXPECT_EQ(j.SeedCount, c.p);
    EXPECT_EQ(j.ShiaiCount, c.p);
    EXPECT_EQ(j.TaisenCount, 2 * c.p - 1);
    EXPECT_EQ(j.LevelCount, c.levelCount);
    for (int k = 1; k < 2 * c.p; ++k) {
      EXPECT_EQ(j.Taisens[k].HyoujiLevel, c.levels[k - 1]) << c.p << " node " << k;
      EXPECT_EQ(j.Taisens[k].HyoujiIchi, c.rows[k - 1]) << c.p << " node " << k;
    }
    for (int r = 1; r <= c.p; ++r) EXPECT_EQ(j.RankPos[r], c.rankPos[r - 1]) << c.p << " rank " << r;
  }
  TournamentRec j16;
  MakeJouiTournament(f.tournament(e), 16, j16);
  EXPECT_EQ(j16.Taisens[1].HyoujiIchi, 7.5f);
  EXPECT_EQ(j16.Taisens[3].HyoujiIchi, 11.5f);
  EXPECT_EQ((std::vector<int>(j16.RankPos.begin() + 1, j16.RankPos.end())),
            (std::vector<int>{0, 15, 8, 7, 4, 11, 12, 3, 2, 13, 10, 5, 6, 9, 14, 1}));
}

TEST(JouiTournamentTest, CopyKeepsResultsAndLeavesTheModelAlone) {
  BracketFixture f;
  const int e = f.addEvent(16);
  f.decideAll(e);
  const TournamentRec full = f.tournament(e);
  TournamentRec j;
  MakeJouiTournament(f.tournament(e), 4, j);
  for (int k = 4; k < 8; ++k) {
    EXPECT_EQ(j.Taisens[k].Shousha, full.Taisens[k].Shousha);  // the block's winner
    EXPECT_EQ(j.Taisens[k].ShiaiBangou, full.Taisens[k].ShiaiBangou);
  }
  EXPECT_EQ(f.tournament(e).SankaCount, 16);
  EXPECT_EQ(f.tournament(e).Taisens[4].HyoujiLevel, full.Taisens[4].HyoujiLevel);
  EXPECT_EQ(f.tournament(e).RankPos, full.RankPos);

  // A damaged record without the nodes asked for gets empty ones.
  TournamentRec broken;
  broken.SankaCount = 40;
  MakeJouiTournament(broken, 8, j);
  ASSERT_GE(j.Taisens.size(), 16u);
  EXPECT_EQ(j.Taisens[8].Shousha, kShoushaNone);
}

}  // namespace
}  // namespace qv::test
