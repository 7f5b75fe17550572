#include <gtest/gtest.h>

#include <QLineEdit>

#include "LayoutFixture.h"
#include "app/CurrentPrinter.h"
#include "app/PrintRun.h"
#include "print/RecordingSurface.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmLayoutPrintTest : public ::testing::Test, public LayoutFixture {};

constexpr double kPixelsPerMm = 10;

}  // namespace

// Regions drawn with the mouse print where they were drawn: the preview's millimetres are
// the printer's.
TEST_F(FrmLayoutPrintTest, RegionsDrawnInTheEditorPrintWhereTheyWereDrawn) {
  FrmLayout& w = open();
  w.TxtBunkatsuH->setText("1");
  w.TxtBunkatsuV->setText("1");
  drag(150, 200, 40, 60);  // from the lower right up to the upper left
  w.EditMode = QStringLiteral("領域作成");
  drag(30, 220, 180, 280);
  ASSERT_EQ(page(0).RyouikiCount, 2);

  // What the placement commands leave: a text block in the first region, the roster in
  // the second, and the page taken into the layout and marked for printing.
  PageRec& p = layout().Pages[0];
  HaichiRec text;
  text.Kind = QStringLiteral("文字列");
  text.BunshouName = QStringLiteral("挨拶");
  text.ShumokuIdx = -1;
  text.Moji.Lines = {QStringLiteral("ＡＢＣ"), QStringLiteral("ＤＥＦ")};
  text.Moji.LineCount = 2;
  p.Ryouiki[0].Haichi = {text};
  p.Ryouiki[0].HaichiCount = 1;
  HaichiRec roster;
  roster.Kind = roster.BunshouName = QStringLiteral("参加者名簿");
  roster.ShumokuIdx = -1;
  p.Ryouiki[1].Haichi = {roster};
  p.Ryouiki[1].HaichiCount = 1;
  p.Selected = true;
  layout().AppendPage();
  w.Unload();

  RecordingSurface surface(kPixelsPerMm);
  CurrentPrinter printer;
  printer.drawOn(&surface);
  LayoutCharts charts;
  std::vector<RegionRect> rosterBoxes;
  charts.roster = [&](ChartEnv, const AreaRect& box, const SheetStarted&) {
    rosterBoxes.push_back(RegionRect{box.X1, box.X2, box.Y1, box.Y2});
    ChartResult printed;
    printed.Pages = 1;
    return printed;
  };
  {
    PrintJob job(printer, tp.program.device);
    PrintSelected(tp.program, {}, charts);
  }
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, QStringLiteral("１頁印刷しました"));
  ASSERT_EQ(rosterBoxes.size(), 1u);
  EXPECT_EQ(rosterBoxes[0], (RegionRect{30, 180, 220, 280}));

  // The text block fills its region: the first line starts at its upper-left corner and
  // every character lies inside it.
  std::vector<QPoint> block;
  for (const auto& t : surface.drawnTexts())
    if (QStringLiteral("ＡＢＣＤＥＦ").contains(t.text)) block.push_back(t.at);
  ASSERT_EQ(block.size(), 6u);
  EXPECT_NEAR(block[0].x(), 40 * kPixelsPerMm, 1);
  EXPECT_NEAR(block[0].y(), 60 * kPixelsPerMm, 1);
  for (const QPoint& at : block) {
    EXPECT_GE(at.x(), 40 * kPixelsPerMm - 1);
    EXPECT_LE(at.x(), 150 * kPixelsPerMm);
    EXPECT_GE(at.y(), 60 * kPixelsPerMm - 1);
    EXPECT_LE(at.y(), 200 * kPixelsPerMm);
  }
  EXPECT_GT(block[3].y(), 120 * kPixelsPerMm);  // the second line in the lower half
}
