#include <gtest/gtest.h>

#include "data/Shokaisen.h"
#include "data/TaikaiState.h"
#include "data/Tournament.h"

using namespace qv;

namespace {

TaikaiState twoEvents() {
  TaikaiState taikai;
  taikai.Taikai.Shumoku.resize(2);
  taikai.Taikai.ShumokuCount = 2;
  return taikai;
}

}  // namespace

TEST(ReadShokaisen, OrdersTheShapeExamples) {
  struct Case {
    const char* value;
    int total;
    std::vector<int> order;
  };
  const Case cases[] = {
      {"4,2,2,2,2", 8, {1, 8, 5, 4, 3, 6, 7, 2}},
      {"3,2,1,1", 4, {1, 4, 3, 2}},
      {"3,1,1,2", 4, {1, 3, 4, 2}},
      {"6,2,2,1,1,1,1", 8, {1, 8, 7, 4, 3, 6, 5, 2}},
      {"1,3", 4, {1, 4, 3, 2}},
      {"2,1,1", 2, {1, 2}},
      {"4,1,1,1,1", 4, {1, 4, 3, 2}},
      // Unusable shapes: not a power of two keeps its total; fewer sizes than the count,
      // a size below 1 or a block too large to order give no total.
      {"3,2,2,2", 6, {}},
      {"3,2,2", 0, {}},
      {"2,0,1", 0, {}},
      {"1,40", 0, {}},
      {"", 0, {}},
      {"x,1,1", 0, {}},
  };
  for (const Case& c : cases) {
    TaikaiState taikai = twoEvents();
    ReadShokaisen(taikai, 1, QString::fromUtf8(c.value));
    ASSERT_EQ(taikai.Shokaisens.size(), 1u) << c.value;
    const ShokaisenRec& s = taikai.Shokaisens[0];
    EXPECT_EQ(s.Total, c.total) << c.value;
    EXPECT_EQ(s.Order, c.order) << c.value;
    EXPECT_EQ(s.Key, "初回戦");
    EXPECT_EQ(taikai.Taikai.Shumoku[1].ShokaisenIndex, 0);
    EXPECT_EQ(taikai.Taikai.Shumoku[0].ShokaisenIndex, -1);
  }
}

TEST(ReadShokaisen, SecondShapeLeavesTheFirstAndRepointsTheEvent) {
  TaikaiState taikai = twoEvents();
  ReadShokaisen(taikai, 0, "3,1,1,2");
  ReadShokaisen(taikai, 1, "2,1,1");
  ReadShokaisen(taikai, 0, "1,3");
  ASSERT_EQ(taikai.Shokaisens.size(), 3u);
  EXPECT_EQ(taikai.Shokaisens[0].Order, (std::vector<int>{1, 3, 4, 2}));
  EXPECT_EQ(taikai.Shokaisens[0].Count, 3);
  EXPECT_EQ(taikai.Shokaisens[0].Sizes.Values, (std::vector<int>{1, 1, 2, 0}));
  EXPECT_EQ(taikai.Taikai.Shumoku[0].ShokaisenIndex, 2);
  EXPECT_EQ(taikai.Taikai.Shumoku[1].ShokaisenIndex, 1);
  // No event, no shape.
  ReadShokaisen(taikai, 5, "1,3");
  ReadShokaisen(taikai, -1, "1,3");
  EXPECT_EQ(taikai.Shokaisens.size(), 3u);
}

TEST(MakeTournament, FollowsTheEventsShape) {
  TaikaiState taikai = twoEvents();
  ReadShokaisen(taikai, 0, "3,1,1,2");
  TournamentRec t;
  t.ShumokuCode = 0;
  t.SankaCount = 3;
  MakeTournament(taikai, t);
  // Order 1, 3, 4, 2: seeds 1 and 3 meet first, seed 2 has the bye.
  ASSERT_EQ(t.TaisenCount, 7);
  EXPECT_EQ(t.LevelCount, 3);
  EXPECT_EQ(t.Taisens[4].Rank, 1);
  EXPECT_EQ(t.Taisens[5].Rank, 3);
  EXPECT_EQ(t.Taisens[6].HyoujiLevel, -1);
  EXPECT_EQ(t.Taisens[7].Rank, 2);
  EXPECT_EQ(t.Taisens[2].ShiaiBangou, "1");
  EXPECT_FLOAT_EQ(t.Taisens[2].HyoujiIchi, 0.5f);
  EXPECT_EQ(t.Taisens[3].Taisen1, -1);
  EXPECT_EQ(t.Taisens[3].Taisen2, 7);
  EXPECT_EQ(t.Taisens[3].ShiaiBangou, "");
  EXPECT_EQ(t.Taisens[1].ShiaiBangou, "2");
  EXPECT_FLOAT_EQ(t.Taisens[1].HyoujiIchi, 1.25f);

  // A shape of eight positions gives eight positions even to two entrants.
  ReadShokaisen(taikai, 0, "2,3,3");
  t.SankaCount = 2;
  MakeTournament(taikai, t);
  EXPECT_EQ(t.SeedCount, 8);
  EXPECT_EQ(t.LevelCount, 4);
  EXPECT_EQ(t.Taisens[1].ShiaiBangou, "1");
  EXPECT_EQ(t.ShiaiJunNode, (std::vector<int>{0, 1, 0}));
}

TEST(MakeTournament, IgnoresShapesThatCannotHoldTheDraw) {
  // Not a power of two, too few positions for the entrants: the standard order instead.
  for (const char* value : {"3,2,2,2", "2,1,1", "3,2,2"}) {
    TaikaiState taikai = twoEvents();
    ReadShokaisen(taikai, 0, QString::fromUtf8(value));
    TournamentRec t;
    t.ShumokuCode = 0;
    t.SankaCount = 5;
    MakeTournament(taikai, t);
    ASSERT_TRUE(TournamentHasTree(t)) << value;
    EXPECT_EQ(t.SeedCount, 8) << value;
    EXPECT_EQ(t.Taisens[9].HyoujiLevel, -1) << value;
    EXPECT_EQ(t.Taisens[1].ShiaiBangou, "4") << value;
  }
  // A hand-made shape that repeats a rank is no permutation of the positions.
  TaikaiState taikai = twoEvents();
  ShokaisenRec bad;
  bad.Count = 2;
  bad.Total = 4;
  bad.Order = {1, 1, 3, 2};
  taikai.Shokaisens.push_back(bad);
  taikai.Taikai.Shumoku[0].ShokaisenIndex = 0;
  EXPECT_EQ(UsableShokaisen(taikai, 0, 4), nullptr);
  taikai.Taikai.Shumoku[0].ShokaisenIndex = 7;
  EXPECT_EQ(UsableShokaisen(taikai, 0, 4), nullptr);
}
