#pragma once
// What a chart is given: the model it reads, the device it draws on and the print switches
// of the run. A chart takes this (or the parts of it that it needs), never the program.

#include "data/Model.h"
#include "print/PrintDevice.h"
#include "print/PrintRunState.h"

namespace qv {

struct ChartEnv {
  Model& model;
  PrintDevice& device;
  PrintRunState& run;
};

}  // namespace qv
