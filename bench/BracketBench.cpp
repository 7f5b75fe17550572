// A two-sided bracket of 128 entrants with every result, 20 pages a job, side by side:
//   Null          the chart and the device, drawing nothing: the program-logic share
//   Recorder      the same into the recorder the tests use
//   Pdf           the same to a PDF file through the Qt surface
//   QtFloor       Qt's PDF writer drawing the page's glyph runs and lines with no program
//                 logic, glyphs placed as the device places them (the floor to beat)
//   QtFloorTransformed  the same with a transform per text, as the device once drew
//   bracket_bench [--benchmark_filter=...]
// items/s are pages per second; the ratios at the end compare cases of this run.

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
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
#include "NullSurface.h"
#include "QtFloor.h"
#include "Ratios.h"

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
  }

  void printPages(int pages) {
    qv::ChartEnv env = program.chartEnv();
    qv::RyouikiRec region;
    region.TournamentKeishiki = 1;  // two sides
    for (int p = 0; p < pages; ++p) {
      if (p > 0) program.device.NewPage();
      qv::PrintTournament(env, program.bracket, qv::AreaRect{15, 195, 20, 285}, 0, 0, region);
    }
    program.device.ClosePrint();
  }
};

constexpr int kPages = 20;

// Built once, before any case runs, so that no case carries its cost.
Tournament& tournament() {
  static Tournament t;
  return t;
}

void setUpWriter(QPdfWriter& writer) {
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

void BM_BracketNull(benchmark::State& state) {
  Tournament& t = tournament();
  bench::NullSurface surface;
  for (auto _ : state) {
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(kPages);
  }
  state.SetItemsProcessed(state.iterations() * kPages);
}

void BM_BracketRecorder(benchmark::State& state) {
  Tournament& t = tournament();
  qv::RecordingSurface surface(600 / 25.4);
  for (auto _ : state) {
    surface.calls.clear();
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(kPages);
  }
  state.SetItemsProcessed(state.iterations() * kPages);
}

void BM_BracketPdf(benchmark::State& state) {
  Tournament& t = tournament();
  const QString pdf = t.folder.filePath(QStringLiteral("bracket.pdf"));
  for (auto _ : state) {
    QPdfWriter writer(pdf);
    setUpWriter(writer);
    platform::QtPrintSurface surface(writer);
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(kPages);
  }
  state.SetItemsProcessed(state.iterations() * kPages);
}

// One page of the bracket as the recorder holds it.
const qv::RecordingSurface& recordedPage() {
  static const qv::RecordingSurface surface = [] {
    Tournament& t = tournament();
    qv::RecordingSurface s(600 / 25.4);
    t.program.device.OpenPrint(s, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(1);
    return s;
  }();
  return surface;
}

// Made before the cases run: the floor is Qt's drawing alone.
const bench::QtFloor& floorOf(bench::QtFloor::Texts texts) {
  static const bench::QtFloor placed(recordedPage().calls, 600 / 25.4, bench::QtFloor::Texts::Placed);
  static const bench::QtFloor transformed(recordedPage().calls, 600 / 25.4,
                                          bench::QtFloor::Texts::Transformed);
  return texts == bench::QtFloor::Texts::Placed ? placed : transformed;
}

void floorPdf(benchmark::State& state, bench::QtFloor::Texts texts, const char* file) {
  const bench::QtFloor& floor = floorOf(texts);
  const QString pdf = tournament().folder.filePath(QString::fromLatin1(file));
  for (auto _ : state) {
    QPdfWriter writer(pdf);
    setUpWriter(writer);
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int p = 0; p < kPages; ++p) {
      if (p > 0) writer.newPage();
      floor.drawPage(painter);
    }
    painter.end();
  }
  state.SetItemsProcessed(state.iterations() * kPages);
}

void BM_QtFloor(benchmark::State& state) {
  floorPdf(state, bench::QtFloor::Texts::Placed, "floor.pdf");
}

void BM_QtFloorTransformed(benchmark::State& state) {
  floorPdf(state, bench::QtFloor::Texts::Transformed, "floor-transformed.pdf");
}

BENCHMARK(BM_BracketNull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BracketRecorder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BracketPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFloorTransformed)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // Everything a case would otherwise make on its first run: the tournament, the floor's
  // glyph runs, and Qt's fonts (one page printed to PDF).
  tournament();
  floorOf(bench::QtFloor::Texts::Placed);
  floorOf(bench::QtFloor::Texts::Transformed);
  {
    QPdfWriter writer(tournament().folder.filePath(QStringLiteral("warm.pdf")));
    setUpWriter(writer);
    platform::QtPrintSurface surface(writer);
    Tournament& t = tournament();
    t.program.device.OpenPrint(surface, t.program.kankyou.InsatsuFont, t.program.programFolder);
    t.printPages(1);
  }
  return bench::runWithRatios(
      argc, argv,
      {{"BM_BracketPdf", "BM_QtFloor", "the device and chart over Qt's floor (goal <= 1.15)"},
       {"BM_BracketPdf", "BM_QtFloorTransformed", "over the floor with a transform per text"},
       {"BM_QtFloorTransformed", "BM_QtFloor", "what a transform per text costs Qt"},
       {"BM_BracketNull", "BM_BracketPdf", "program-logic share of the PDF run"},
       {"BM_BracketRecorder", "BM_BracketPdf", "the recorder against the PDF run"}});
}
