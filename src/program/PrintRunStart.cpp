#include "program/PrintRunStart.h"

#include "data/Cyusen.h"
#include "data/LeagueResults.h"
#include "data/Model.h"
#include "data/SenshuJisho.h"
#include "data/Taikai.h"

namespace qv {

void PreparePrintRun(Model& model, bool kanaKanji) {
  MakePrintRunStandings(model);
  // The draws print the ballot texts of their leaves from the draw-lots file.
  if (IsTaikaiOption(model.taikai.sw, QStringLiteral("抽選"))) ReadCyusenFileIfEmpty(model);
  if (model.taikai.sw.Nikokugo || kanaKanji) ReadSenshuJisho(model);
}

}  // namespace qv
