// The team-match commands of the main window: the tie sheets by event and by team, and the
// team-result files handed to the suite's team-detail program.

#include "app/CurrentPrinter.h"
#include "app/FrmInsatsuSeigyo.h"
#include "app/FrmPrinter.h"
#include "app/TeamMeisaiProgram.h"
#include "app/TeamSheetCommands.h"
#include "layout/FrmTeamMeisaiLayout.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "team/TeamResultCsv.h"

namespace qv {

namespace {

// The program's own title, over the end message of the tie-sheet commands.
const QString kTitle = QStringLiteral("Quorvane");

bool writeTeamResultFile(platform::MessageSink& messages, const QString& path,
                         const QStringList& lines) {
  QString error;
  if (platform::writeTextLines(path, lines, &error)) return true;
  messages.warn(QStringLiteral("CSVファイルを書き込めません"), path + QStringLiteral("\n") + error);
  return false;
}

}  // namespace

void FrmInsatsuSeigyo::CmdTeam_Click() { runTeamSheets(false); }

void FrmInsatsuSeigyo::CmdTeamE_Click() { runTeamSheets(true); }

void FrmInsatsuSeigyo::runTeamSheets(bool byTeam) {
  // The user sets the box, grid and event flags first; confirmed or not, the run goes on
  // with what the window left.
  ShowTeamLayoutForm(program_, this, env_.execTeamLayout);
  TeamMeisaiLayout& layout = program_.teamMeisaiLayout;
  if (layout.TeamMeisaiCols == 0) SetTeamMeisaiDefaults(layout);
  TieSheetRun sheets{0, layout};
  setPrintCommandsEnabled(false);
  PrintRunState& run = program_.run;
  run.PrinterOrientation = TeamSheetOrientation(sheets.layout);
  ShowPrinterForm(run, printer(), env_.execDialog);
  if (!run.PrinterCancel) {
    printer().setPaper(QStringLiteral("A4"), QString());
    runPrintJob([&](const SheetProgress&) {
      const TeamSheetPrinters printers = TieSheetPrinters(program_);
      const bool done = byTeam ? PrintTeamSheetsByTeamName(program_, printers, sheets)
                               : PrintTeamSheetsByEvent(program_, printers, sheets);
      // No page begun: the job was never opened.
      if (sheets.pageCount == 0) return;
      program_.device.ClosePrint();
      if (!done) return;  // the printer that stopped the run has said why
      program_.messages.info(kTitle, QStringLiteral("団体戦の対戦結果を ") +
                                         QString::number(sheets.pageCount) +
                                         (byTeam ? QStringLiteral(" 頁印刷しました")
                                                 : QStringLiteral(" 頁印刷しました。")));
    });
  }
  setPrintCommandsEnabled(true);
}

void FrmInsatsuSeigyo::CmdTeamX_Click() {
  setPrintCommandsEnabled(false);
  const TeamResultCsvLines csv = MakeTeamResultCsv(program_, program_.teamOutput);
  const QString folder = program_.taikai.DataFolder;
  const QString& dataFile = program_.taikai.TaikaiFileName;
  const QString detail = folder + TeamResultDetailFileName(dataFile);
  const QString summary = folder + TeamResultSummaryFileName(dataFile);
  // The team-detail program is started only on a complete pair of files.
  if (writeTeamResultFile(program_.messages, detail, csv.detail) &&
      writeTeamResultFile(program_.messages, summary, csv.summary)) {
    StartTeamMeisaiProgram(program_.messages, program_.programFolder, detail);
  }
  setPrintCommandsEnabled(true);
}

}  // namespace qv
