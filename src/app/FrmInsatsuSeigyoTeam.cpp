// The team-match commands of the main window: the tie sheets by event and by team, and the
// team-result files handed to the suite's team-detail program.

#include "app/CommandButtons.h"
#include "app/FrmInsatsuSeigyo.h"
#include "app/TeamMeisaiProgram.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "team/TeamResultCsv.h"

namespace qv {

namespace {

bool writeTeamResultFile(platform::MessageSink& messages, const QString& path,
                         const QStringList& lines) {
  QString error;
  if (platform::writeTextLines(path, lines, &error)) return true;
  messages.warn(QStringLiteral("CSVファイルを書き込めません"), path + QStringLiteral("\n") + error);
  return false;
}

}  // namespace

void FrmInsatsuSeigyo::CmdTeamX_Click() {
  const CommandButtonsOff off(*this);
  const TeamResultCsvLines csv = MakeTeamResultCsv(program_, program_.teamOutput);
  const QString folder = program_.taikai.DataFolder;
  const QString& dataFile = program_.taikai.TaikaiFileName;
  const QString detail = folder + TeamResultDetailFileName(dataFile);
  const QString summary = folder + TeamResultSummaryFileName(dataFile);
  // The team-detail program is started only on a complete pair of files.
  if (!writeTeamResultFile(program_.messages, detail, csv.detail)) return;
  if (!writeTeamResultFile(program_.messages, summary, csv.summary)) return;
  StartTeamMeisaiProgram(program_.messages, program_.programFolder, detail);
}

}  // namespace qv
