#pragma once
// The knock-out chart of one event in one region of a layout page: how it is laid out
// (sides, pages, column widths, what match cells show) and whether the full draw or its
// upper rounds are printed.

#include "charts/ChartEnv.h"
#include "charts/TournamentInsatsu.h"
#include "data/InsatsuSeigyoModel.h"

namespace qv {

// Entrants up to which a knock-out always prints on one side.
inline constexpr int kTournamentMinEntries = 3;

// Prints the first knock-out of event shumokuIdx into run.InsatsuArea with the region's
// layout code. jouiMatchCount 1, 3, 7, … 127 asks for the upper draw of 2, 4, 8, … 128
// positions; any other value for the full draw. The caller's column fractions are in force
// again on return; state.TournamentInsatsu.PageCount holds the pages printed.
void PrintTournament(ChartEnv& env, TournamentChartState& state, int shumokuIdx,
                     int jouiMatchCount, const RyouikiRec& ryouiki);

}  // namespace qv
