#pragma once
// The round-robin table of one block of an event's preliminary league.

#include "charts/ChartResult.h"

namespace qv {

struct AreaRect;
struct ChartEnv;

// Prints block blockIndex of the preliminary league of event shumokuIndex into box: a
// header row, a row and a column per slot, the match cells, the won-lost column (league
// detail mode above 0) and the ranks, from the standings the print run computed as it
// began (MakePrintRunStandings). A job must be open on the device. An event or block that
// does not exist prints nothing (Pages 0); a table is one page and starts no sheet.
ChartResult PrintLeague(ChartEnv& env, const AreaRect& box, int shumokuIndex, int blockIndex);

}  // namespace qv
