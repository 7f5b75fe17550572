#pragma once
// Bounded access to the preliminary league for the standings code: results files can
// announce more blocks, slots or matches than they hold.

#include <QString>

#include <algorithm>
#include <cstdint>

#include "data/Model.h"
#include "platform/Blanks.h"

namespace qv::league {

inline ShumokuRec* event(Model& model, int shumokuIndex) {
  auto& t = model.taikai.Taikai;
  const int n = std::min<int>(t.ShumokuCount, static_cast<int>(t.Shumoku.size()));
  if (shumokuIndex < 0 || shumokuIndex >= n) return nullptr;
  return &t.Shumoku[static_cast<size_t>(shumokuIndex)];
}

inline int eventCount(const Model& model) {
  const auto& t = model.taikai.Taikai;
  return std::max(0, std::min<int>(t.ShumokuCount, static_cast<int>(t.Shumoku.size())));
}

inline int blockCount(const LeagueStageRec& stage) {
  return std::max(0, std::min<int>(stage.BlockCount, static_cast<int>(stage.Blocks.size())));
}

inline LeagueBlockRec* block(ShumokuRec& e, int blockIndex) {
  if (blockIndex < 0 || blockIndex >= blockCount(e.YosenLeague)) return nullptr;
  return &e.YosenLeague.Blocks[static_cast<size_t>(blockIndex)];
}

// Slots that have standings: the announced entrants, as far as the records go.
inline int slotCount(const LeagueBlockRec& b) {
  return std::max(0, std::min({b.SankashaSuu, static_cast<int>(b.Juni.size()),
                               static_cast<int>(b.SankashaShiaiSuu.size())}));
}

inline int matchCount(const LeagueBlockRec& b) {
  return std::max(0, std::min<int>(b.TaisenCount, static_cast<int>(b.Taisen.size())));
}

inline int entryCount(const ShumokuRec& e) {
  return std::max(0, std::min<int>(e.SankashaCount, static_cast<int>(e.Sankasha.size())));
}

// a + b held within the 32-bit range: totals add numbers taken from files.
inline int sum(int a, long long b) {
  return static_cast<int>(std::clamp<long long>(a + b, INT32_MIN, INT32_MAX));
}

}  // namespace qv::league
