#pragma once
// What a chart is given: the model it reads, the device it draws on, the print switches
// of the run and the team-match output state (the tie being printed). A chart takes this (or the parts of it that it needs), never the program.

#include "data/Model.h"
#include "print/PrintDevice.h"
#include "print/PrintRunState.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

struct ChartEnv {
  Model& model;
  PrintDevice& device;
  PrintRunState& run;
  TeamOutputState& teamOutput;
};

}  // namespace qv
