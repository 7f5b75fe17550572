#pragma once
// What every print run reads and computes once as it begins, so that the charts only read
// the model: the league standings, and the draw lots under the option word "抽選".

namespace qv {

struct Model;

void PreparePrintRun(Model& model);

}  // namespace qv
