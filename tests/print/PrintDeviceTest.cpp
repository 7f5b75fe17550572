// Jobs, pages and the drawing state of the print device.

#include <gmock/gmock.h>

#include "print/PrintDevice.h"
#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using Kind = SurfaceCall::Kind;
using ::testing::ElementsAre;

using PrintDeviceJob = PrintDeviceFixture;

TEST_F(PrintDeviceJob, NothingDrawnSendsNoJob) {
  device.ClosePrint();
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_FALSE(device.DocStarted);
}

TEST_F(PrintDeviceJob, EveryPageIsBegunEvenAnEmptyOne) {
  device.OutputLine(0, 0, 10, 10);
  device.NewPage();  // nothing drawn on page 2
  device.NewPage();
  device.OutputLine(0, 0, 10, 10);
  device.ClosePrint();
  EXPECT_THAT(surface.kinds(),
              ElementsAre(Kind::BeginDocument, Kind::PrintBlank, Kind::Line, Kind::NewPage,
                          Kind::PrintBlank, Kind::NewPage, Kind::PrintBlank, Kind::Line,
                          Kind::EndDocument));
  EXPECT_FALSE(device.DocStarted);
  EXPECT_TRUE(device.OutputOn);  // stays on after the job
}

TEST_F(PrintDeviceJob, JobMeasuresTheDeviceAndFirstCallReadsExternalCharacters) {
  t.writeFile(QStringLiteral("外字定義.txt"), {QStringLiteral("X,1,0,0,100,100,Y")});
  EXPECT_EQ(device.PixelsPerMm, kPxPerMm);
  EXPECT_EQ(device.GaijiCount(), 0);
  device.SetColor(1, 2, 3);
  EXPECT_TRUE(device.DocStarted);
  EXPECT_EQ(device.GaijiCount(), 1);
}

TEST_F(PrintDeviceJob, ARunThatSkipsItsFirstPagesBeginsTheSurfaceAtTheFirstPrintedOne) {
  // Page 1 is skipped, page 2 printed, page 3 skipped; the job ends with output off.
  struct Case {
    const char* label;
    bool newPageBeforePrinting;
  } const cases[] = {{"new page then text", true}, {"text straight away", false}};
  for (const Case& c : cases) {
    surface.calls.clear();
    device.OpenPrint(QStringLiteral("ＭＳ 明朝"), t.folder());
    device.OutputOn = false;
    device.SetColor(0, 0, 0);
    device.PrintStr(10, 10, 5, 5, 5, 0, QStringLiteral("一"));
    device.OutputOn = true;
    if (c.newPageBeforePrinting) device.NewPage();
    device.PrintStr(20, 30, 5, 5, 5, 0, QStringLiteral("二"));
    device.OutputOn = false;
    device.NewPage();
    device.PrintStr(10, 10, 5, 5, 5, 0, QStringLiteral("三"));
    device.ClosePrint();
    EXPECT_THAT(surface.kinds(), ElementsAre(Kind::BeginDocument, Kind::PrintBlank,
                                             Kind::PlaceChars, Kind::EndDocument))
        << c.label;
    const auto drawn = surface.drawnTexts();
    ASSERT_EQ(drawn.size(), 1u) << c.label;
    EXPECT_EQ(drawn[0].text, QStringLiteral("二")) << c.label;
    EXPECT_EQ(drawn[0].at, QPoint(px(20), px(30))) << c.label;
    EXPECT_EQ(drawn[0].font.heightPx, px(5)) << c.label;
    EXPECT_FALSE(device.DocStarted) << c.label;
  }
}

TEST_F(PrintDeviceJob, OutputOffDrawsNothingButStartsTheDocument) {
  t.writeFile(QStringLiteral("外字定義.txt"), {QStringLiteral("X,1,0,0,100,100,Y")});
  device.OutputOn = false;
  device.PrintStr(10, 10, 5, 5, 5, 0, QStringLiteral("あいう"));
  device.OutputLine(0, 0, 10, 10);
  device.OutputRect(0, 0, 10, 10, true);
  device.SetDrawWidth(1);
  device.NewPage();
  device.ClosePrint();
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ(device.GaijiCount(), 1);
  EXPECT_DOUBLE_EQ(device.DrawWidthMm, 0.1);  // the width is kept only while output is on
}

TEST_F(PrintDeviceJob, WithoutASurfaceNothingIsDrawn) {
  PrintDevice bare;
  bare.OpenPrint(QStringLiteral("ＭＳ 明朝"), t.folder());
  bare.PrintStr(10, 10, 5, 5, 5, 0, QStringLiteral("あ"));
  bare.OutputImage(0, 0, 10, 10, QStringLiteral("none.png"), -1);
  bare.NewPage();
  bare.ClosePrint();
  EXPECT_FALSE(bare.DocStarted);
}

