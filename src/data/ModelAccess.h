#pragma once
// Bounded access to the counted lists of the model. Files announce counts (ShumokuCount,
// BlockCount, TaisenCount, …) that the lists beside them need not reach; readers and charts
// go through these, which respect both the count and the list's size and give nullptr (or
// a count of 0) instead of reading out of range. Knock-out tree nodes: TournamentNode.

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

#include "data/LeagueModel.h"
#include "data/TaikaiModel.h"
#include "data/TeamModel.h"

namespace qv {

// Whether index names an element of items.
template <typename List>
bool hasIndex(const List& items, long long index) {
  return index >= 0 && std::cmp_less(index, items.size());
}

// items[index], or nullptr when index is outside the list.
template <typename List>
auto listAt(List& items, long long index) -> decltype(&items[0]) {
  return hasIndex(items, index) ? &items.at(index) : nullptr;
}

// Sizes of lists made from a count: count elements, or count + 1 for a list numbered from 1
// (element 0 unused). A negative count makes an empty list.
inline std::size_t countSize(long long count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }
inline std::size_t oneBasedSize(long long count) { return countSize(count) + 1; }

// The usable length of a counted list: the count held within 0 and the list's size.
template <typename List>
int usableCount(int count, const List& items) {
  return std::clamp(count, 0, static_cast<int>(std::min<std::size_t>(items.size(), INT_MAX)));
}

// items[index] when the index is below usableCount(count, items), nullptr otherwise.
template <typename List>
auto itemAt(int count, List& items, long long index) -> decltype(&items[0]) {
  if (index < 0 || index >= usableCount(count, items)) return nullptr;
  return &items.at(index);
}

// Events of the tournament.
inline int eventCount(const TaikaiRec& t) { return usableCount(t.ShumokuCount, t.Shumoku); }
inline ShumokuRec* eventAt(TaikaiRec& t, long long i) { return itemAt(t.ShumokuCount, t.Shumoku, i); }
inline const ShumokuRec* eventAt(const TaikaiRec& t, long long i) {
  return itemAt(t.ShumokuCount, t.Shumoku, i);
}

// Entries and qualifiers of an event.
inline int entryCount(const ShumokuRec& e) { return usableCount(e.SankashaCount, e.Sankasha); }
inline SankashaRec* entryAt(ShumokuRec& e, long long i) {
  return itemAt(e.SankashaCount, e.Sankasha, i);
}
inline const SankashaRec* entryAt(const ShumokuRec& e, long long i) {
  return itemAt(e.SankashaCount, e.Sankasha, i);
}
inline const KesshouShinshutsuRec* qualifierAt(const ShumokuRec& e, long long i) {
  return itemAt(e.KesshouShinshutsuSuu, e.KesshouShinshutsu, i);
}

// Blocks of a league stage and the matches of a block.
inline int blockCount(const LeagueStageRec& s) { return usableCount(s.BlockCount, s.Blocks); }
inline LeagueBlockRec* blockAt(LeagueStageRec& s, long long i) {
  return itemAt(s.BlockCount, s.Blocks, i);
}
inline const LeagueBlockRec* blockAt(const LeagueStageRec& s, long long i) {
  return itemAt(s.BlockCount, s.Blocks, i);
}
inline int matchCount(const LeagueBlockRec& b) { return usableCount(b.TaisenCount, b.Taisen); }
inline const LeagueTaisenRec* matchAt(const LeagueBlockRec& b, long long i) {
  return itemAt(b.TaisenCount, b.Taisen, i);
}

// Team events, their blocks and the ties of a block.
inline int teamEventCount(const TeamState& t) {
  return usableCount(t.TeamShumokuCount, t.TeamShumokus);
}
inline TeamShumokuRec* teamEventAt(TeamState& t, long long i) {
  return itemAt(t.TeamShumokuCount, t.TeamShumokus, i);
}
inline const TeamShumokuRec* teamEventAt(const TeamState& t, long long i) {
  return itemAt(t.TeamShumokuCount, t.TeamShumokus, i);
}
inline int kouseiCount(const TeamShumokuRec& e) { return usableCount(e.KouseiCount, e.Kousei); }
inline int teamBlockCount(const TeamShumokuRec& e) { return usableCount(e.BlockCount, e.Blocks); }
inline const TeamBlockRec* teamBlockAt(const TeamShumokuRec& e, long long i) {
  return itemAt(e.BlockCount, e.Blocks, i);
}
inline int tieCount(const TeamBlockRec& b) { return usableCount(b.TaisenCount, b.Taisens); }

}  // namespace qv
