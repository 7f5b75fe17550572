#pragma once
// Printing one knock-out over its pages: the page loop, which cuts the draw into page sides
// along the standard seed order and prints each page's title, and the bracket page drawer
// that it calls once per page.

#include <QString>

#include <vector>

#include "charts/ChartEnv.h"
#include "charts/ChartResult.h"
#include "charts/TournamentInsatsu.h"

namespace qv {

// Rows shown on a page side; kNoSide in both ends means the page has no right side.
inline constexpr float kNoSide = 9999.f;

// What one page shows: the rows of each side and the caption of the playoff block.
struct TournamentPageRec {
  float LeftFrom = 0;
  float LeftTo = 0;
  float RightFrom = kNoSide;
  float RightTo = kNoSide;
  QString Caption;
};

// The page count asked for, halved (at most four times) while a page would hold fewer
// than four entrants; at least 1.
int ReduceTournamentPageCount(int pageCount, int sankaCount);

// The pages of a knock-out on pageCount pages (already reduced), one side or two: each
// page side takes the next block of the standard seed order of 128.
std::vector<TournamentPageRec> TournamentPageCuts(const TournamentRec& t, bool twoSided,
                                                  int pageCount, const QString& finalCaption);

// Prints the knock-out with the settings of state.TournamentInsatsu (filled by the caller)
// on PageCount pages, reduced so that every page side holds at least two entrants, and
// returns the pages printed; PageCount is left at that count for the page drawer.
// Each page after the first goes on a sheet of its own: sheetStarted is called as it
// begins while the device outputs. teamStage is handed to the page drawer.
ChartResult PrintTournamentPages(ChartEnv& env, TournamentChartState& state,
                                 const TournamentRec& tournament, int teamStage,
                                 const SheetStarted& sheetStarted = {});

// One page of the bracket: the rows leftFrom … leftTo on the left side and rightFrom …
// rightTo on the right side (kNoSide: none), with caption over the playoff block under it
// (empty: no block).
void DrawTournamentPage(ChartEnv& env, const TournamentChartState& state,
                        const TournamentRec& tournament, float leftFrom, float leftTo,
                        float rightFrom, float rightTo, const QString& caption, int teamStage);

}  // namespace qv
