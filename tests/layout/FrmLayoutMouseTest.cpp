#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "LayoutFixture.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmLayoutMouseTest : public ::testing::Test, public LayoutFixture {
 protected:
  const RyouikiRec& region(int i) const { return page(0).Ryouiki[static_cast<std::size_t>(i)]; }
  RegionRect rect(int i) const { return RectOf(region(i)); }
};

}  // namespace

TEST_F(FrmLayoutMouseTest, ARegionDrawnInAnyDirectionIsStoredUpperLeftFirst) {
  struct Case {
    double x1, y1, x2, y2;
  };
  const Case cases[] = {{30, 40, 150, 200}, {150, 40, 30, 200}, {30, 200, 150, 40}, {150, 200, 30, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
    setPages(0);
    FrmLayout& w = open();
    w.TxtBunkatsuH->setText("2");
    w.TxtBunkatsuV->setText("3");
    press(c.x1, c.y1);
    EXPECT_EQ(w.EditMode, QStringLiteral("領域作成中"));  // an empty page always starts a region
    move(c.x2, c.y2);
    ASSERT_TRUE(w.PicPage->band().has_value());  // the band follows the pointer
    EXPECT_EQ(*w.PicPage->band(), (RegionRect{float(c.x1), float(c.x2), float(c.y1), float(c.y2)}));
    EXPECT_EQ(colourAt(c.x1, c.y1), kWhite);  // painted over the page, not into it
    EXPECT_EQ(w.LblRyouiki->text(), QStringLiteral("(%1,%2)-(%3,%4)").arg(c.x1).arg(c.y1).arg(c.x2).arg(c.y2));
    release(c.x2, c.y2);
    EXPECT_FALSE(w.PicPage->band().has_value());
    ASSERT_EQ(page(0).RyouikiCount, 1);
    EXPECT_EQ(rect(0), (RegionRect{30, 150, 40, 200}));
    EXPECT_EQ(region(0).BunkatsuH, 2);
    EXPECT_EQ(region(0).BunkatsuV, 3);
    EXPECT_EQ(region(0).HaichiCount, 0);
    EXPECT_FALSE(region(0).Deleted);
    EXPECT_EQ(currentRyouiki(), 0);
    EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
    EXPECT_TRUE(tp.program.insatsu.LayoutChanged);
    // Drawn selected, with its split lines, and found again by a click.
    EXPECT_EQ(colourAt(30, 100), kRed);
    EXPECT_EQ(colourAt(90, 100), kBlue);  // the middle column line
    EXPECT_EQ(colourAt(60, 100), kCyan);
    EXPECT_EQ(FindRegionAt(page(0), 100, 100), 0);
    tp.program.insatsu.LayoutChanged = false;
    w.Unload();
  }
}

TEST_F(FrmLayoutMouseTest, ANewRegionTakesItsSplitCountsWithinThePlacementBounds) {
  // The counts reach the print run as they stand: region creation bounds them as placing
  // does, 1 to 50, so a count typed by mistake cannot make thousands of cells.
  const struct {
    QString across, down;
    int h, v;
  } cases[] = {{"3", "2", 3, 2}, {"2.5", "3.5", 2, 4}, {"1000", "65536", 50, 50},
               {"x", "-4", 1, 1}, {"", "0", 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.across + "/" + c.down).toStdString());
    setPages(0);
    FrmLayout& w = open();
    w.TxtBunkatsuH->setText(c.across);
    w.TxtBunkatsuV->setText(c.down);
    press(30, 40);
    move(150, 200);
    release(150, 200);
    ASSERT_EQ(page(0).RyouikiCount, 1);
    EXPECT_EQ(region(0).BunkatsuH, c.h);
    EXPECT_EQ(region(0).BunkatsuV, c.v);
    w.Unload();
  }
}

TEST_F(FrmLayoutMouseTest, ARegionDrawnOffThePaperEndsAtItsEdge) {
  open();
  press(150, 250);
  // The pointer leaves the preview while the button is held.
  moveTo(beyond(40, 60));
  releaseAt(beyond(40, 60));
  EXPECT_EQ(rect(0), (RegionRect{150, 210, 250, 297}));
}

