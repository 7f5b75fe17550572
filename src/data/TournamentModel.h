#pragma once
// One knock-out and its match nodes in heap order, and the first-round shapes that may
// replace the standard seed order.
//
// Node numbering: node 1 is the final, the children of node k are 2k and 2k+1, the leaves
// are nodes P … 2P-1 (leaf P+i on first-round position i, top to bottom). Node 0 is not part
// of the tree: it is the third-place match.

#include <QString>

#include <vector>

namespace qv {

// Winner values of a node besides an entrant (or qualifier) index.
inline constexpr int kShoushaNone = -1;
inline constexpr int kShoushaUndecided = 9999;  // a match that no side won

struct TaisenRec {
  int Taisen1 = 0;           // upper child node, -1 none; in node 0 the loser of node 2
  int Taisen2 = 0;           // lower child node, -1 none; in node 0 the loser of node 3
  QString ShiaiBangou;       // match number; "" for leaves and bye nodes
  QString ShiaiBangouHyouji; // match label shown on the draw
  QString TaisenKekka;       // result text (score)
  int Shousha = 0;           // winner: entrant/qualifier index, -1 none, 9999 no side won
  QString ExtraText1;
  QString ExtraText2;        // printed result label (the bracket printer's KekkaHyouji)
  QString ExtraText3;        // its fallback (KekkaHyouji2)
  int ExtraValue1 = 0;
  int Rank = 0;              // seed rank at a real leaf
  int HyoujiLevel = 0;       // 0 real leaf, -1 bye leaf, k levels above the leaves
  float HyoujiIchi = 0.f;    // display row; -1 for a bye leaf
  bool InsatsuZumi = false;  // the results file marks the match printed
  bool ZenkaiInsatsu = false;
  int ExtraValue2 = 0;
  int TimeTableLink = 0;     // -1 once a result line was read for the node
  int TimeTableLink2 = 0;
  int TimeTableLink3 = 0;
};

struct TournamentRec {
  QString Meishou;
  int ShumokuCode = 0;        // index of the owning event
  int SankaCount = 0;         // entrants
  int FirstDrawNo = 0;        // draw number of the first entrant
  int LevelCount = 0;         // levels of the seed order, leaves included
  int SeedCount = 0;          // P, first-round positions
  std::vector<int> RenbanPos; // running number of a real leaf (1-based) -> position
  std::vector<int> RankPos;   // seed rank -> position
  std::vector<int> ShiaiJunNode;  // match number -> node (unused numbers -> node 0)
  std::vector<int> CourtWariate;  // court per match number; never filled
  int TaisenCount = 0;        // last node index, 2P-1
  int ShiaiCount = 0;         // equal to SankaCount
  std::vector<TaisenRec> Taisens;
  int KetteiJuni = 0;         // places to decide
  int PointCount = 0;         // points per game
};

struct LongListRec {
  int Count = 0;
  std::vector<int> Values;
};

// A first-round shape: the positions cut into Count blocks of 2^(a-1) positions each, the
// best Count seeds each at the head of its block.
struct ShokaisenRec {
  int Count = 0;            // blocks
  int Total = 0;            // first-round positions
  QString Key;              // "初回戦" for shapes read from the results file
  std::vector<int> Order;   // seed rank per position; empty when the shape is unusable
  LongListRec Sizes;        // the block sizes a1 … an as read
};

// True when t holds a whole tree built for its current entrant count. A knock-out with
// fewer than two entrants has none and reads as empty and undecided.
bool TournamentHasTree(const TournamentRec& t);

// The node k when it exists, else nullptr.
const TaisenRec* TournamentNode(const TournamentRec& t, int k);
TaisenRec* TournamentNode(TournamentRec& t, int k);

// Winner of node k; -1 when the node does not exist.
int TournamentShousha(const TournamentRec& t, int k);

}  // namespace qv
