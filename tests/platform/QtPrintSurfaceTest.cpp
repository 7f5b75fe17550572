// The print device on a PDF file: what is printed can be read back.

#include <gtest/gtest.h>

#include <QFile>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/PrintFonts.h"
#include "platform/QtPrintSurface.h"
#include "print/PrintDevice.h"
#include "support/PdfStreams.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

QString runTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// One job of the device on a surface of the paint device, in the fonts given (none: the
// surface's own).
void PrintOneJob(TestProgram& t, QPagedPaintDevice& paper, platform::PrintFonts* fonts,
                 const std::function<void(PrintDevice&)>& draw) {
  platform::QtPrintSurface surface(paper, fonts);
  PrintDevice& device = t.program.device;
  device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder());
  draw(device);
  device.ClosePrint();
  device.attachSurface(nullptr);
}

// Prints two pages to a PDF at 600 dpi, A4, no margins; the second page is empty.
class QtPrintSurfacePdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "poppler-utils not installed";
    pdf = t.folder() + "out.pdf";
  }
  void print(const std::function<void(PrintDevice&)>& draw) {
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    platform::QtPrintSurface surface(writer);
    PrintDevice& device = t.program.device;
    device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder());
    draw(device);
    device.ClosePrint();
  }

  TestProgram t;
  QString pdf;
};

TEST_F(QtPrintSurfacePdf, TextReadsBackAndEveryPageIsEmitted) {
  print([](PrintDevice& d) {
    d.PrintStr(20, 20, 5, 5, 5, 0, QStringLiteral("県選手権大会"));
    d.FontBold = 900;
    d.SetFontName(QStringLiteral("ＭＳ ゴシック"));
    d.PrintStr(20, 40, 4, 4, 4, 120, QStringLiteral("山田太郎（東京）"));
    d.OutputLine(20, 50, 120, 50);
    d.NewPage();
  });
  const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("県選手権大会"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("山田太郎（東京）"))) << text.toStdString();
  const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b")))) << info.toStdString();
  const QString fonts = runTool(QStringLiteral("pdffonts"), {pdf});
  EXPECT_TRUE(fonts.contains(QStringLiteral("IPAMincho"))) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains(QStringLiteral("IPAGothic"))) << fonts.toStdString();
}

TEST_F(QtPrintSurfacePdf, CharactersSitInTheirCells) {
  // 10 mm characters at a 12 mm pitch from (20, 30): each glyph's box starts in its cell.
  print([](PrintDevice& d) { d.PrintStr(20, 30, 10, 10, 12, 0, QStringLiteral("日本一")); });
  const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  // pdftotext gives one word for the run; its box spans the three cells in points.
  const QRegularExpression word(QStringLiteral(
      "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">日本一<"));
  const auto m = word.match(html);
  ASSERT_TRUE(m.hasMatch()) << html.toStdString();
  const double ptPerMm = 72 / 25.4;
  EXPECT_NEAR(m.captured(1).toDouble() / ptPerMm, 20, 0.5);
  EXPECT_NEAR(m.captured(3).toDouble() / ptPerMm, 20 + 2 * 12 + 10, 0.5);
  EXPECT_NEAR(m.captured(2).toDouble() / ptPerMm, 30, 1.5);
}

TEST_F(QtPrintSurfacePdf, NarrowCellsSqueezeTheGlyphsIntoThem) {
  // 10 mm tall characters in 6 mm cells: the run ends with its last cell, not 4 mm later.
  print([](PrintDevice& d) { d.PrintStr(20, 30, 10, 6, 6, 0, QStringLiteral("日本一")); });
  const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">日本一<"));
  const auto m = word.match(html);
  ASSERT_TRUE(m.hasMatch()) << html.toStdString();
  const double ptPerMm = 72 / 25.4;
  EXPECT_NEAR(m.captured(1).toDouble() / ptPerMm, 20, 0.5);
  EXPECT_NEAR(m.captured(2).toDouble() / ptPerMm, 20 + 3 * 6, 0.5);
}

