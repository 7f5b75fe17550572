#pragma once
// The list of a tournament's printable units: each event's league stages and knock-outs,
// each with a caption.

#include <QString>

#include <vector>

namespace qv {

struct Model;

struct InsatsuUnitRec {
  QString Label;            // the event's name and the unit's suffix
  int ShumokuIndex = 0;     // index of the event in Taikai.Shumoku
  QString Kind;             // "予選リーグ", "決勝リーグ" or "決勝トーナメント"
  int TournamentIndex = 0;  // the knock-out of the event; 0 for a league unit
};

struct InsatsuUnitState {
  int InsatsuUnitCount = 0;
  std::vector<InsatsuUnitRec> InsatsuUnits;  // InsatsuUnitCount units; one blank when none
};

// Replaces the list with the units of the open tournament, event by event: the
// preliminary league, the final league, then every knock-out.
void MakeInsatsuUnitList(Model& model);

}  // namespace qv
