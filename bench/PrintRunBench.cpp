// The print run over a layout of 200 pages of a large generated tournament (the 4,000-entry
// tournament of open_tournament_bench: knock-outs of 61 entrants and leagues of sixteen
// blocks of four), side by side:
//   Null      the charts and the device drawing nothing: the program-logic share
//   Recorder  into the recorder the tests use
//   Pdf       to a PDF file through the current printer, as a user's run
//   print_run_bench [--benchmark_filter=...] [--benchmark_min_time=2]
// items/s are sheets per second; the PDF run reports its bytes per sheet. To compare two
// builds, run both binaries side by side (under callgrind where the machine is noisy).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#include "app/CurrentPrinter.h"
#include "app/PrintRun.h"
#include "data/Kankyou.h"
#include "data/ModelAccess.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "print/RecordingSurface.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"
#include "NullSurface.h"
#include "Ratios.h"

namespace {

constexpr int kPages = 200;
const QString kTaikaiFile = QStringLiteral("大規模大会.tai");

class NoMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString&, const QString&, platform::MsgIcon,
                           platform::MsgButtons) override {
    return platform::MsgAnswer::Ok;
  }
};

// The generated tournament, opened, with a layout of kPages pages: a league event's page
// holds its sixteen blocks in a 4 × 4 region, a knock-out event's page its draw on two sides.
struct LargeRun {
  NoMessages messages;
  platform::FixedClock clock{QDateTime(QDate(2026, 6, 14), QTime(9, 0))};
  QTemporaryDir folder;
  std::unique_ptr<qv::Program> program;

  LargeRun() {
    QProcess write;
    write.start(QStringLiteral(OPEN_TOURNAMENT_BENCH), {"--write", folder.path(), "64", "1"});
    if (!write.waitForFinished(120000) || write.exitCode() != 0) qFatal("tournament not generated");
    program = std::make_unique<qv::Program>(messages, clock, folder.path() + "/program/");
    qv::ReadKankyouTeigi(*program);
    program->taikai.DataFolder = folder.path() + "/data/";
    if (qv::OpenTaikai(*program, kTaikaiFile) != qv::OpenTaikaiResult::Opened) qFatal("not opened");

    qv::InsatsuSeigyoRec& layout = program->insatsu.InsatsuSeigyo;
    layout = qv::InsatsuSeigyoRec();
    const int events = qv::eventCount(program->taikai.Taikai);
    for (int i = 0; i < kPages; ++i) {
      const int e = i % events;
      const bool league = qv::eventAt(program->taikai.Taikai, e)->YosenLeagueAri > 0;
      qv::PageRec& page = layout.Pages[static_cast<size_t>(layout.AppendPage())];
      page.Selected = true;
      qv::RyouikiRec r;
      r.X1 = 20;
      r.X2 = 190;
      r.Y1 = 25;
      r.Y2 = 280;
      r.BunkatsuH = league ? 4 : 1;
      r.BunkatsuV = league ? 4 : 1;
      r.TournamentKeishiki = 1;  // 左右
      qv::HaichiRec h;
      h.Kind = league ? QStringLiteral("リーグ") : QStringLiteral("トーナメント");
      h.ShumokuIdx = e;
      r.Haichi.push_back(h);
      r.HaichiCount = 1;
      page.Ryouiki.push_back(r);
      page.RyouikiCount = 1;
    }
  }
};

LargeRun& largeRun() {
  static LargeRun run;
  return run;
}

void BM_PrintRun_Null(benchmark::State& state) {
  qv::Program& p = *largeRun().program;
  long long sheets = 0;
  bench::NullSurface surface;
  for (auto _ : state) {
    p.device.attachSurface(&surface);
    qv::PrintSelected(p);
    p.device.attachSurface(nullptr);
    sheets += p.run.InsatsuPageCount;
  }
  state.SetItemsProcessed(sheets);
}

void BM_PrintRun_Recorder(benchmark::State& state) {
  qv::Program& p = *largeRun().program;
  long long sheets = 0;
  for (auto _ : state) {
    qv::RecordingSurface surface(600 / 25.4);
    p.device.attachSurface(&surface);
    qv::PrintSelected(p);
    p.device.attachSurface(nullptr);
    sheets += p.run.InsatsuPageCount;
    benchmark::DoNotOptimize(surface.calls.size());
  }
  state.SetItemsProcessed(sheets);
}

void BM_PrintRun_Pdf(benchmark::State& state) {
  qv::Program& p = *largeRun().program;
  const QString pdf = largeRun().folder.path() + "/run.pdf";
  qv::CurrentPrinter printer;
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  printer.printer().setOutputFileName(pdf);
  printer.setPaper(QStringLiteral("A4"), QStringLiteral("縦"));
  long long sheets = 0;
  for (auto _ : state) {
    qv::PrintJob job(printer, p.device);
    qv::PrintSelected(p);
    sheets += p.run.InsatsuPageCount;
  }
  state.SetItemsProcessed(sheets);
  state.counters["bytes_per_sheet"] =
      static_cast<double>(QFileInfo(pdf).size()) / std::max(1, p.run.InsatsuPageCount);
  state.counters["sheets"] = p.run.InsatsuPageCount;
}

BENCHMARK(BM_PrintRun_Null)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintRun_Recorder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintRun_Pdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  largeRun();
  return bench::runWithRatios(
      argc, argv,
      {{"BM_PrintRun_Null", "BM_PrintRun_Pdf", "program-logic share of the PDF run"},
       {"BM_PrintRun_Recorder", "BM_PrintRun_Pdf", "the recorder against the PDF run"}});
}
