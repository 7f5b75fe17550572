#include "app/TaikaiOpening.h"

#include "data/Dates.h"
#include "data/InsatsuSeigyo.h"
#include "data/InsatsuUnits.h"
#include "data/KekkaFile.h"
#include "data/TaikaiFile.h"
#include "data/TextVars.h"
#include "program/Program.h"

namespace qv {

void OpenTaikai(Program& program, const QString& fileName) {
  if (!ReadTaikaiFile(program, fileName)) return;
  ResetInsatsuSeigyoForTournament(program);
  const TaikaiRec& t = program.taikai.Taikai;
  if (t.ShumokuCount < 1) return;
  ReadKekkaFile(program);
  MakeInsatsuUnitList(program);
  const QString wareki = ToWarekiDate(t.KaisaiBi, program.clock);
  SetTextVar(program.textVars, QStringLiteral("大会名"), t.Name);
  SetTextVar(program.textVars, QStringLiteral("開催日"), wareki);
  SetTextVar(program.textVars, QStringLiteral("会場名"), t.Kaijou);
  SetTextVar(program.textVars, QStringLiteral("開催日会場名"), wareki + QStringLiteral("　") + t.Kaijou);
  program.kekka.ShumokuIndex = 0;
}

}  // namespace qv
