#include "program/OpenTaikai.h"

#include "data/InsatsuSeigyo.h"
#include "data/InsatsuUnits.h"
#include "data/KekkaFile.h"
#include "data/Model.h"
#include "data/Nittei.h"
#include "data/TaikaiFile.h"

namespace qv {

OpenTaikaiResult OpenTaikai(Model& model, const QString& fileName) {
  if (!ReadTaikaiFile(model, fileName)) return OpenTaikaiResult::NotOpened;
  ResetInsatsuSeigyoForTournament(model);
  const bool hasEvents = model.taikai.Taikai.ShumokuCount >= 1;
  if (hasEvents) ReadKekkaFile(model);
  MakeInsatsuUnitList(model);
  // The schedule is read once here; the charts only look groups up in it.
  if (!model.taikai.NitteiFileName.isEmpty()) ReadNitteiFile(model);
  return hasEvents ? OpenTaikaiResult::Opened : OpenTaikaiResult::NoEvents;
}

}  // namespace qv
