#pragma once
// The knock-out chart of one event in one region of a layout page: how it is laid out
// (sides, pages, column widths, what match cells show) and whether the full draw or its
// upper rounds are printed.

#include "charts/ChartEnv.h"
#include "charts/ChartResult.h"
#include "charts/TournamentInsatsu.h"
#include "data/InsatsuSeigyoModel.h"

namespace qv {

// Entrants up to which a knock-out always prints on one side.
inline constexpr int kTournamentMinEntries = 3;

// Prints the first knock-out of event shumokuIdx into box with the region's layout code.
// jouiMatchCount 1, 3, 7, … 127 asks for the upper draw of 2, 4, 8, … 128 positions; any
// other value for the full draw. Returns the pages printed (0 for an event without a
// knock-out) and, under the option word "Dumpトーナメント", the draw's dump lines;
// sheetStarted is called as each further page's sheet begins. The caller's column
// fractions are in force again on return.
ChartResult PrintTournament(ChartEnv& env, TournamentChartState& state, const AreaRect& box,
                            int shumokuIdx, int jouiMatchCount, const RyouikiRec& ryouiki,
                            const SheetStarted& sheetStarted = {});

}  // namespace qv
