#pragma once
// First-round shapes: reading a "初回戦=" value and ordering its seeds.

#include <QString>

#include <cstdint>

#include "data/ReadLimits.h"
#include "data/TournamentModel.h"

namespace qv {

struct TaikaiState;

// Largest shape that is ordered: the largest draw that prints.
inline constexpr int kMaxShokaisenTotal = kMaxTournamentEntrants;

// The shape of value ("n,a1,…,an"), ordered by MakeShokaisenOrder.
ShokaisenRec ParseShokaisen(const QString& value);
// The positions the shape's sizes ask for, however many (the sizes below 1 count none).
std::int64_t ShokaisenPositions(const ShokaisenRec& shape);
// Appends the shape to the shapes and points event shumokuIndex at it. Does nothing when
// there is no such event.
void AddShokaisen(TaikaiState& taikai, int shumokuIndex, ShokaisenRec shape);
// Both of the above.
void ReadShokaisen(TaikaiState& taikai, int shumokuIndex, const QString& value);

// Fills Total and Order of the shape from its sizes. A shape with fewer sizes than its
// count, a size outside 1 … 11 or more than kMaxShokaisenTotal positions gets Total 0;
// one whose Total is not a power of two keeps its Total. Both get an empty Order: no
// draw is built from them.
void MakeShokaisenOrder(ShokaisenRec& shape);

}  // namespace qv
