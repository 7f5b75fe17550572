// The main window's two print commands over the layout: 印刷実行 and 自動印刷.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/CurrentPrinter.h"
#include "app/FrmInsatsuSeigyo.h"
#include "app/FrmPrinter.h"
#include "app/PrintRun.h"
#include "platform/Width.h"
#include "program/Program.h"

namespace qv {

void FrmInsatsuSeigyo::setPrintCommandsEnabled(bool enabled) {
  for (QPushButton* b : {CmdTeam, CmdTeamX, CmdTeamE})
    b->setEnabled(enabled && HasTeamEvents);
  for (QPushButton* b : {CmdAuto, CmdLayout, CmdInsatsu, CmdReturn, CmdDelete})
    b->setEnabled(enabled);
}

void FrmInsatsuSeigyo::runPrintJob(const std::function<void(const SheetProgress&)>& print) {
  FraWait->setVisible(true);
  const SheetProgress progress = [this](int sheetNo) {
    LblStatus->setText(platform::toFullWidth(QString::number(sheetNo)) +
                       QStringLiteral("ページ目を出力しています"));
    // Painted at once: the run holds the window's thread until it ends.
    LblStatus->repaint();
  };
  try {
    PrintJob job(printer(), program_.device);
    print(progress);
  } catch (const PrintJobError& e) {
    program_.messages.warn(QStringLiteral("組み合わせ印刷"), e.message());
  }
  FraWait->setVisible(false);
}

void FrmInsatsuSeigyo::CmdInsatsu_Click() {
  PrintRunState& run = program_.run;
  // The knock-out pages read the switch through its copy for the run; the switch itself
  // is off while the run goes and back as the check box shows it afterwards.
  const bool kanaKanji = run.KanaKanji;
  run.KanaKanjiPrint = kanaKanji;
  run.KanaKanji = false;
  setPrintCommandsEnabled(false);
  ShowPrinterForm(run, printer(), env_.execDialog);
  if (!run.PrinterCancel) {
    // The layout's own paper, so that an A3, B4 or B5 layout is not clipped to A4.
    const InsatsuSeigyoRec& layout = program_.insatsu.InsatsuSeigyo;
    printer().setPaper(layout.PaperName, layout.PaperOrientation, layout.PaperWidth,
                       layout.PaperHeight);
    runPrintJob([this](const SheetProgress& progress) { PrintSelected(program_, progress); });
  }
  run.KanaKanji = kanaKanji;
  setPrintCommandsEnabled(true);
}

void FrmInsatsuSeigyo::CmdAuto_Click() {
  setPrintCommandsEnabled(false);
  program_.run.PrinterOrientation = 1;
  ShowPrinterForm(program_.run, printer(), env_.execDialog);
  if (!program_.run.PrinterCancel) {
    printer().setPaper(QStringLiteral("A4"), QString());
    runPrintJob([this](const SheetProgress& progress) { PrintAutoLayout(program_, progress); });
  }
  setPrintCommandsEnabled(true);
}

}  // namespace qv
