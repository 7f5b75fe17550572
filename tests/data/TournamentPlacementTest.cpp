#include <gtest/gtest.h>

#include "data/Shokaisen.h"
#include "data/TaikaiState.h"
#include "data/Tournament.h"
#include "data/TournamentPlacement.h"

using namespace qv;

namespace {

// One event with the given draw numbers (entry i has draws[i]) and a knock-out of n entrants.
struct Placed {
  Placed(int n, const std::vector<int>& draws, int kumiawase = -1) {
    ShumokuRec e;
    for (int d : draws) {
      SankashaRec s;
      s.Bangou = d;
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = static_cast<int>(draws.size());
    e.KumiawaseSuu = kumiawase < 0 ? n : kumiawase;
    taikai.Taikai.Shumoku.push_back(e);
    taikai.Taikai.ShumokuCount = 1;
    t.ShumokuCode = 0;
    t.SankaCount = n;
  }
  void place() {
    MakeTournament(taikai, t);
    PlaceTournamentSankasha(taikai.Taikai.Shumoku[0], t);
  }
  std::vector<int> winners() const {
    std::vector<int> w;
    for (const TaisenRec& node : t.Taisens) w.push_back(node.Shousha);
    return w;
  }
  TaikaiState taikai;
  TournamentRec t;
};

}  // namespace

TEST(PlaceTournamentSankasha, EntriesStandOnTheirLeavesAndByesCarryUp) {
  Placed three(3, {0, 1, 2});
  three.place();
  EXPECT_EQ(three.winners(), (std::vector<int>{-1, -1, 0, -1, 0, -1, 1, 2}));

  // Entry i is placed by its draw number, not its position in the list.
  Placed five(5, {4, 0, 3, 1, 2});
  five.place();
  //                                     0   1   2   3  4   5  6  7  8   9 10 11 12  13  14 15
  EXPECT_EQ(five.winners(), (std::vector<int>{-1, -1, -1, -1, 1, -1, 2, 0, 1, -1, 3, 4, 2, -1, -1, 0}));
}

TEST(PlaceTournamentSankasha, EntriesWithoutALeafStayOff) {
  // No draw number, one at or above the count of the draw, or beyond the knock-out.
  Placed p(3, {-1, 1, 3, 2, 5, -7}, 6);
  p.place();
  EXPECT_EQ(p.winners(), (std::vector<int>{-1, -1, -1, -1, -1, -1, 1, 3}));

  Placed q(3, {0, 1, 2}, 2);
  q.place();
  EXPECT_EQ(q.winners(), (std::vector<int>{-1, -1, 0, -1, 0, -1, 1, -1}));
}

TEST(PlaceTournamentSankasha, CarriesThroughSeveralByeLevels) {
  // Eight positions for two entrants: each stands alone in its half.
  Placed p(2, {0, 1});
  ReadShokaisen(p.taikai, 0, "2,3,3");
  p.place();
  const auto w = p.winners();
  EXPECT_EQ(w[8], 0);
  EXPECT_EQ(w[4], 0);
  EXPECT_EQ(w[2], 0);
  EXPECT_EQ(w[15], 1);
  EXPECT_EQ(w[7], 1);
  EXPECT_EQ(w[3], 1);
  EXPECT_EQ(w[5], -1);  // over two byes: nobody to carry
  EXPECT_EQ(w[6], -1);
  EXPECT_EQ(w[1], -1);
  EXPECT_EQ(w[0], -1);
}

TEST(PlaceTournamentSankasha, QualifiersPlaceTheirOwnIndices) {
  Placed p(3, {7, 6, 5, 4});
  ShumokuRec& e = p.taikai.Taikai.Shumoku[0];
  e.KesshouShinshutsuSuu = 5;
  for (int ichi : {2, 0, 1, 3, -1}) {
    KesshouShinshutsuRec q;
    q.Ichi = ichi;
    q.SankashaIdx = 9;
    e.KesshouShinshutsu.push_back(q);
  }
  p.place();
  EXPECT_EQ(p.winners(), (std::vector<int>{-1, -1, 1, -1, 1, -1, 2, 0}));

  // A later knock-out of the same event starts at its own first draw number.
  p.t.FirstDrawNo = 1;
  p.t.SankaCount = 2;
  p.place();
  EXPECT_EQ(p.winners(), (std::vector<int>{-1, -1, 2, 0}));
}

TEST(PlaceTournamentSankasha, KnockOutWithoutTreeIsLeftAlone) {
  Placed p(1, {0});
  p.place();
  EXPECT_TRUE(p.t.Taisens.empty());
}

TEST(DumpTournament, EightEntrantBlock) {
  Placed p(8, {0, 1, 2, 3, 4, 5, 6, 7});
  p.place();
  p.t.Meishou = " 本戦 ";
  p.t.KetteiJuni = 1;
  p.t.Taisens[4].TaisenKekka = "2-0";
  p.t.Taisens[4].Shousha = 0;
  p.t.Taisens[4].InsatsuZumi = true;
  QStringList lines{"前の行"};
  DumpTournament(p.t, lines);
  const QStringList want{
      "前の行",
      "【トーナメント】",
      "名称,種目コード,参加数,レベル数,シード数,対戦数,試合数,決定順位,ポイント数,対戦ブロック数",
      "本戦,0,8,4,8,15,8,1,21",
      "",
      "No.,対戦コード連番,対戦コードランク,対戦コード試合順,試合順コート割付",
      "0,0,0,0,0",
      "1,0,0,4,0",
      "2,1,7,5,0",
      "3,2,4,6,0",
      "4,3,3,7,0",
      "5,4,2,2,0",
      "6,5,5,3,0",
      "7,6,6,1,0",
      "8,7,1,0,0",
      "",
      "No.,対戦1,対戦2,試合番号,対戦結果,勝者,ランク,表示レベル,表示位置,印刷済み,前回印刷",
      "0,-1,-1,8,,-1,0,4,8.5,False,False",
      "1,2,3,7,,-1,0,3,3.5,False,False",
      "2,4,5,5,,-1,0,2,1.5,False,False",
      "3,6,7,6,,-1,0,2,5.5,False,False",
      "4,8,9,1,2-0,0,0,1,0.5,True,False",
      "5,10,11,2,,-1,0,1,2.5,False,False",
      "6,12,13,3,,-1,0,1,4.5,False,False",
      "7,14,15,4,,-1,0,1,6.5,False,False",
      "8,-1,-1,,,0,1,0,0,False,False",
      "9,-1,-1,,,1,8,0,1,False,False",
      "10,-1,-1,,,2,5,0,2,False,False",
      "11,-1,-1,,,3,4,0,3,False,False",
      "12,-1,-1,,,4,3,0,4,False,False",
      "13,-1,-1,,,5,6,0,5,False,False",
      "14,-1,-1,,,6,7,0,6,False,False",
      "15,-1,-1,,,7,2,0,7,False,False",
  };
  EXPECT_EQ(lines, want);
}

TEST(DumpTournament, KnockOutWithoutTreeHasEmptyTables) {
  TournamentRec t;
  t.Meishou = "決勝";
  t.SankaCount = 1;
  QStringList lines;
  DumpTournament(t, lines);
  EXPECT_EQ(lines, (QStringList{
                       "【トーナメント】",
                       "名称,種目コード,参加数,レベル数,シード数,対戦数,試合数,決定順位,ポイント数,対戦ブロック数",
                       "決勝,0,1,0,0,0,0,0,0",
                       "",
                       "No.,対戦コード連番,対戦コードランク,対戦コード試合順,試合順コート割付",
                       "",
                       "No.,対戦1,対戦2,試合番号,対戦結果,勝者,ランク,表示レベル,表示位置,印刷済み,前回印刷",
                   }));
}