TEST_F(QtPrintSurfacePdf, EachTextPrintsAtItsOwnHeightAndStretch) {
  // Heights and cell widths in millimetres; at 600 dpi 25.4 mm is 600 pixels. Texts that
  // share a stretch at other heights, and a height at other stretches, in both orders.
  struct Case {
    double height, charWidth;  // mm
    double size, stretch;      // as the page writes them: pixels, and the cell's scale
  };
  const Case cases[] = {
      {25.4, 12.7, 600, 0.5}, {12.7, 6.35, 300, 0.5}, {25.4, 25.4, 600, 1},
      {12.7, 12.7, 300, 1},   {25.4, 19.05, 600, 0.75}, {25.4, 12.7, 600, 0.5},
  };
  print([&](PrintDevice& d) {
    double y = 10;
    for (const Case& c : cases) {
      d.PrintStr(20, y, c.height, c.charWidth, c.charWidth, 0, QStringLiteral("日本"));
      y += 30;
    }
  });
  const std::vector<QByteArray> streams = InflatedPdfStreams(pdf);
  ASSERT_FALSE(streams.empty());
  const QRegularExpression tf(QStringLiteral("/F\\d+ ([\\d.]+) Tf ([\\d.]+) 0 0 -1 0 0 Tm"));
  std::vector<std::pair<double, double>> got, want;
  for (auto it = tf.globalMatch(QString::fromLatin1(streams.front())); it.hasNext();) {
    const auto m = it.next();
    got.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
  }
  for (const Case& c : cases) want.emplace_back(c.size, c.stretch);
  EXPECT_EQ(got, want);
}

// A whole string (textOut) prints as Qt's own drawText in the same font would print it:
// the same glyphs at the same places, stretched or not, whichever way the surface draws it.
TEST_F(QtPrintSurfacePdf, WholeStringsPrintAsQtLaysThemOut) {
  struct Case {
    const char16_t* face;
    int heightPx, halfWidthPx;
    const char16_t* text;
  };
  const Case cases[] = {
      {u"ＭＳ 明朝", 236, 118, u"外字の部品"},      {u"ＭＳ 明朝", 236, 70, u"全角ＡＢ１２と半角AB12"},
      {u"ＭＳ ゴシック", 189, 94, u"(1)-[2],3.5%"}, {u"ＭＳ 明朝", 300, 0, u"office affix"},
      {u"ＭＳ ゴシック", 189, 60, u"Ｘ𠮷Ｙ"},
  };
  // Each glyph with its place on the page in pixels: Qt may split a string into runs by
  // script, each its own text object, which changes nothing on paper.
  auto placedGlyphs = [](const QString& file) {
    std::vector<std::tuple<QByteArray, double, double>> placed;
    double stretch = 1, x = 0, y = 0;
    const QRegularExpression tm(QStringLiteral("Tf ([\\d.]+) 0 0 -1 0 0 Tm"));
    const QRegularExpression td(QStringLiteral("^(-?[\\d.]+) (-?[\\d.]+) Td <([0-9A-F]+)> Tj$"));
    for (const QByteArray& s : InflatedPdfStreams(file)) {
      for (const QByteArray& line : s.split('\n')) {
        if (const auto m = tm.match(QString::fromLatin1(line)); m.hasMatch()) {
          stretch = m.captured(1).toDouble();
          x = y = 0;
        } else if (const auto g = td.match(QString::fromLatin1(line)); g.hasMatch()) {
          x += g.captured(1).toDouble();
          y += g.captured(2).toDouble();
          // Rounded to a hundredth of a pixel: the page writes nine decimals.
          placed.emplace_back(g.captured(3).toLatin1(), std::round(x * stretch * 100) / 100,
                              std::round(y * 100) / 100);
        }
      }
    }
    return placed;
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    const qv::PrintFont font{QString::fromUtf16(c.face), c.heightPx, c.halfWidthPx, 400};
    const QPoint at(500, 700);
    auto writer = [](const QString& file) {
      auto w = std::make_unique<QPdfWriter>(file);
      w->setResolution(600);
      w->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
      return w;
    };
    {
      auto w = writer(t.folder() + "surface.pdf");
      platform::QtPrintSurface surface(*w);
      surface.textOut(at, font, text);
      surface.endDocument();
    }
    {
      // What the surface drew through Qt before it placed the glyphs itself.
      platform::PrintFonts fonts;
      const platform::PrintFonts::Entry& e = fonts.entry(font);
      auto w = writer(t.folder() + "qt.pdf");
      QPainter p(w.get());
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(Qt::black);
      p.setFont(e.font);
      p.drawText(QPointF(at.x(), at.y() + e.ascent), text);
    }
    const auto got = placedGlyphs(t.folder() + "surface.pdf");
    EXPECT_FALSE(got.empty()) << text.toStdString();
    EXPECT_EQ(got, placedGlyphs(t.folder() + "qt.pdf")) << text.toStdString();
  }
}

