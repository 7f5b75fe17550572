// A two-sided bracket of 128 entrants with every result, printed N times: to the recorder
// (the chart's own work and the device) and to a PDF file, side by side.
//   bracket_bench [--benchmark_filter=...]
// items/s are pages per second.

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <memory>

#include "charts/PrintTournament.h"
#include "data/Tournament.h"
#include "data/TournamentPlacement.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/QtPrintSurface.h"
#include "print/RecordingSurface.h"
#include "program/Program.h"

namespace {

constexpr int kEntrants = 128;

class NoMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString&, const QString&, platform::MsgIcon,
                           platform::MsgButtons) override {
    return platform::MsgAnswer::Ok;
  }
};

struct Tournament {
  NoMessages messages;
  platform::FixedClock clock{QDateTime(QDate(2026, 6, 14), QTime(9, 0))};
  QTemporaryDir folder;
  qv::Program program{messages, clock, folder.path() + "/"};

  Tournament() {
    static const char16_t* kFamily[] = {u"佐藤", u"鈴木", u"高橋", u"田中", u"伊藤", u"渡辺",
                                        u"山本", u"中村", u"小林", u"加藤", u"吉田", u"山田"};
    static const char16_t* kGiven[] = {u"健太", u"翔", u"大輔", u"拓也", u"健一", u"亮", u"誠"};
    static const char16_t* kClub[] = {u"青葉クラブ", u"若草ＢＣ", u"緑川シャトル会", u"東町クラブ",
                                      u"桜台ＳＣ", u"青葉北高校"};
    qv::ShumokuRec e;
    e.Name = QStringLiteral("一般男子シングルス");
    e.Ryakugou = QStringLiteral("MS");
    e.Seibetsu = QStringLiteral("男子");
    e.Shubetsu = QStringLiteral("単");
    for (int i = 0; i < kEntrants; ++i) {
      qv::SankashaRec s;
      s.Name = QString::fromUtf16(kFamily[i % 12]) + QStringLiteral("　") +
               QString::fromUtf16(kGiven[(i / 12 + i) % 7]) + QStringLiteral(",") +
               QString::fromUtf16(kClub[i % 6]);
      s.Bangou = i;
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = kEntrants;
    e.KumiawaseSuu = kEntrants;
    e.MaxLen1 = 5;
    e.MaxLen2 = 7;
    qv::TournamentRec t;
    t.SankaCount = kEntrants;
    t.KetteiJuni = 0;
    e.Tournaments.push_back(t);
    e.TournamentCount = 1;
    auto& events = program.taikai.Taikai.Shumoku;
    events.push_back(e);
    program.taikai.Taikai.ShumokuCount = 1;
    qv::TournamentRec& tr = events.front().Tournaments.front();
    qv::MakeTournament(program.taikai, tr);
    qv::PlaceTournamentSankasha(events.front(), tr);
    // Every match played: the upper side wins, every third match in three games.
    for (int k = tr.TaisenCount; k >= 1; --k) {
      qv::TaisenRec& n = tr.Taisens[static_cast<size_t>(k)];
      if (n.Taisen1 < 0 || n.Taisen2 < 0) continue;
      n.Shousha = tr.Taisens[static_cast<size_t>(n.Taisen1)].Shousha;
      n.TaisenKekka = k % 3 == 0 ? QStringLiteral("2:1:21-17:19-21:21-15::")
                                 : QStringLiteral("2:0:21-12:21-18:::");
    }
    qv::TaisenRec& third = tr.Taisens[0];
    third.Shousha = tr.Taisens[5].Shousha;
    third.TaisenKekka = QStringLiteral("2:0:21-11:21-13:::");
    program.run.InsatsuArea = qv::AreaRect{15, 195, 20, 285};
  }

  void printPages(int pages) {
    qv::ChartEnv env = program.chartEnv();
    qv::RyouikiRec region;
    region.TournamentKeishiki = 1;  // two sides
    for (int p = 0; p < pages; ++p) {
      if (p > 0) program.device.NewPage();
      qv::PrintTournament(env, program.bracket, 0, 0, region);
    }
    program.device.ClosePrint();
  }
};

void BM_BracketRecorder(benchmark::State& state) {
  Tournament t;
  const int pages = static_cast<int>(state.range(0));
  qv::RecordingSurface surface(600 / 25.4);
  for (auto _ : state) {
    surface.calls.clear();
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(pages);
  }
  state.SetItemsProcessed(state.iterations() * pages);
}

void BM_BracketPdf(benchmark::State& state) {
  Tournament t;
  const int pages = static_cast<int>(state.range(0));
  const QString pdf = t.folder.filePath(QStringLiteral("bracket.pdf"));
  for (auto _ : state) {
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    platform::QtPrintSurface surface(writer);
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(pages);
  }
  state.SetItemsProcessed(state.iterations() * pages);
}

BENCHMARK(BM_BracketRecorder)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BracketPdf)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
