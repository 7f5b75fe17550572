// Prints the sample tournament's participant roster to a PDF file, to look at:
//   roster_look out.pdf
// First the roster in a whole A4 page, then in the region that the sample layout gives it
// (a short band, so the roster continues over many sheets). The three roster files are
// copied beside the PDF.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

#include "charts/SankashaMeibo.h"
#include "data/Kankyou.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/QtPrintSurface.h"
#include "program/ChartFiles.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"

namespace {

class PrintedMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString& title, const QString& text, platform::MsgIcon,
                           platform::MsgButtons) override {
    std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    return platform::MsgAnswer::Ok;
  }
};

const QStringList kRosterFiles = {QStringLiteral("参加者名簿.csv"),
                                  QStringLiteral("所属団体別参加数.csv"),
                                  QStringLiteral("参加者一覧.csv")};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: roster_look out.pdf\n");
    return 2;
  }
  const QString source = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/");
  QTemporaryDir data;
  const QDir from(source + "data");
  for (const QString& name : from.entryList(QDir::Files)) {
    platform::copyFile(from.filePath(name), platform::joinPath(data.path(), name));
  }

  PrintedMessages messages;
  platform::SystemClock clock;
  qv::Program program(messages, clock, source + "program/");
  qv::ReadKankyouTeigi(program);
  program.taikai.DataFolder = platform::withTrailingSeparator(data.path());
  if (qv::OpenTaikai(program, QStringLiteral("青葉市民大会.tai")) != qv::OpenTaikaiResult::Opened) {
    return 1;
  }

  const QString pdf = QString::fromLocal8Bit(argv[1]);
  QPdfWriter writer(pdf);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  platform::QtPrintSurface surface(writer);
  program.device.OpenPrint(surface, program.kankyou.InsatsuFont, program.programFolder);
  // Each roster writes its files as the print run does.
  auto roster = [&program](const qv::AreaRect& box) {
    const qv::ChartResult printed = qv::PrintSankashaMeibo(program.chartEnv(), box);
    qv::WriteChartFiles(program, printed.Files);
    return printed.Pages;
  };
  int sheets = roster(qv::AreaRect{20, 190, 15, 282});
  program.device.NewPage();
  sheets += roster(qv::AreaRect{20, 207, 190, 225});
  program.device.ClosePrint();
  std::printf("%d sheets\n", sheets);

  const QString beside = QFileInfo(pdf).absolutePath();
  for (const QString& name : kRosterFiles) {
    platform::copyFile(platform::joinPath(data.path(), name), platform::joinPath(beside, name));
  }
  return 0;
}