TEST_F(QtPrintSurfacePdf, LinesKeepTheWidthTheyWereDrawnWith) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    GTEST_SKIP() << "pdftoppm not installed";
  // A thick line, then a thin width set before the next drawing call, a text, and a thin
  // line: each prints in its own width.
  print([](PrintDevice& d) {
    d.SetDrawWidth(2);
    d.OutputLine(20, 50, 120, 50);
    d.SetDrawWidth(0.1);
    d.PrintStr(20, 100, 5, 5, 5, 0, QStringLiteral("山"));
    d.OutputLine(20, 70, 120, 70);
  });
  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"),
                                            QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                                            pdf, t.folder() + "page"});
  ASSERT_TRUE(render.waitForFinished(30000));
  QFile f(t.folder() + "page.pgm");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray data = f.readAll();
  const QList<QByteArray> head = data.left(64).split('\n');
  ASSERT_GE(head.size(), 3);
  const QList<QByteArray> size = head[1].split(' ');
  const int w = size[0].toInt();
  const int h = size[1].toInt();
  const QByteArray pixels = data.right(qsizetype(w) * h);
  // Dark pixels down the column at x 70 mm, between y 40 and 80 mm.
  auto darkRows = [&](double fromMm, double toMm) {
    int n = 0;
    const int x = static_cast<int>(70 / 25.4 * 100);
    for (int y = static_cast<int>(fromMm / 25.4 * 100); y < toMm / 25.4 * 100; ++y)
      n += static_cast<unsigned char>(pixels[qsizetype(y) * w + x]) < 128;
    return n;
  };
  EXPECT_GE(darkRows(40, 60), 7);  // 2 mm at 100 dpi is about 8 pixels
  EXPECT_LE(darkRows(60, 80), 1);
}

TEST_F(QtPrintSurfacePdf, FacesTheMachineLacksPrintInIpaGothicWithinTheirCells) {
  // 10 mm characters at pitch 10: "WAM" takes three half-width cells, 15 mm from x 20.
  print([](PrintDevice& d) {
    double y = 20;
    for (const char16_t* face : {u"メイリオ", u"Arial", u"ＭＳ UI Gothic"}) {
      d.SetFontName(QString::fromUtf16(face));
      d.PrintStr(20, y, 10, 10, 10, 0, QStringLiteral("WAM"));
      y += 20;
    }
  });
  const QString fonts = runTool(QStringLiteral("pdffonts"), {pdf});
  EXPECT_TRUE(fonts.contains(QStringLiteral("IPAGothic"))) << fonts.toStdString();
  EXPECT_FALSE(fonts.contains(QStringLiteral("DejaVu"))) << fonts.toStdString();
  const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">WAM<"));
  const double ptPerMm = 72 / 25.4;
  int words = 0;
  for (auto it = word.globalMatch(html); it.hasNext(); ++words) {
    const auto m = it.next();
    EXPECT_NEAR(m.captured(1).toDouble() / ptPerMm, 20, 0.5);
    EXPECT_LE(m.captured(2).toDouble() / ptPerMm, 35.2);
  }
  EXPECT_EQ(words, 3) << html.toStdString();
}

