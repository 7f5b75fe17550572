// Fitting texts into boxes and placing their characters at exact pitch.

#include <gmock/gmock.h>

#include "platform/Cp932.h"
#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using Kind = SurfaceCall::Kind;
using PrintDeviceText = PrintDeviceFixture;

// Where the characters of a text must land: the first cell's left edge, the advance per
// full-width character and the full-width character width, in millimetres.
struct Placement {
  double start;
  double pitch;
  double width;
};

// Checks every drawn character against the placement, walking the text: blanks advance
// without drawing, half-width characters advance half a pitch.
void expectPlaced(const RecordingSurface& surface, const QString& text, double y, double height,
                  const Placement& p, const char* label) {
  SCOPED_TRACE(label);
  const auto drawn = surface.drawnTexts();
  size_t k = 0;
  double halfUnits = 0;
  for (const QChar c : text) {
    const bool full = PrintDevice::LenAnsi(QString(c)) == 2;
    if (c != u' ' && c != u'\u3000') {
      ASSERT_LT(k, drawn.size()) << "character " << k << " not drawn";
      EXPECT_EQ(drawn[k].text, QString(c));
      EXPECT_NEAR(drawn[k].at.x(), (p.start + halfUnits * p.pitch / 2) * 100, 1.0) << k;
      EXPECT_EQ(drawn[k].at.y(), platform::roundHalfEven(y * 100));
      EXPECT_EQ(drawn[k].font.heightPx, platform::roundHalfEven(height * 100));
      EXPECT_EQ(drawn[k].font.halfWidthPx, platform::roundHalfEven(p.width * 100 / 2));
      ++k;
    }
    halfUnits += full ? 2 : 1;
  }
  EXPECT_EQ(k, drawn.size()) << "more characters drawn than the text holds";
}

TEST_F(PrintDeviceText, PrintStrFitsTextsByItsRules) {
  struct Case {
    const char* label;
    double x, height, charWidth, pitch, x2;
    const char* text;
    Placement expected;
  } const cases[] = {
      {"no box", 10, 5, 4, 6, 0, "あいう", {10, 6, 4}},
      {"no box, pitch 0 takes the width", 10, 5, 4, 0, 0, "あい", {10, 4, 4}},
      {"no box, width 0 takes the height", 10, 5, 0, 0, 0, "あい", {10, 5, 5}},
      {"no box, negative pitch counts by size", 10, 5, 4, -6, 0, "あい", {10, 6, 4}},
      {"box, one full-width character centred", 10, 5, 4, 6, 30, "あ", {18, 4, 4}},
      {"box, two half-width characters centred", 10, 5, 4, 6, 30, "AB", {18, 4, 4}},
      {"box, short text with width 0 at the centre", 10, 5, 0, 6, 30, "あ", {20, 0, 0}},
      {"box, long text spread to the edges", 10, 5, 4, 0, 40, "あいうえ", {10, 26.0 / 3, 4}},
      {"box, long text shrinks", 10, 5, 4, 0, 20, "あいうえお", {10, 2, 2}},
      {"box, never wider than the pitch", 10, 5, 4, 5, 60, "あいう", {10, 5, 4}},
      {"box, shrunk then capped by the pitch", 10, 5, 4, 1, 20, "あいうえお", {10, 1, 4}},
      {"right-aligned on x2", -20, 5, 5, 5, 100, "あいうえおか", {70, 5, 5}},
      {"right-aligned, kept right of the limit", -20, 5, 5, 5, 100,
       "あいうえおかきくけこさしすせそたちつてと", {20, 5, 5}},
      {"half-width characters advance half a pitch", 0, 5, 4, 4, 0, "AあB1", {0, 4, 4}},
      {"blanks advance without drawing", 0, 5, 4, 4, 0, "あ　い うA", {0, 4, 4}},
  };
  for (const Case& c : cases) {
    surface.calls.clear();
    const QString text = QString::fromUtf8(c.text);
    device.PrintStr(c.x, 20, c.height, c.charWidth, c.pitch, c.x2, text);
    expectPlaced(surface, text, 20, c.height, c.expected, c.label);
  }
}

TEST_F(PrintDeviceText, LastCharacterOfASpreadTextEndsAtTheBoxEdge) {
  device.PrintStr(10, 0, 4, 4, 0, 40, QStringLiteral("あいうえ"));
  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_NEAR(mm(drawn.back().at.x()) + 4, 40, 0.01);
}

TEST_F(PrintDeviceText, EmptyTextDrawsNothing) {
  device.PrintStr(10, 10, 5, 5, 5, 30, QString());
  device.PrintStr(10, 10, 5, 5, 5, 0, QString());
  EXPECT_EQ(surface.count(Kind::PlaceChars), 0);
  EXPECT_EQ(surface.count(Kind::TextOut), 0);
}