TEST_F(PrintDeviceJob, DrawingStateCarriesAcrossPages) {
  device.SetColor(255, 0, 0);
  device.SetFontName(QStringLiteral("ＭＳ ゴシック"));
  device.FontBold = 900;
  device.SetDrawWidth(0.5);
  device.PrintStr(10, 10, 4, 4, 4, 0, QStringLiteral("あ"));
  const double heightPx = device.CharHeightPx;
  const auto before = surface.calls.size();

  device.NewPage();
  EXPECT_EQ(device.CharHeightPx, heightPx);
  device.OutputLine(0, 0, 10, 0);
  device.PrintStr(10, 10, 4, 4, 4, 0, QStringLiteral("い"));

  // The surface keeps its text colour and line width: nothing is set again.
  for (size_t i = before; i < surface.calls.size(); ++i) {
    EXPECT_NE(surface.calls[i].kind, Kind::TextColor);
    EXPECT_NE(surface.calls[i].kind, Kind::LineWidth);
  }
  EXPECT_EQ(surface.callsOf(Kind::Line).back().color, Rgb(255, 0, 0));
  const auto texts = surface.drawnTexts();
  EXPECT_EQ(texts.back().font.face, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(texts.back().font.weight, 700);
}

TEST_F(PrintDeviceJob, LinesOfANewJobAreBlackWhateverTheLastJobEndedWith) {
  device.SetColor(0, 0, 255);
  device.SetFontName(QStringLiteral("ＭＳ ゴシック"));
  device.SetDrawWidth(0.3);
  device.OutputLine(0, 0, 10, 0);
  device.ClosePrint();
  surface.calls.clear();

  device.OpenPrint(QStringLiteral("ＭＳ 明朝"), t.folder());
  device.OutputLine(0, 0, 10, 0);
  device.PrintStr(0, 0, 4, 4, 4, 0, QStringLiteral("あ"));
  device.ClosePrint();
  EXPECT_EQ(surface.callsOf(Kind::Line).at(0).color, Rgb(0, 0, 0));
  EXPECT_EQ(surface.count(Kind::TextColor), 0);  // text colour changes only at SetColor
  EXPECT_EQ(surface.count(Kind::LineWidth), 0);
  EXPECT_EQ(device.ColorB, 255);                 // the components are not reset
  EXPECT_DOUBLE_EQ(device.DrawWidthMm, 0.1);
  EXPECT_EQ(surface.drawnTexts().at(0).font.face, QStringLiteral("ＭＳ 明朝"));
}

TEST_F(PrintDeviceJob, SetDrawWidthInDevicePixels) {
  struct Case {
    double width;
    int expectedPx;  // 0: the surface's width is left alone
  } const cases[] = {{0.5, 50}, {0.125, 12}, {0.135, 14}, {0.001, 1}, {0, 0}, {-1, 0}};
  for (const Case& c : cases) {
    surface.calls.clear();
    device.SetDrawWidth(c.width);
    EXPECT_DOUBLE_EQ(device.DrawWidthMm, c.width);
    if (c.expectedPx == 0) {
      EXPECT_EQ(surface.count(Kind::LineWidth), 0) << c.width;
    } else {
      ASSERT_EQ(surface.count(Kind::LineWidth), 1) << c.width;
      EXPECT_EQ(surface.callsOf(Kind::LineWidth)[0].width, c.expectedPx) << c.width;
    }
  }
}

TEST_F(PrintDeviceJob, SetColorSetsTheTextColourAndTheLineColour) {
  device.SetColor(0, 128, 0);
  EXPECT_EQ(device.ForeColorRgb, 0 + 256 * 128);
  ASSERT_EQ(surface.count(Kind::TextColor), 1);
  EXPECT_EQ(surface.callsOf(Kind::TextColor)[0].color, Rgb(0, 128, 0));
}

TEST_F(PrintDeviceJob, MappingAppliesFactorsThenOffset) {
  device.SetFactor(2, 3);
  device.SetOffset(10, 20);
  double x = 0, y = 0, w = 0, h = 0;
  device.MapPoint(1, 1, x, y);
  device.MapSize(5, 5, w, h);
  EXPECT_DOUBLE_EQ(x, 12);
  EXPECT_DOUBLE_EQ(y, 23);
  EXPECT_DOUBLE_EQ(w, 10);
  EXPECT_DOUBLE_EQ(h, 15);
  device.OutputLine(1, 1, 2, 2);
  EXPECT_EQ(surface.callsOf(Kind::Line)[0].to, QPointF(14, 26));

  device.OpenPrint(QStringLiteral("ＭＳ 明朝"), t.folder());  // a new job resets the transform
  device.MapPoint(1, 1, x, y);
  EXPECT_DOUBLE_EQ(x, 1);
  EXPECT_DOUBLE_EQ(y, 1);
}

}  // namespace
}  // namespace qv::test
