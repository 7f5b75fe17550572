// Prints a specimen page of the print device to a PDF file, to look at:
//   print_specimen out.pdf
// Texts fitted in boxes by each rule (the boxes drawn in grey), right-aligned and centred
// texts, an external character, weights and colours, lines, boxes, a picture, and page
// phrase texts in the faces the data names that this machine lacks.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

#include "platform/QtPrintSurface.h"
#include "platform/TextFile.h"
#include "print/PrintDevice.h"

namespace {

void grey(qv::PrintDevice& d) { d.SetColor(160, 160, 160); }
void black(qv::PrintDevice& d) { d.SetColor(0, 0, 0); }

// The text in its box [x, x2] with the box drawn round the character cells.
void boxed(qv::PrintDevice& d, double x, double y, double h, double cw, double pitch, double x2,
           const QString& text, const QString& note) {
  if (x2 > 0) {
    grey(d);
    d.SetDrawWidth(0.1);
    d.OutputRect(x < 0 ? -x : x, y, x2, y + h, false);
  }
  black(d);
  d.PrintStr(x, y, h, cw, pitch, x2, text);
  d.PrintStr(160, y + h - 3, 2.5, 2.5, 2.5, 0, note);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: print_specimen out.pdf\n");
    return 2;
  }
  QTemporaryDir folder;
  // An external character: 〓 drawn as イ and ロ side by side, each half the cell wide.
  platform::writeTextLines(folder.filePath(QStringLiteral("外字定義.txt")),
                           {QStringLiteral("〓,2,0,0,50,100,イ,50,0,50,100,ロ")});
  const QString picture = folder.filePath(QStringLiteral("picture.png"));
  {
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 400, 200);
    g.setColorAt(0, QColor(30, 80, 200));
    g.setColorAt(1, QColor(250, 200, 40));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(Qt::white, 8));
    p.drawEllipse(QRect(150, 50, 100, 100));
    p.end();
    image.save(picture);
  }

  QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  platform::QtPrintSurface surface(writer);
  qv::PrintDevice d;
  d.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), folder.path() + "/");

  d.PrintStr(20, 10, 8, 8, 8, 0, QStringLiteral("印刷見本"));

  double y = 25;
  const double step = 9;
  boxed(d, 20, y, 5, 5, 5, 0, QStringLiteral("箱なし　ピッチ５"), QStringLiteral("no box"));
  boxed(d, 20, y += step, 5, 5, 5, 60, QStringLiteral("王"), QStringLiteral("box, 1 char centred"));
  boxed(d, 20, y += step, 5, 5, 0, 120, QStringLiteral("東京都千代田区"), QStringLiteral("box, spread"));
  boxed(d, 20, y += step, 5, 5, 0, 60, QStringLiteral("北海道札幌市中央区大通西"), QStringLiteral("box, shrunk"));
  boxed(d, 20, y += step, 5, 5, 5, 140, QStringLiteral("上限ピッチ"), QStringLiteral("box, pitch cap 5"));
  boxed(d, -20, y += step, 5, 5, 5, 140, QStringLiteral("右寄せテキスト"), QStringLiteral("right-aligned"));
  boxed(d, -20, y += step, 5, 5, 5, 60, QStringLiteral("左端を越えない右寄せ"), QStringLiteral("right, left limit"));
  boxed(d, 20, y += step, 5, 5, 5, 0, QStringLiteral("ABCあいう123ｱｲｳ"), QStringLiteral("half-width"));
  boxed(d, 20, y += step, 5, 5, 5, 0, QStringLiteral("山田　太郎 (ABC)"), QStringLiteral("blanks"));
  boxed(d, 20, y += step, 5, 3, 4, 0, QStringLiteral("細い文字幅３ピッチ４"), QStringLiteral("width 3, pitch 4"));

  // Centred on a mark.
  y += step;
  grey(d);
  d.OutputLine(80, y - 1, 80, y + 6);
  black(d);
  d.PrintStrCenter(80, y, 5, 5, 5, QStringLiteral("中央寄せ"));
  d.PrintStr(160, y + 2, 2.5, 2.5, 2.5, 0, QStringLiteral("centred on 80"));

  y += step;
  d.PrintStr(20, y, 6, 6, 6, 0, QStringLiteral("外字〓入り"));
  d.PrintStr(160, y + 3, 2.5, 2.5, 2.5, 0, QStringLiteral("external char"));

  y += step;
  d.FontBold = 900;
  d.SetFontName(QStringLiteral("ＭＳ ゴシック"));
  d.PrintStr(20, y, 5, 5, 5, 0, QStringLiteral("太字ゴシック"));
  d.FontBold = 0;
  d.PrintStr(60, y, 5, 5, 5, 0, QStringLiteral("標準ゴシック"));
  d.SetFontName(QStringLiteral("ＭＳ 明朝"));
  d.SetColor(255, 0, 0);
  d.PrintStr(100, y, 5, 5, 5, 0, QStringLiteral("S赤"));
  d.SetColor(0, 0, 128);
  d.PrintStr(115, y, 5, 5, 5, 0, QStringLiteral("D紺"));
  d.SetColor(0, 128, 0);
  d.PrintStr(130, y, 5, 5, 5, 0, QStringLiteral("X緑"));
  black(d);

  // Lines of several widths and colours.
  y += step + 2;
  const struct {
    double width;
    int r, g, b;
  } lines[] = {{0.1, 0, 0, 0}, {0.3, 255, 0, 0}, {0.6, 0, 0, 128}, {1.0, 0, 128, 0}, {0.01, 0, 0, 0}};
  for (const auto& l : lines) {
    d.SetColor(l.r, l.g, l.b);
    d.SetDrawWidth(l.width);
    d.OutputLine(20, y, 120, y);
    black(d);
    d.PrintStr(125, y - 1.25, 2.5, 2.5, 2.5, 0, QString::number(l.width) + QStringLiteral(" mm"));
    y += 4;
  }

  // Boxes and a picture fitted into a square box.
  y += 2;
  d.SetDrawWidth(0.3);
  d.OutputRect(20, y, 60, y + 25, false);
  d.SetFill(qv::Rgb(220, 220, 220), qv::FillSolid);
  d.OutputRect(70, y, 110, y + 25, true);
  grey(d);
  d.SetDrawWidth(0.1);
  d.OutputRect(120, y, 160, y + 40, false);
  black(d);
  d.OutputImage(120, y, 40, 40, picture, -1);
  d.OutputImage(165, y, 0, 15, picture, -1);  // 15 mm high, width from the picture
  d.OutputImage(165, y + 20, 30, 30, folder.filePath(QStringLiteral("missing.png")), -1);

  // Faces the data names for page phrases that this machine lacks, with the half-width
  // cells ticked in grey: every letter and digit must sit inside its cell.
  y += 45;
  for (const char16_t* face : {u"メイリオ", u"Arial", u"ＭＳ UI Gothic", u"HGP創英角ﾎﾟｯﾌﾟ体"}) {
    const QString text = QStringLiteral("WAM 21-19 第１回");
    grey(d);
    d.SetDrawWidth(0.1);
    for (int cell = 0; cell <= qv::PrintDevice::LenAnsi(text); ++cell)
      d.OutputLine(20 + cell * 2.5, y, 20 + cell * 2.5, y + 5);
    black(d);
    d.SetFontName(QString::fromUtf16(face));
    d.PrintStr(20, y, 5, 5, 5, 0, text);
    d.SetFontName(QStringLiteral("ＭＳ 明朝"));
    d.PrintStr(120, y + 2.5, 2.5, 2.5, 2.5, 0, QString::fromUtf16(face));
    y += 8;
  }

  d.ClosePrint();
  return 0;
}
