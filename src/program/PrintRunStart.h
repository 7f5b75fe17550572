#pragma once
// What every print run reads and computes once as it begins, so that the charts only read
// the model: the league standings, the draw lots under the option word "抽選", and the
// player-name dictionary for bilingual draws (Nikokugo) or, with kanaKanji, the run's
// replaced names.

namespace qv {

struct Model;

void PreparePrintRun(Model& model, bool kanaKanji);

}  // namespace qv