TEST_F(FrmLayoutMouseTest, AClickSelectsTheOverlappingRegionWithTheNearestEdge) {
  setPages(1);
  addRegion(0, {20, 190, 20, 270}, 2, 2);
  addRegion(0, {60, 120, 60, 120}, 3, 1);
  FrmLayout& w = open();
  struct Case {
    double x, y;
    int want;
  };
  const Case cases[] = {{90, 90, 1}, {25, 200, 0}, {62, 90, 1}, {5, 5, -1}, {100, 150, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    click(c.x, c.y);
    EXPECT_EQ(currentRyouiki(), c.want);
    EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
  }
  click(90, 90);
  EXPECT_EQ(w.TxtBunkatsuH->text(), QStringLiteral("3"));
  EXPECT_EQ(colourAt(60, 90), kRed);  // selected: red outline
  click(100, 150);
  // The first one is drawn plainly again, the second selected with its lines.
  EXPECT_EQ(colourAt(60, 90), kCyan);
  EXPECT_EQ(colourAt(20, 150), kRed);
  EXPECT_EQ(colourAt(105, 150), kBlue);
  EXPECT_EQ(w.TxtBunkatsuH->text(), QStringLiteral("2"));
  // A click on the region already selected keeps it drawn as the selected one.
  click(100, 150);
  EXPECT_EQ(currentRyouiki(), 0);
  EXPECT_EQ(colourAt(20, 150), kRed);
}

TEST_F(FrmLayoutMouseTest, HoveringInChangeModeSelectsWhatThePointerIsOver) {
  setPages(1);
  addRegion(0, {20, 100, 20, 100});
  addRegion(0, {120, 190, 20, 100});
  FrmLayout& w = open();
  w.EditMode = QStringLiteral("領域変更");
  move(150, 50);
  EXPECT_EQ(currentRyouiki(), 1);
  EXPECT_EQ(w.LblRyouiki->text(), QStringLiteral("(150,50)"));
  move(50, 50);
  EXPECT_EQ(currentRyouiki(), 0);
  press(50, 50);
  EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
  EXPECT_EQ(currentRyouiki(), 0);
}

TEST_F(FrmLayoutMouseTest, MovingAndEveryResizeHandleChangeTheStoredRegion) {
  struct Case {
    double fromX, fromY, toX, toY;
    const char* handle;
    Qt::CursorShape cursor;
    RegionRect want;
  };
  // The region is (50,150)-(60,200) across and down.
  const Case cases[] = {
      {100, 130, 110, 120, "移動", Qt::SizeAllCursor, {60, 160, 50, 190}},
      {52, 130, 40, 130, "左", Qt::SizeHorCursor, {40, 150, 60, 200}},
      {148, 130, 170, 130, "右", Qt::SizeHorCursor, {50, 170, 60, 200}},
      {100, 62, 100, 30, "上", Qt::SizeVerCursor, {50, 150, 30, 200}},
      {100, 198, 100, 250, "下", Qt::SizeVerCursor, {50, 150, 60, 250}},
      {51, 61, 20, 30, "左上", Qt::SizeFDiagCursor, {20, 150, 30, 200}},
      {51, 199, 30, 220, "左下", Qt::SizeBDiagCursor, {30, 150, 60, 220}},
      {149, 61, 180, 40, "右上", Qt::SizeBDiagCursor, {50, 180, 40, 200}},
      {149, 199, 160, 210, "右下", Qt::SizeFDiagCursor, {50, 160, 60, 210}},
      // The left edge dragged past the right one: stored the right way round.
      {52, 130, 180, 130, "左", Qt::SizeHorCursor, {150, 180, 60, 200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handle);
    setPages(1);
    addRegion(0, {50, 150, 60, 200});
    FrmLayout& w = open();
    click(100, 100);  // select it
    ASSERT_EQ(currentRyouiki(), 0);
    move(c.fromX, c.fromY);
    EXPECT_EQ(w.DragHandle, QString::fromUtf8(c.handle));
    EXPECT_EQ(w.PicPage->cursor().shape(), c.cursor);
    press(c.fromX, c.fromY);
    EXPECT_EQ(w.EditMode, QStringLiteral("変形処理"));
    move(c.toX, c.toY);
    EXPECT_TRUE(w.PicPage->band().has_value());
    EXPECT_EQ(rect(0), (RegionRect{50, 150, 60, 200}));  // the model changes at the release
    release(c.toX, c.toY);
    EXPECT_EQ(rect(0), c.want);
    EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
    EXPECT_EQ(currentRyouiki(), 0);
    EXPECT_FALSE(w.PicPage->band().has_value());
    EXPECT_EQ(colourAt(c.want.X1, (c.want.Y1 + c.want.Y2) / 2), kRed);
    w.Unload();
  }
}

TEST_F(FrmLayoutMouseTest, ARegionMovedOrStretchedOffThePaperStaysOnIt) {
  setPages(1);
  addRegion(0, {50, 150, 60, 200});
  FrmLayout& w = open();
  click(100, 100);
  move(100, 100);
  press(100, 100);
  move(60, 60);
  move(-30, -40);  // held at the paper's corner: the move stops at the edges
  release(-30, -40);
  EXPECT_EQ(rect(0), (RegionRect{0, 100, 0, 140}));
  move(98, 138);
  ASSERT_EQ(w.DragHandle, QStringLiteral("右下"));
  press(98, 138);
  moveTo(beyond(30, 30));
  releaseAt(beyond(30, 30));
  EXPECT_EQ(rect(0), (RegionRect{0, 210, 0, 297}));
}

TEST_F(FrmLayoutMouseTest, DeletingKeepsTheRecordAndAPressDoesNotStartANewRegion) {
  setPages(1);
  addRegion(0, {20, 100, 20, 100});
  addRegion(0, {120, 190, 20, 100});
  FrmLayout& w = open();
  click(150, 50);
  ASSERT_EQ(currentRyouiki(), 1);
  w.DeleteRegion();
  w.DrawPage();
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_TRUE(region(1).Deleted);
  EXPECT_EQ(page(0).RyouikiCount, 2);
  EXPECT_EQ(colourAt(150, 50), kWhite);
  click(150, 50);  // in the deleted region: selects nothing
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_EQ(page(0).RyouikiCount, 2);
  // With every region deleted the page still does not switch to drawing.
  click(50, 50);
  w.DeleteRegion();
  press(50, 50);
  EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
  EXPECT_EQ(page(0).RyouikiCount, 2);
}

TEST_F(FrmLayoutMouseTest, DeselectingDrawsTheRegionPlainlyAndANewRegionGoesOnTheSparePage) {
  setPages(1);
  addRegion(0, {20, 100, 20, 100}, 2, 2);
  FrmLayout& w = open();
  click(50, 50);
  EXPECT_EQ(colourAt(20, 50), kRed);
  w.DeselectRegion();
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_EQ(colourAt(20, 50), kCyan);
  EXPECT_EQ(colourAt(60, 50), kCyan);  // no split lines until the next redraw
  w.HScPage->setValue(1);
  w.EditMode = QStringLiteral("領域作成");
  drag(30, 30, 80, 90);
  EXPECT_EQ(layout().PageCount, 1);  // drawing alone makes no page
  const PageRec& spare = page(1);
  ASSERT_EQ(spare.RyouikiCount, 1);
  EXPECT_EQ(RectOf(spare.Ryouiki[0]), (RegionRect{30, 80, 30, 90}));
  // A press and release on one point makes a point region, selected.
  drag(120, 120, 120, 120);
  EXPECT_EQ(spare.RyouikiCount, 1);  // the mode is 領域変形 again: a click selects
  w.EditMode = QStringLiteral("領域作成");
  click(120, 120);
  ASSERT_EQ(spare.RyouikiCount, 2);
  EXPECT_EQ(RectOf(spare.Ryouiki[1]), (RegionRect{120, 120, 120, 120}));
  EXPECT_EQ(currentRyouiki(), 1);
  EXPECT_EQ(colourAt(120, 120), kRed);
}
