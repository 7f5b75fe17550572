#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "data/TaikaiState.h"
#include "data/Tournament.h"

using namespace qv;

namespace {

// A tournament state with one event (no first-round shape) and its knock-out of n entrants.
struct Draw {
  explicit Draw(int n) {
    taikai.Taikai.Shumoku.resize(1);
    taikai.Taikai.ShumokuCount = 1;
    t.ShumokuCode = 0;
    t.SankaCount = n;
    MakeTournament(taikai, t);
  }
  TaikaiState taikai;
  TournamentRec t;
};

// One node as the tests state it: links, match number, level, row and seed rank.
struct NodeView {
  int taisen1, taisen2;
  const char* bangou;
  int level;
  float row;
  int rank;
};

void expectNodes(const TournamentRec& t, const std::vector<NodeView>& want) {
  ASSERT_EQ(t.Taisens.size(), want.size());
  for (size_t k = 0; k < want.size(); ++k) {
    const TaisenRec& n = t.Taisens[k];
    const NodeView& w = want[k];
    EXPECT_EQ(n.Taisen1, w.taisen1) << "node " << k;
    EXPECT_EQ(n.Taisen2, w.taisen2) << "node " << k;
    EXPECT_EQ(n.ShiaiBangou, QString::fromUtf8(w.bangou)) << "node " << k;
    EXPECT_EQ(n.HyoujiLevel, w.level) << "node " << k;
    EXPECT_FLOAT_EQ(n.HyoujiIchi, w.row) << "node " << k;
    EXPECT_EQ(n.Rank, w.rank) << "node " << k;
    EXPECT_EQ(n.Shousha, -1) << "node " << k;
  }
}

}  // namespace

TEST(GetTournamentNodeCount, SmallestPowerOfTwoTree) {
  const std::pair<int, int> cases[] = {{-5, 1}, {0, 1}, {1, 1},  {2, 3},   {3, 7},
                                       {4, 7},  {5, 15}, {8, 15}, {9, 31}, {16, 31},
                                       {17, 63}, {1 << 30, 2147483647},
                                       {(1 << 30) + 1, 2147483647}};
  for (const auto& [n, nodes] : cases) EXPECT_EQ(GetTournamentNodeCount(n), nodes) << n;
}

TEST(MakeTournamentSeedOrder, KnownOrders) {
  const std::pair<int, std::vector<int>> cases[] = {
      {2, {1, 2}},
      {3, {1, 4, 3, 2}},
      {8, {1, 8, 5, 4, 3, 6, 7, 2}},
      {16, {1, 16, 9, 8, 5, 12, 13, 4, 3, 14, 11, 6, 7, 10, 15, 2}},
  };
  for (const auto& [n, order] : cases) {
    const TournamentSeedOrder so = MakeTournamentSeedOrder(n);
    std::vector<int> got(so.Order.begin(), so.Order.end() - 1);
    EXPECT_EQ(got, order) << n;
    EXPECT_EQ(so.Order.back(), 0);
  }
}

// For every P the top 2^j seeds stand in different blocks of P / 2^j positions, so the
// better seeds meet as late as possible; seeds 1 and 2 only in the final.
TEST(MakeTournamentSeedOrder, BestSeedsMeetLateForEveryDrawSize) {
  for (int p = 2; p <= 64; p *= 2) {
    const TournamentSeedOrder so = MakeTournamentSeedOrder(p);
    ASSERT_EQ(so.SeedCount, p);
    EXPECT_EQ(1 << (so.LevelCount - 1), p);
    ASSERT_EQ(so.Order.size(), static_cast<size_t>(p) + 1);
    std::vector<int> ranks(so.Order.begin(), so.Order.end() - 1);
    std::vector<int> sorted = ranks;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(static_cast<size_t>(p));
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(sorted, expected) << "P=" << p;

    std::vector<int> pos(static_cast<size_t>(p) + 1);
    for (int i = 0; i < p; ++i) pos[static_cast<size_t>(ranks[static_cast<size_t>(i)])] = i;
    EXPECT_LT(pos[1], p / 2) << "P=" << p;
    EXPECT_GE(pos[2], p / 2) << "P=" << p;
    for (int top = 2; top <= p; top *= 2) {
      const int block = p / top;
      std::set<int> blocks;
      for (int r = 1; r <= top; ++r) blocks.insert(pos[static_cast<size_t>(r)] / block);
      EXPECT_EQ(blocks.size(), static_cast<size_t>(top)) << "P=" << p << " top " << top;
    }
  }
}

