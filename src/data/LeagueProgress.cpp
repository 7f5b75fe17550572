#include <vector>

#include "data/Fields.h"
#include "data/LeagueResults.h"
#include "data/LeagueSlots.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "platform/Numbers.h"

namespace qv {

namespace {

// Matches each entrant of the block has to play: a block lists every pairing, and a
// pairing labelled 0 (or not numbered) is no match.
int matchesToPlay(const LeagueBlockRec& blk) {
  int unplayable = 0;
  const int matches = matchCount(blk);
  for (int t = 0; t < matches; ++t)
    if (ValOrDefault(blk.Taisen.at(t).ShiaiBangouHyouji, 0) == 0) ++unplayable;
  const int each = platform::roundHalfEven(2.0 * unplayable / blk.SankashaSuu);
  return blk.SankashaSuu - 1 - each;
}

// qualifiers: the indexes of the event's qualifiers that name this block, ascending.
void fillQualifiers(ShumokuRec& ev, int blockIndex, const std::vector<int>& qualifiers) {
  const LeagueBlockRec& blk = ev.YosenLeague.Blocks.at(blockIndex);
  if (blk.SankashaSuu <= 0) return;
  const int toPlay = matchesToPlay(blk);
  const int slotTotal = std::min({blk.SankashaSuu, static_cast<int>(blk.Sankasha.size()),
                              static_cast<int>(blk.SankashaIchi.size())});
  const int entries = entryCount(ev);
  for (int q : qualifiers) {
    KesshouShinshutsuRec& k = ev.KesshouShinshutsu.at(q);
    for (int m = 0; m < slotTotal; ++m) {
      const int entry = blk.Sankasha.at(m);
      if (entry < 0 || entry >= entries) continue;
      if (!blk.Dummy) {
        // Standings not computed yet count as no match played.
        const bool hasJuni = m < static_cast<int>(blk.Juni.size());
        const float played = hasJuni ? blk.Juni.at(m).Kachi +
                                           blk.Juni.at(m).Make
                                     : 0.0f;
        if (played != static_cast<float>(toPlay)) continue;
      }
      if (blk.SankashaIchi.at(m) != k.Juni) continue;
      const SankashaRec& s = ev.Sankasha.at(entry);
      k.SankashaIdx = entry;
      k.Hyouji = s.Name;
      k.SankashaText = s.GroupName;
      break;
    }
  }
}

}  // namespace

void CountLeagueProgress(Model& model, int shumokuIndex, int blockIndex) {
  const int events = eventCount(model.taikai.Taikai);
  for (int e = 0; e < events; ++e) {
    if (shumokuIndex >= 0 && e != shumokuIndex) continue;
    ShumokuRec& ev = model.taikai.Taikai.Shumoku.at(e);
    if (ev.TournamentCount <= 0) continue;
    const int blocks = blockCount(ev.YosenLeague);
    // The qualifiers sorted by their block once, not scanned again for every block.
    std::vector<std::vector<int>> byBlock(countSize(blocks));
    const int qualifiers = std::max(
        0, std::min<int>(ev.KesshouShinshutsuSuu, static_cast<int>(ev.KesshouShinshutsu.size())));
    for (int q = 0; q < qualifiers; ++q) {
      const long long b = ev.KesshouShinshutsu.at(q).BlockNo - 1LL;
      if (b >= 0 && b < blocks) byBlock.at(b).push_back(q);
    }
    for (int b = 0; b < blocks; ++b) {
      if (blockIndex >= 0 && b != blockIndex) continue;
      fillQualifiers(ev, b, byBlock.at(b));
    }
  }
}

}  // namespace qv
