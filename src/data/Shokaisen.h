#pragma once
// First-round shapes: reading a "初回戦=" value and ordering its seeds.

#include <QString>

#include "data/TournamentModel.h"

namespace qv {

struct TaikaiState;

// Largest shape that is ordered; a larger one is kept but left unusable.
inline constexpr int kMaxShokaisenTotal = 1 << 16;

// Appends the shape of value ("n,a1,…,an") to the shapes and points event shumokuIndex at
// it. Does nothing when there is no such event.
void ReadShokaisen(TaikaiState& taikai, int shumokuIndex, const QString& value);

// Fills Total and Order of the shape from its sizes. A shape with fewer sizes than its
// count, a size outside 1 … 17 or more than kMaxShokaisenTotal positions gets Total 0;
// one whose Total is not a power of two keeps its Total. Both get an empty Order: no
// draw is built from them.
void MakeShokaisenOrder(ShokaisenRec& shape);

}  // namespace qv
