#pragma once
// The program-wide state: the tournament model, and above it the one print device and the
// print switches of the main window. Windows and print runs hold this object; a reader takes
// the Model part, a chart the ChartEnv.

#include <QString>

#include "charts/ChartEnv.h"
#include "charts/ChartUtil.h"
#include "charts/TournamentInsatsu.h"
#include "data/Model.h"
#include "print/PrintDevice.h"
#include "print/PrintRunState.h"
#include "print/PrinterFonts.h"
#include "team/TeamMeisaiLayout.h"
#include "team/TeamMeisaiLayout.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

struct Program : Model {
  Program(platform::MessageSink& messageSink, const platform::Clock& clockSource,
          QString programFolderPath)
      : Model(messageSink, clockSource, std::move(programFolderPath)) {
    getPrinterFonts = [](BunshouState& fonts) { GetPrinterFonts(fonts); };
  }

  PrintDevice device;  // the one print device
  PrintRunState run;   // print switches and the state of the running print
  LabelSheetState labelSheets;  // the label-sheet table, filled at start-up
  TeamOutputState teamOutput;  // the tie and sub-match being printed, the tie-sheet grid slot
  TeamMeisaiLayout teamMeisaiLayout;  // tie-sheet box and grid set in their layout window
  TournamentChartState bracket;  // knock-out print settings, geometry and upper-round copy

  ChartEnv chartEnv() { return ChartEnv{*this, device, run, teamOutput, *spreadsheet}; }
};

}  // namespace qv