// The fonts are kept from job to job: a job prints the same after other jobs in other
// sizes and cell widths as with fonts of its own.
TEST(QtPrintSurfaceJobs, FontsKeptFromEarlierJobsPrintTheSame) {
  TestProgram t;
  const auto job = [&t](const QString& file, platform::PrintFonts* fonts,
                        const std::function<void(PrintDevice&)>& draw) {
    QPdfWriter writer(t.folder() + file);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    PrintOneJob(t, writer, fonts, draw);
  };
  // The same cell widths at other heights, the same heights at other widths, another face.
  // At 600 dpi 25.4 mm is 600 pixels: 12.7 mm characters in 6.35 mm cells and 25.4 mm ones
  // in 12.7 mm cells share their stretch.
  const auto earlier = [](PrintDevice& d) {
    d.PrintStr(20, 20, 12.7, 6.35, 6.35, 0, QStringLiteral("一般男子"));
    d.PrintStr(20, 40, 5, 5, 5, 0, QStringLiteral("Ａブロック"));
    d.SetFontName(QStringLiteral("ＭＳ ゴシック"));
    d.PrintStr(20, 60, 6.35, 6.35, 6.35, 0, QStringLiteral("県選手権"));
  };
  const auto later = [](PrintDevice& d) {
    d.PrintStr(20, 20, 25.4, 12.7, 12.7, 0, QStringLiteral("一般男子"));
    d.PrintStr(20, 60, 8, 5, 5, 0, QStringLiteral("山田太郎（東京）"));
    d.SetFontName(QStringLiteral("ＭＳ ゴシック"));
    d.PrintStr(20, 80, 12.7, 12.7, 12.7, 0, QStringLiteral("Ａブロック"));
  };
  platform::PrintFonts kept;
  job("first.pdf", &kept, earlier);
  job("second.pdf", &kept, later);
  job("own.pdf", nullptr, later);
  EXPECT_TRUE(SamePdfStreams(t.folder() + "own.pdf", t.folder() + "second.pdf"));
}

// The printer and its paint engine live as long as the program; the painter of each job
// does not. A job drawn after another must come out as on a printer that never printed.
TEST(QtPrintSurfaceJobs, JobAfterAnotherPrintsAsOnANewPrinter) {
  TestProgram t;
  const auto job = [&t](QPrinter& printer, const QString& file,
                        const std::function<void(PrintDevice&)>& draw) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(t.folder() + file);
    PrintOneJob(t, printer, nullptr, draw);
  };
  // Ends on a text, drawn through its cell's transform, after a solid box.
  const auto earlier = [](PrintDevice& d) {
    d.OutputLine(20, 20, 120, 20);
    d.SetFill(Rgb(200, 200, 200), 0);
    d.OutputRect(30, 200, 90, 260, true);
    d.PrintStr(40, 250, 6, 5, 6, 0, QStringLiteral("一般男子団体"));
  };
  // Begins with lines, a box without fill, then text.
  const auto later = [](PrintDevice& d) {
    d.OutputRect(20, 20, 190, 70, false);
    d.OutputLine(20, 40, 190, 40);
    d.SetFill(Rgb(0, 0, 0), FillTransparent);
    d.OutputRect(30, 80, 100, 120, true);
    d.PrintStr(25, 25, 5, 5, 5, 0, QStringLiteral("Ａブロック"));
  };
  QPrinter used(QPrinter::HighResolution);
  used.setFullPage(true);
  job(used, "first.pdf", earlier);
  job(used, "second.pdf", later);
  QPrinter fresh(QPrinter::HighResolution);
  fresh.setFullPage(true);
  job(fresh, "fresh.pdf", later);

  EXPECT_TRUE(SamePdfStreams(t.folder() + "fresh.pdf", t.folder() + "second.pdf"));
}

}  // namespace
}  // namespace qv::test
