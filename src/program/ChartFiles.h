#pragma once
// Writing the files that charts hand back to the print run.

#include <vector>

#include "charts/ChartResult.h"

namespace qv {

struct Model;

// Replaces each file of the data folder with its lines (CP932, CR LF). A file that cannot
// be written is reported with its path and left as it was; false when any of them failed.
bool WriteChartFiles(Model& model, const std::vector<ChartFile>& files);

}  // namespace qv