TEST(MakeTournament, TwoEntrants) {
  Draw d(2);
  const TournamentRec& t = d.t;
  EXPECT_EQ(t.SeedCount, 2);
  EXPECT_EQ(t.LevelCount, 2);
  EXPECT_EQ(t.TaisenCount, 3);
  EXPECT_EQ(t.ShiaiCount, 2);
  EXPECT_EQ(t.PointCount, 21);
  expectNodes(t, {{-1, -1, "2", 2, 2.5f, 0},
                  {2, 3, "1", 1, 0.5f, 0},
                  {-1, -1, "", 0, 0.f, 1},
                  {-1, -1, "", 0, 1.f, 2}});
  EXPECT_EQ(t.ShiaiJunNode, (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(t.RenbanPos, (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(t.RankPos, (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(t.CourtWariate, (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(TournamentHasTree(t));
}

TEST(MakeTournament, ThreeEntrantsHaveOneBye) {
  Draw d(3);
  const TournamentRec& t = d.t;
  EXPECT_EQ(t.LevelCount, 3);
  expectNodes(t, {{-1, -1, "3", 3, 3.5f, 0},
                  {2, 3, "2", 2, 0.75f, 0},
                  {4, -1, "", 1, 0.f, 0},
                  {6, 7, "1", 1, 1.5f, 0},
                  {-1, -1, "", 0, 0.f, 1},
                  {-1, -1, "", -1, -1.f, 0},
                  {-1, -1, "", 0, 1.f, 3},
                  {-1, -1, "", 0, 2.f, 2}});
  EXPECT_EQ(t.ShiaiJunNode, (std::vector<int>{0, 3, 1, 0}));
  EXPECT_EQ(t.RenbanPos, (std::vector<int>{0, 0, 2, 3}));
  EXPECT_EQ(t.RankPos, (std::vector<int>{0, 0, 3, 2}));
}

TEST(MakeTournament, FiveEntrants) {
  Draw d(5);
  expectNodes(d.t, {{-1, -1, "5", 4, 5.5f, 0},
                    {2, 3, "4", 3, 2.125f, 0},
                    {4, 5, "2", 2, 0.75f, 0},
                    {6, 7, "3", 2, 3.5f, 0},
                    {8, -1, "", 1, 0.f, 0},
                    {10, 11, "1", 1, 1.5f, 0},
                    {12, -1, "", 1, 3.f, 0},
                    {-1, 15, "", 1, 4.f, 0},
                    {-1, -1, "", 0, 0.f, 1},
                    {-1, -1, "", -1, -1.f, 0},
                    {-1, -1, "", 0, 1.f, 5},
                    {-1, -1, "", 0, 2.f, 4},
                    {-1, -1, "", 0, 3.f, 3},
                    {-1, -1, "", -1, -1.f, 0},
                    {-1, -1, "", -1, -1.f, 0},
                    {-1, -1, "", 0, 4.f, 2}});
  EXPECT_EQ(d.t.ShiaiJunNode, (std::vector<int>{0, 5, 2, 3, 1, 0}));
}

TEST(MakeTournament, SixEntrants) {
  Draw d(6);
  expectNodes(d.t, {{-1, -1, "6", 4, 6.5f, 0},
                    {2, 3, "5", 3, 2.5f, 0},
                    {4, 5, "3", 2, 0.75f, 0},
                    {6, 7, "4", 2, 4.25f, 0},
                    {8, -1, "", 1, 0.f, 0},
                    {10, 11, "1", 1, 1.5f, 0},
                    {12, 13, "2", 1, 3.5f, 0},
                    {-1, 15, "", 1, 5.f, 0},
                    {-1, -1, "", 0, 0.f, 1},
                    {-1, -1, "", -1, -1.f, 0},
                    {-1, -1, "", 0, 1.f, 5},
                    {-1, -1, "", 0, 2.f, 4},
                    {-1, -1, "", 0, 3.f, 3},
                    {-1, -1, "", 0, 4.f, 6},
                    {-1, -1, "", -1, -1.f, 0},
                    {-1, -1, "", 0, 5.f, 2}});
  EXPECT_EQ(d.t.ShiaiJunNode, (std::vector<int>{0, 5, 6, 2, 3, 1, 0}));
}

TEST(MakeTournament, EightEntrantsNumberRoundByRound) {
  Draw d(8);
  expectNodes(d.t, {{-1, -1, "8", 4, 8.5f, 0},
                    {2, 3, "7", 3, 3.5f, 0},
                    {4, 5, "5", 2, 1.5f, 0},
                    {6, 7, "6", 2, 5.5f, 0},
                    {8, 9, "1", 1, 0.5f, 0},
                    {10, 11, "2", 1, 2.5f, 0},
                    {12, 13, "3", 1, 4.5f, 0},
                    {14, 15, "4", 1, 6.5f, 0},
                    {-1, -1, "", 0, 0.f, 1},
                    {-1, -1, "", 0, 1.f, 8},
                    {-1, -1, "", 0, 2.f, 5},
                    {-1, -1, "", 0, 3.f, 4},
                    {-1, -1, "", 0, 4.f, 3},
                    {-1, -1, "", 0, 5.f, 6},
                    {-1, -1, "", 0, 6.f, 7},
                    {-1, -1, "", 0, 7.f, 2}});
}

// Invariants of any draw size: rows, links, levels and a gap-free numbering.
TEST(MakeTournament, LargeDrawsKeepTheirInvariants) {
  for (int n : {7, 12, 33, 100, 513, 1000, kMaxTournamentSankaCount}) {
    Draw d(n);
    const TournamentRec& t = d.t;
    const int p = t.SeedCount;
    ASSERT_TRUE(TournamentHasTree(t)) << n;
    ASSERT_GE(p, n);
    ASSERT_LT(p / 2, n);
    ASSERT_EQ(t.TaisenCount, 2 * p - 1);

    int realLeaves = 0;
    for (int i = 0; i < p; ++i) {
      const TaisenRec& leaf = t.Taisens[static_cast<size_t>(p + i)];
      if (leaf.HyoujiLevel == 0) {
        EXPECT_EQ(leaf.HyoujiIchi, static_cast<float>(realLeaves)) << n;
        ++realLeaves;
        EXPECT_EQ(t.RenbanPos[static_cast<size_t>(realLeaves)], i);
        EXPECT_EQ(t.RankPos[static_cast<size_t>(leaf.Rank)], i);
      } else {
        EXPECT_EQ(leaf.HyoujiLevel, -1);
        EXPECT_EQ(leaf.Rank, 0);
      }
    }
    EXPECT_EQ(realLeaves, n);

    std::vector<int> seen(static_cast<size_t>(n), 0);
    for (int k = 1; k < p; ++k) {
      const TaisenRec& node = t.Taisens[static_cast<size_t>(k)];
      if (node.Taisen1 >= 0 && node.Taisen2 >= 0) {
        const int m = node.ShiaiBangou.toInt();
        ASSERT_GE(m, 1);
        ASSERT_LT(m, n);
        ++seen[static_cast<size_t>(m)];
        EXPECT_EQ(t.ShiaiJunNode[static_cast<size_t>(m)], k);
        const auto& a = t.Taisens[static_cast<size_t>(node.Taisen1)];
        const auto& b = t.Taisens[static_cast<size_t>(node.Taisen2)];
        EXPECT_FLOAT_EQ(node.HyoujiIchi, (a.HyoujiIchi + b.HyoujiIchi) / 2);
        // A match is numbered after every match below it.
        if (!a.ShiaiBangou.isEmpty()) {
          EXPECT_GT(m, a.ShiaiBangou.toInt());
        }
        if (!b.ShiaiBangou.isEmpty()) {
          EXPECT_GT(m, b.ShiaiBangou.toInt());
        }
      } else {
        EXPECT_TRUE(node.ShiaiBangou.isEmpty());
      }
    }
    for (int m = 1; m < n; ++m) EXPECT_EQ(seen[static_cast<size_t>(m)], 1) << n << " match " << m;
    EXPECT_EQ(t.ShiaiJunNode[static_cast<size_t>(n)], 0);
    EXPECT_EQ(t.Taisens[1].ShiaiBangou, QString::number(n - 1));
    EXPECT_EQ(t.Taisens[0].ShiaiBangou, QString::number(n));
  }
}

TEST(MakeTournament, TooFewEntrantsLeaveNoTree) {
  for (int n : {-3, 0, 1, kMaxTournamentSankaCount + 1}) {
    Draw d(n);
    EXPECT_TRUE(d.t.Taisens.empty()) << n;
    EXPECT_FALSE(TournamentHasTree(d.t)) << n;
    EXPECT_EQ(TournamentNode(d.t, 0), nullptr);
    EXPECT_EQ(TournamentShousha(d.t, 1), -1);
  }
  // A tree whose entrant count changed after it was built is no tree of that count.
  Draw d(8);
  d.t.SankaCount = 1;
  EXPECT_FALSE(TournamentHasTree(d.t));
  d.t.SankaCount = 9;
  EXPECT_FALSE(TournamentHasTree(d.t));
}

TEST(MakeTournament, BuildingAgainDiscardsResults) {
  Draw d(5);
  const TournamentRec first = d.t;
  d.t.Taisens[5].Shousha = 3;
  d.t.Taisens[5].TaisenKekka = "2-0";
  d.t.Taisens[0].Taisen1 = 4;
  MakeTournament(d.taikai, d.t);
  ASSERT_EQ(d.t.Taisens.size(), first.Taisens.size());
  for (size_t k = 0; k < first.Taisens.size(); ++k) {
    EXPECT_EQ(d.t.Taisens[k].Shousha, first.Taisens[k].Shousha);
    EXPECT_EQ(d.t.Taisens[k].TaisenKekka, first.Taisens[k].TaisenKekka);
    EXPECT_EQ(d.t.Taisens[k].Taisen1, first.Taisens[k].Taisen1);
  }
}
