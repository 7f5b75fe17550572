// The print device against plain QPainter drawing on the same kind of PDF writer: the same
// bracket-like page of about 200 texts and 200 lines, N pages per PDF file.
//   PrintDevice      the device on the Qt surface, to PDF
//   PrintDeviceNull  the device's own work: a surface that draws nothing
//   DirectQPainter   a QFont per size and drawText per text, a pen per line, to PDF
//   print_device_bench [--benchmark_filter=...]
// All are measured in one run, side by side; the ratios at the end compare them.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "BracketPage.h"
#include "platform/FaceSubstitution.h"
#include "platform/QtPrintSurface.h"
#include "print/PrintDevice.h"
#include "NullSurface.h"
#include "Ratios.h"

namespace {

constexpr int kResolution = 600;

void setUpWriter(QPdfWriter& writer) {
  writer.setResolution(kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

QString outputPath(const char* name) {
  static QTemporaryDir dir;
  return dir.filePath(QString::fromLatin1(name));
}

void drawWithDevice(qv::PrintSurface& surface, const bench::BracketPage& page, int pages) {
  qv::PrintDevice device;
  device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), QDir::tempPath() + "/");
  device.SetDrawWidth(0.2);
  for (int p = 0; p < pages; ++p) {
    if (p > 0) device.NewPage();
    for (const auto& t : page.texts) device.PrintStr(t.x, t.y, t.height, t.width, t.pitch, t.x2, t.text);
    for (const QLineF& l : page.lines) device.OutputLine(l.x1(), l.y1(), l.x2(), l.y2());
  }
  device.ClosePrint();
}

void BM_PrintDeviceNull(benchmark::State& state) {
  const bench::BracketPage page = bench::makeBracketPage();
  const int pages = static_cast<int>(state.range(0));
  bench::NullSurface surface(kResolution / 25.4);
  for (auto _ : state) drawWithDevice(surface, page, pages);
  state.SetItemsProcessed(state.iterations() * pages);
}

void BM_PrintDevice(benchmark::State& state) {
  const bench::BracketPage page = bench::makeBracketPage();
  const int pages = static_cast<int>(state.range(0));
  const QString pdf = outputPath("device.pdf");
  for (auto _ : state) {
    QPdfWriter writer(pdf);
    setUpWriter(writer);
    platform::QtPrintSurface surface(writer);
    drawWithDevice(surface, page, pages);
  }
  state.SetItemsProcessed(state.iterations() * pages);
}

void BM_DirectQPainter(benchmark::State& state) {
  const bench::BracketPage page = bench::makeBracketPage();
  const int pages = static_cast<int>(state.range(0));
  const QString pdf = outputPath("direct.pdf");
  const double ppm = kResolution / 25.4;
  for (auto _ : state) {
    QPdfWriter writer(pdf);
    setUpWriter(writer);
    QPainter painter(&writer);
    QFont font(QStringLiteral("IPAMincho"));
    painter.setPen(QPen(Qt::black, 0.2 * ppm));
    for (int p = 0; p < pages; ++p) {
      if (p > 0) writer.newPage();
      for (const auto& t : page.texts) {
        font.setPixelSize(qRound(t.height * ppm));
        painter.setFont(font);
        painter.drawText(QPointF(t.x * ppm, (t.y + t.height * 0.88) * ppm), t.text);
      }
      for (const QLineF& l : page.lines)
        painter.drawLine(QPointF(l.x1() * ppm, l.y1() * ppm), QPointF(l.x2() * ppm, l.y2() * ppm));
    }
    painter.end();
  }
  state.SetItemsProcessed(state.iterations() * pages);
}

BENCHMARK(BM_PrintDeviceNull)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintDevice)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DirectQPainter)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  platform::installFaceSubstitutions();
  // Qt's font look-ups and caches made before any case runs, so that none pays for them.
  {
    const bench::BracketPage page = bench::makeBracketPage();
    QPdfWriter writer(outputPath("warm.pdf"));
    setUpWriter(writer);
    platform::QtPrintSurface surface(writer);
    drawWithDevice(surface, page, 1);
  }
  return bench::runWithRatios(
      argc, argv,
      {{"BM_PrintDevice/10", "BM_DirectQPainter/10", "the device over plain QPainter (goal <= 0.80)"},
       {"BM_PrintDevice/1", "BM_DirectQPainter/1", "the same, one page a file"},
       {"BM_PrintDeviceNull/10", "BM_PrintDevice/10", "the device's own share of its PDF run"}});
}
