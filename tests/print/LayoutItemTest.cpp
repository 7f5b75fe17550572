// Layout items: placement by the signs of x and pitch, pictures, empty expansions.

#include <gmock/gmock.h>

#include <QImage>

#include "data/BunshouItems.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/TextVars.h"
#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using Kind = SurfaceCall::Kind;

class LayoutItem : public PrintDeviceFixture {
 protected:
  static BunshouItem item(float x, float y, float size, float pitch, float x2, const QString& text) {
    BunshouItem b;
    b.X = x;
    b.Y = y;
    b.Height = size;
    b.Width = size;
    b.Pitch = pitch;
    b.X2 = x2;
    b.Text = text;
    return b;
  }
  std::vector<int> xs() const {
    std::vector<int> out;
    for (const auto& d : surface.drawnTexts()) out.push_back(d.at.x());
    return out;
  }
  TextVarState vars;
};

TEST_F(LayoutItem, PlacesByTheSignsOfXAndPitch) {
  SetTextVar(vars, QStringLiteral("大会名"), QStringLiteral("県大会"));
  struct Case {
    const char* label;
    BunshouItem item;
    double start, pitch, width;
  } const cases[] = {
      {"placeholder at its point", item(20, 7, 5, 5, 0, QStringLiteral("&大会名")), 20, 5, 5},
      {"right-aligned on X2", item(-30, 7, 5, 5, 190, QStringLiteral("東西南北")), 170, 5, 5},
      // Kept right of |X|, the text no longer fits before X2 and shrinks.
      {"right-aligned but not left of |X|", item(-185, 7, 5, 5, 190, QStringLiteral("東西南北")), 185, 1.25, 1.25},
      {"centred and shrunk", item(20, 7, 5, -5, 60, QStringLiteral("一二三四五六七八九十百千")), 20, 10.0 / 3, 10.0 / 3},
      {"centred, fits unshrunk", item(20, 7, 5, -5, 100, QStringLiteral("東西")), 55, 5, 5},
      // X >= 0 takes the ratio as it falls, also a negative one: width and pitch turn
      // negative, so the text prints at its height, spaced |pitch x ratio| apart.
      {"centred with no box", item(20, 7, 5, -5, 0, QStringLiteral("東西")), 20, 10, 5},
      {"centred, X beyond X2", item(60, 7, 5, -5, 20, QStringLiteral("東西")), 60, 20, 5},
  };
  for (const Case& c : cases) {
    surface.calls.clear();
    device.PrintLayoutItem(c.item, vars);
    const auto drawn = surface.drawnTexts();
    ASSERT_FALSE(drawn.empty()) << c.label;
    for (size_t k = 0; k < drawn.size(); ++k)
      EXPECT_NEAR(drawn[k].at.x(), (c.start + k * c.pitch) * 100, 1) << c.label << " " << k;
    EXPECT_EQ(drawn[0].at.y(), px(7)) << c.label;
    EXPECT_EQ(drawn[0].font.halfWidthPx, platform::roundHalfEven(c.width * 100 / 2)) << c.label;
  }
}

TEST_F(LayoutItem, TakesFontAndWeightFromTheItemAndKeepsThem) {
  BunshouItem b = item(10, 10, 5, 5, 0, QStringLiteral("表題"));
  b.FontName = QStringLiteral("ＭＳ ゴシック");
  b.Bold = 900;
  device.PrintLayoutItem(b, vars);
  EXPECT_EQ(device.PrintFontName, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(device.FontBold, 900);
  EXPECT_EQ(surface.drawnTexts().at(0).font.weight, 700);

  b.FontName.clear();  // keeps the current face
  b.Bold = 0;
  device.PrintLayoutItem(b, vars);
  EXPECT_EQ(surface.drawnTexts().back().font.face, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(surface.drawnTexts().back().font.weight, 400);
}

TEST_F(LayoutItem, PictureItemIsItsHeightHigh) {
  QImage image(300, 100, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString file = t.folder() + "logo.png";
  image.save(file);
  device.FontBold = 900;
  device.PrintLayoutItem(item(15, 25, 10, 10, 0, "IMG:" + file), vars);
  const auto pics = surface.callsOf(Kind::Picture);
  ASSERT_EQ(pics.size(), 1u);
  EXPECT_EQ(pics[0].from, QPointF(15, 25));
  EXPECT_EQ(pics[0].to, QPointF(30, 10));
  EXPECT_EQ(device.FontBold, 900);  // font and weight untouched
}

TEST_F(LayoutItem, EmptyExpansionPrintsNothing) {
  device.PrintLayoutItem(item(20, 7, 5, 5, 0, QStringLiteral("&未設定")), vars);
  device.PrintLayoutItem(item(20, 7, 5, 5, 0, QString()), vars);
  EXPECT_TRUE(surface.calls.empty());
}

TEST_F(LayoutItem, NegativeXWithNegativePitchPrintsAtItsOwnSize) {
  // The left edge lands beyond X2: no room to shrink into.
  device.PrintLayoutItem(item(-30, 7, 5, -5, 20, QStringLiteral("東西")), vars);
  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].font.halfWidthPx, px(5) / 2);
  EXPECT_EQ(drawn[1].at.x() - drawn[0].at.x(), px(5));
}

TEST_F(LayoutItem, LinesPrintOneUnderAnotherAsTheyStand) {
  MojiretsuItem m;
  m.X = 20;
  m.Y = 30;
  m.Height = m.Width = m.Pitch = 4;
  m.LineStep = 6;
  m.FontName = QStringLiteral("ＭＳ ゴシック");
  m.Bold = 2;
  m.Lines = {QStringLiteral("&大会名"), QString(), QStringLiteral("下")};
  m.LineCount = 4;  // more than the lines held: only those print
  SetTextVar(vars, QStringLiteral("大会名"), QStringLiteral("県大会"));
  device.PrintLayoutItemLines(m);
  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[0].text, QStringLiteral("&"));  // no placeholder expansion
  EXPECT_EQ(drawn[0].at, QPoint(px(20), px(30)));
  EXPECT_EQ(drawn[4].text, QStringLiteral("下"));
  EXPECT_EQ(drawn[4].at, QPoint(px(20), px(42)));
  EXPECT_EQ(drawn[4].font.face, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(drawn[4].font.weight, 700);
}

}  // namespace
}  // namespace qv::test
