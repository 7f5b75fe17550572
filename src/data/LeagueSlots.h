#pragma once
// Bounded access to the slots of a preliminary league block for the standings code (the
// other counted lists: data/ModelAccess.h), and totals held within range.

#include <QString>

#include <algorithm>
#include <cstdint>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "platform/Blanks.h"

namespace qv::league {

// Slots that have standings: the announced entrants, as far as the records go.
inline int slotCount(const LeagueBlockRec& b) {
  return std::max(0, std::min({b.SankashaSuu, static_cast<int>(b.Juni.size()),
                               static_cast<int>(b.SankashaShiaiSuu.size())}));
}

// a + b held within the 32-bit range: totals add numbers taken from files.
inline int sum(int a, long long b) {
  return static_cast<int>(std::clamp<long long>(a + b, INT32_MIN, INT32_MAX));
}

}  // namespace qv::league
