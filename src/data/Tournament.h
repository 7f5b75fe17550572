#pragma once
// Building an empty knock-out tree: its size, the seed order of the first round, the
// leaves, byes, display rows and levels, and the match numbers.

#include <vector>

#include "data/ReadLimits.h"
#include "data/TournamentModel.h"

namespace qv {

struct TaikaiState;

// Largest draw that is built (the largest that prints); beyond it a knock-out stays
// without a tree.
inline constexpr int kMaxTournamentSankaCount = kMaxTournamentEntrants;

// 2P - 1 for the smallest power of two P >= n (P = 1 for n <= 1).
int GetTournamentNodeCount(int n);

struct TournamentSeedOrder {
  std::vector<int> Order;  // position 0 … SeedCount (last element unused, 0) -> seed rank
  int SeedCount = 1;       // P
  int LevelCount = 1;      // log2 P + 1
};

// Seed ranks on the first-round positions for n entrants: the standard order, or the
// shape's order when a usable shape is given.
TournamentSeedOrder MakeTournamentSeedOrder(int n, const ShokaisenRec* shape = nullptr);

// The first-round shape of event e when it can carry a draw of n entrants (its positions
// a power of two, at least n, each rank once); nullptr otherwise, so the standard order
// is used.
const ShokaisenRec* UsableShokaisen(const TaikaiState& taikai, int shumokuIndex, int n);

// Builds t's tree anew from its ShumokuCode and SankaCount; results and entrants of an
// earlier build are lost. Does nothing when SankaCount < 2 (or beyond the largest draw).
void MakeTournament(const TaikaiState& taikai, TournamentRec& t);

}  // namespace qv
