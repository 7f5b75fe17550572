#pragma once
// What a chart is given: the model it reads, the device it draws on, the print switches
// of the run, the team-match output state (the tie being printed) and the spreadsheet the
// draws are copied into. A chart takes this (or the parts of it that it needs), never the
// program; its box comes as an argument and what it printed goes back in a ChartResult.

#include "data/Model.h"
#include "data/Spreadsheet.h"
#include "print/PrintDevice.h"
#include "print/PrintRunState.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

struct ChartEnv {
  const Model& model;
  PrintDevice& device;
  const PrintRunState& run;
  TeamOutputState& teamOutput;
  Spreadsheet& spreadsheet;
};

}  // namespace qv
