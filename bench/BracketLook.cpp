// Prints every knock-out of the sample tournament in each layout into one PDF, to look at:
//   bracket_look out.pdf
// Per event: one side, two sides, two pages, four pages, and the upper 8 on two sides.

#include <QDateTime>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <cstdio>

#include "charts/PrintTournament.h"
#include "data/Kankyou.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/QtPrintSurface.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"

namespace {

class QuietMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString& title, const QString& text, platform::MsgIcon,
                           platform::MsgButtons) override {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    return platform::MsgAnswer::Ok;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bracket_look out.pdf\n");
    return 2;
  }
  QuietMessages messages;
  platform::SystemClock clock;
  qv::Program program(messages, clock, QStringLiteral(QUORVANE_SOURCE_DIR "/samples/program/"));
  qv::ReadKankyouTeigi(program);
  program.taikai.DataFolder =
      platform::withTrailingSeparator(QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data"));
  if (qv::OpenTaikai(program, QStringLiteral("青葉市民大会.tai")) == qv::OpenTaikaiResult::NotOpened) {
    std::fprintf(stderr, "the sample tournament did not open\n");
    return 1;
  }

  QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  platform::QtPrintSurface surface(writer);
  program.device.OpenPrint(surface, program.kankyou.InsatsuFont, program.programFolder);
  const qv::AreaRect box{15, 195, 20, 285};

  struct Layout {
    int code;
    int upper;
  } const layouts[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 7}};
  qv::ChartEnv env = program.chartEnv();
  bool first = true;
  int pages = 0;
  const auto& events = program.taikai.Taikai.Shumoku;
  for (size_t e = 0; e < events.size(); ++e) {
    if (events[e].Tournaments.empty() || events[e].Tournaments.front().SankaCount < 2) continue;
    for (const Layout& l : layouts) {
      if (!first) program.device.NewPage();
      first = false;
      qv::RyouikiRec region;
      region.TournamentKeishiki = l.code;
      program.bracket.NameColumnRatio = 0.2f;
      program.bracket.ShozokuColumnRatio = 0.3f;
      pages += qv::PrintTournament(env, program.bracket, box, static_cast<int>(e), l.upper, region)
                   .Pages;
    }
  }
  program.device.ClosePrint();
  std::printf("%d pages\n", pages);
  return 0;
}
