#include <vector>

#include "data/LeagueResults.h"
#include "data/LeagueSlots.h"
#include "data/Model.h"
#include "data/ModelAccess.h"

namespace qv {

namespace {

// The slot a draw position falls on; block -1 when no slot lies there.
struct SlotRef {
  int block = -1;
  int slot = -1;
};

void linkEvent(ShumokuRec& ev) {
  // Draw positions run over the blocks' slots in order; a map that starts empty keeps an
  // unmapped position from landing on the first block's first slot.
  const int blocks = blockCount(ev.YosenLeague);
  // Positions past the last slot that has a record can link nothing, so the map stops
  // there whatever size the file announces.
  long long lastLinkable = 0;
  long long p = 0;
  for (int b = 0; b < blocks; ++b) {
    const LeagueBlockRec& blk = ev.YosenLeague.Blocks.at(b);
    const int slotTotal = std::max(0, blk.SankashaSuu);
    lastLinkable = std::max(lastLinkable, p + std::min<long long>(slotTotal, blk.Sankasha.size()));
    p += slotTotal;
  }
  const long long mapSize = std::clamp(
      static_cast<long long>(ev.KumiawaseSuu) + ev.KesshouShinshutsuSuu, 0LL, lastLinkable);
  std::vector<SlotRef> slotMap(countSize(mapSize));
  p = 0;
  for (int b = 0; b < blocks; ++b) {
    LeagueBlockRec& blk = ev.YosenLeague.Blocks.at(b);
    const int slotTotal = std::max(0, blk.SankashaSuu);
    for (int s = 0; s < std::min<int>(slotTotal, static_cast<int>(blk.Sankasha.size())); ++s)
      blk.Sankasha.at(s) = -1;
    for (int s = 0; s < slotTotal && p + s < mapSize; ++s)
      slotMap.at(p + s) = {b, s};
    p += slotTotal;
  }

  const int entries = entryCount(ev);
  for (int j = 0; j < entries; ++j) {
    const int d = ev.Sankasha.at(j).Bangou;
    if (d < 0 || d >= ev.KumiawaseSuu || d >= mapSize) continue;
    const SlotRef ref = slotMap.at(d);
    if (ref.block < 0) continue;
    auto& occupants = ev.YosenLeague.Blocks.at(ref.block).Sankasha;
    if (ref.slot < static_cast<int>(occupants.size())) occupants.at(ref.slot) = j;
  }
}

}  // namespace

void MakeLeagueTables(Model& model, int shumokuIndex) {
  const int events = eventCount(model.taikai.Taikai);
  for (int e = 0; e < events; ++e) {
    if (shumokuIndex >= 0 && e != shumokuIndex) continue;
    ShumokuRec& ev = model.taikai.Taikai.Shumoku.at(e);
    if (ev.YosenLeagueAri > 0) linkEvent(ev);
  }
}

}  // namespace qv
