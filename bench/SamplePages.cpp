// Prints the sample tournament through the main window to PDF files, one per command, in the
// order given, all in one program run:
//   sample_pages OUTDIR layout|auto|team|teamE ...
// layout = 印刷実行 over every layout page, auto = 自動印刷, team = 団体戦明細印刷 (the
// tie-sheet layout window left with キャンセル), teamE = 団体別. Files are OUTDIR/N-command.pdf.
// Comparing a command printed after others with the same command printed alone shows whether
// a run depends on the run before it; scripts/compare-pages compares two folders of PDFs.

#include <QApplication>
#include <QDir>

#include <cstdio>

#include "StartupFixture.h"
#include "support/SampleStartup.h"
#include "support/ScriptedPrinterSetup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: sample_pages OUTDIR layout|auto|team|teamE ...\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(out);
  qv::test::StartupFixture f;
  qv::test::ScriptedPrinterSetup& setup = qv::test::StartSampleForPrinting(f);
  for (int i = 2; i < argc; ++i) {
    const QString cmd = QString::fromLocal8Bit(argv[i]);
    const QString pdf = QStringLiteral("%1/%2-%3.pdf").arg(out).arg(i - 1).arg(cmd);
    setup.accept(pdf);
    if (!qv::test::ClickPrintCommand(f, cmd)) {
      std::fprintf(stderr, "unknown command %s\n", argv[i]);
      return 2;
    }
    const auto& shown = f.tp.messages.shown;
    std::printf("%s: %s\n", qPrintable(pdf), shown.empty() ? "" : qPrintable(shown.back().text));
  }
  return 0;
}