TEST_F(PrintDeviceText, PrintStrCenterCentresOnX) {
  device.PrintStrCenter(50, 10, 4, 4, 4, QStringLiteral("あい"));
  expectPlaced(surface, QStringLiteral("あい"), 10, 4, {46, 4, 4}, "pitch 4");
  surface.calls.clear();
  device.PrintStrCenter(50, 10, 4, 3, 0, QStringLiteral("あい"));
  expectPlaced(surface, QStringLiteral("あい"), 10, 4, {50, 3, 3}, "pitch 0 starts at x");
}

TEST_F(PrintDeviceText, OneTextIsOneDrawCallInOneFont) {
  device.PrintStr(0, 0, 5, 5, 5, 0, QStringLiteral("東京都　千代田区"));
  EXPECT_EQ(surface.count(Kind::PlaceChars), 1);
}

TEST_F(PrintDeviceText, BoldSelectorGivesWeight700AboveOne) {
  struct Case {
    int fontBold;
    int weight;
  } const cases[] = {{0, 400}, {1, 400}, {2, 700}, {900, 700}};
  for (const Case& c : cases) {
    surface.calls.clear();
    device.FontBold = c.fontBold;
    device.PrintStr(0, 0, 5, 5, 5, 0, QStringLiteral("太"));
    ASSERT_EQ(surface.drawnTexts().size(), 1u);
    EXPECT_EQ(surface.drawnTexts()[0].font.weight, c.weight) << c.fontBold;
    EXPECT_EQ(device.PrintLogFont.lfWeight, c.weight);
  }
}

TEST_F(PrintDeviceText, FontDescriptionInDevicePixels) {
  device.PrintStr(0, 0, 3.5, 3, 3, 0, QStringLiteral("字"));
  EXPECT_EQ(device.PrintLogFont.lfHeight, -350);
  EXPECT_EQ(device.PrintLogFont.lfWidth, 150);
  EXPECT_EQ(device.PrintLogFont.lfCharSet, 1);
  EXPECT_EQ(device.PrintLogFont.lfFaceName, platform::encodeCp932(u"ＭＳ 明朝"));
  EXPECT_TRUE(device.FontCreated);
}

TEST_F(PrintDeviceText, LongFaceNameIsShortenedToWholeCharacters) {
  // 1 + 20 × 2 bytes: only "A" and fifteen full-width characters fit in 32 bytes.
  device.SetFontName(QStringLiteral("Aあいうえおかきくけこさしすせそたちつてと"));
  device.PrintStr(0, 0, 5, 5, 5, 0, QStringLiteral("字"));
  EXPECT_EQ(device.PrintLogFont.lfFaceName.size(), 31);
  EXPECT_EQ(surface.drawnTexts().at(0).font.face, QStringLiteral("Aあいうえおかきくけこさしすせそ"));
}

TEST_F(PrintDeviceText, CharacterOutsideCp932PrintsAsQuestionMarkOfHalfWidth) {
  device.PrintStr(0, 0, 4, 4, 4, 0, QStringLiteral("あ\U00020BB7い"));
  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].text, QStringLiteral("?"));
  EXPECT_EQ(drawn[2].at.x(), px(6));
}

TEST_F(PrintDeviceText, LenAnsiCountsBytesOfCp932) {
  EXPECT_EQ(PrintDevice::LenAnsi(QStringLiteral("あA ｱ　")), 2 + 1 + 1 + 1 + 2);
}

TEST_F(PrintDeviceText, AbsurdSizesMakeFontsNoLargerThanAMetre) {
  // 1000 mm at 100 pixels per millimetre; damaged layout numbers must not overflow.
  const int limit = px(1000);
  struct Case {
    double height, width;
    int heightPx, halfWidthPx;
  } const cases[] = {
      {1e12, 1e12, limit, limit},
      {-1e12, -1e12, -limit, -limit},
      {-2147483648.0, 5, -limit, px(5) / 2},
      {2000, 5, limit, px(5) / 2},
  };
  for (const Case& c : cases) {
    surface.calls.clear();
    device.PrintStr(10, 20, c.height, c.width, 5, 0, QStringLiteral("あ"));
    const auto drawn = surface.drawnTexts();
    ASSERT_EQ(drawn.size(), 1u) << c.height;
    EXPECT_EQ(drawn[0].font.heightPx, c.heightPx) << c.height;
    EXPECT_EQ(drawn[0].font.halfWidthPx, c.halfWidthPx) << c.height;
  }
}

}  // namespace
}  // namespace qv::test
