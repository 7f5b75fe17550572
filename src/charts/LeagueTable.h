#pragma once
// What the parts of one league table share while it prints: the event and block, the
// option words read at its start, the grid, and where the schedule texts come from.

#include <QString>

#include "charts/LeagueGeometry.h"
#include "data/SankashaRef.h"

namespace qv {

struct ChartEnv;
struct ShumokuRec;
struct LeagueBlockRec;

struct LeagueOptions {
  bool kachiagariJuni = false;   // 勝上り順位表示: unresolved references as rank texts
  bool shouShiaiBangou = false;  // 小試合番号: smaller match numbers
  bool shozokuKaigyou = false;   // リーグ戦所属改行: affiliation under the name
  bool tashumoku = false;        // 多種目参加者: colour players of other events
  bool team = false;             // (TEAM): team affiliations from their brackets
  bool ryakugou = false;         // 略号: abbreviation after the event name
  bool jitsugyoudanTT = false;   // 実業団TT: no schedule texts in unplayed cells
};

// Where unplayed cells take their texts: a schedule group, or match numbers.
inline constexpr int kNoSchedule = -1;
inline constexpr int kTimeTableSchedule = -9999;

struct LeagueTable {
  ChartEnv& env;
  const ShumokuRec& ev;
  const LeagueBlockRec& block;
  int shumokuIndex = 0;
  int blockIndex = 0;
  LeagueOptions opt{};
  LeagueGeometry g{};
  bool shozoku = false;  // affiliations are printed
  bool team = false;     // the event is a team event
  int schedule = kNoSchedule;
  // Matches each slot plays: one against every other slot that holds an entry.
  int matchesToPlay = 0;
  // The entry references of this table resolve for its own event and slots only.
  SankashaRefContext refs{shumokuIndex, -1, QString()};

  // The entry of slot i, or -1 for a vacant slot (also one past the block's lists or the
  // event's entries).
  int member(int i) const;
  // True when slot i has played every match of the block.
  bool complete(int i) const;
};

// The frame, the grid's fixed lines, the diagonal, the header cell and the rank header.
void PrintLeagueFrame(LeagueTable& t);
// Names and affiliations of slot i in its row and its column header.
void PrintLeagueSlot(LeagueTable& t, int i);
// The rank and the won-lost totals of slot i; showRanks: the block is complete, limit: the
// matches every slot plays (999 while the block is not complete).
void PrintLeagueRank(LeagueTable& t, int i, bool showRanks, int limit);
// The cells of row i against every later slot, and their mirrors.
void PrintLeagueCells(LeagueTable& t, int i);

}  // namespace qv
