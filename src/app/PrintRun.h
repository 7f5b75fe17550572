#pragma once
// The two print runs of the main window over an attached print job: the selected pages
// of the layout, and the automatic layout of every league table and draw.

#include <functional>

#include "charts/ChartEnv.h"
#include "charts/League.h"
#include "charts/PrintTournament.h"
#include "charts/SankashaMeibo.h"
#include "charts/TournamentPages.h"

namespace qv {

struct Program;

// The chart printers the runs hand their charts to; tests put recorders in their place.
struct LayoutCharts {
  std::function<ChartResult(ChartEnv&, const AreaRect& box, int shumokuIdx, int blockIndex)>
      league = PrintLeague;
  std::function<ChartResult(ChartEnv&, TournamentChartState&, const AreaRect& box,
                            int shumokuIdx, int number, const RyouikiRec& region,
                            const SheetStarted&)>
      tournament = PrintTournament;
  std::function<ChartResult(ChartEnv&, TournamentChartState&, const TournamentRec&,
                            int teamStage, const SheetStarted&)>
      tournamentPages = PrintTournamentPages;
  std::function<ChartResult(ChartEnv, const AreaRect& box, const SheetStarted&)> roster =
      PrintSankashaMeibo;
};

// Called as each sheet of a run begins, with its 1-based number within the run.
using SheetProgress = std::function<void(int sheetNo)>;

// Prints every selected layout page (the charts laid into the cells of each region, the
// page phrases on every sheet), then reports the sheets printed. The caller has attached
// the job's surface (PrintJob); a job that cannot be opened throws PrintJobError before
// anything is printed.
void PrintSelected(Program& program, const SheetProgress& progress = {},
                   const LayoutCharts& charts = {});

// Prints every league block and draw of every event down A4 portrait sheets, several to
// a sheet, without the layout; then reports the sheets printed.
void PrintAutoLayout(Program& program, const SheetProgress& progress = {},
                     const LayoutCharts& charts = {});

// The end of a run: the sheet count ("３頁印刷しました") or that nothing was printed.
void ReportPrintedSheets(Program& program, int sheets);

}  // namespace qv
