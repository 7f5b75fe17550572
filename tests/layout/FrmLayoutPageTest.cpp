#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "LayoutFixture.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmLayoutPageTest : public ::testing::Test, public LayoutFixture {};

}  // namespace

TEST_F(FrmLayoutPageTest, EveryPaperAndOrientationFitsThePreviewAndKeepsItsProportions) {
  struct Case {
    int size, houkou;
    const char* name;
    float width, height;
  };
  const Case cases[] = {
      {0, 0, "A3", 297, 420}, {0, 1, "A3", 420, 297}, {1, 0, "B4", 257, 364}, {1, 1, "B4", 364, 257},
      {2, 0, "A4", 210, 297}, {2, 1, "A4", 297, 210}, {3, 0, "B5", 182, 257}, {3, 1, "B5", 257, 182},
  };
  FrmLayout& w = open();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.houkou ? " 横" : " 縦"));
    QTest::mouseClick(w.OptSize[c.size], Qt::LeftButton);
    QTest::mouseClick(w.OptHoukou[c.houkou], Qt::LeftButton);
    // Clicking the same buttons again never swaps twice.
    w.OptHoukou_Click(c.houkou);
    EXPECT_EQ(layout().PaperName, QString::fromLatin1(c.name));
    EXPECT_EQ(layout().PaperOrientation, c.houkou ? QStringLiteral("横") : QStringLiteral("縦"));
    EXPECT_EQ(layout().PaperWidth, c.width);
    EXPECT_EQ(layout().PaperHeight, c.height);
    const QRect pic = w.PicPage->geometry();
    const QRect area = w.PicArea->rect();
    EXPECT_TRUE(area.contains(pic));
    EXPECT_NEAR(double(pic.height()) / pic.width(), c.height / c.width, 0.01);
    // One side fills the area, the other is centred.
    if (pic.width() >= area.width() - 1) {
      EXPECT_NEAR(pic.top() - area.top(), area.bottom() - pic.bottom(), 1);
    } else {
      EXPECT_GE(pic.height(), area.height() - 1);
      EXPECT_NEAR(pic.left() - area.left(), area.right() - pic.right(), 1);
    }
    // The paper's far corner is the preview's far corner.
    EXPECT_EQ(w.PicPage->toPixels(c.width, c.height), QPoint(pic.width(), pic.height()));
  }
  EXPECT_TRUE(tp.program.insatsu.LayoutChanged);
}

TEST_F(FrmLayoutPageTest, PagingThroughLayoutsOfOneSixAndTwentyPages) {
  for (int count : {1, 6, 20}) {
    SCOPED_TRACE(count);
    setPages(count);
    addRegion(count - 1, {30, 100, 40, 120});
    FrmLayout& w = open();
    EXPECT_EQ(w.LblPage->text(), QStringLiteral("1/%1頁").arg(count));
    EXPECT_EQ(w.HScPage->maximum(), count);
    // The spare page after the last one can be reached; it is empty.
    w.HScPage->setValue(count);
    EXPECT_EQ(w.LblPage->text(), QStringLiteral("%1/%2頁").arg(count + 1).arg(count));
    EXPECT_EQ(currentRyouiki(), -1);
    EXPECT_EQ(colourAt(60, 80), kWhite);
    EXPECT_EQ(colourAt(5, 5), kGrey);  // the margins stay grey
    w.HScPage->setValue(count - 1);
    EXPECT_EQ(tp.program.insatsu.CurrentPage, count - 1);
    EXPECT_EQ(w.LblPage->text(), QStringLiteral("%1/%1頁").arg(count));
    EXPECT_EQ(currentRyouiki(), 0);  // the page's region is selected and outlined
    EXPECT_EQ(colourAt(30, 80), kRed);
    EXPECT_EQ(colourAt(60, 80), kCyan);
    w.Unload();
  }
}

TEST_F(FrmLayoutPageTest, ALayoutWithoutPagesShowsTheSparePage) {
  FrmLayout& w = open();
  EXPECT_EQ(w.LblPage->text(), QStringLiteral("1/0頁"));
  EXPECT_EQ(w.HScPage->minimum(), 0);
  EXPECT_EQ(w.HScPage->maximum(), 0);
  EXPECT_EQ(colourAt(100, 100), kWhite);
}

TEST_F(FrmLayoutPageTest, EveryOpeningStartsOnTheFirstPageWithNothingSelected) {
  setPages(3);
  addRegion(0, {30, 100, 40, 120}, 3, 2);
  addRegion(1, {20, 60, 20, 60});
  tp.program.insatsu.CurrentPage = 2;
  currentRyouiki() = 7;  // left from an earlier use, naming nothing on page 1
  layout().PaperName = QStringLiteral("B5");
  layout().PaperOrientation = QStringLiteral("横");
  layout().PaperWidth = 257;
  layout().PaperHeight = 182;
  FrmLayout& w = open();
  EXPECT_EQ(tp.program.insatsu.CurrentPage, 0);
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_EQ(colourAt(30, 60), kCyan);  // no red outline
  EXPECT_EQ(w.EditMode, QStringLiteral("領域変形"));
  // The paper buttons show the layout's paper.
  EXPECT_TRUE(w.OptSize[3]->isChecked());
  EXPECT_TRUE(w.OptHoukou[1]->isChecked());
  EXPECT_FALSE(w.LblHaichi[0]->isVisible());
}

TEST_F(FrmLayoutPageTest, APageChangeSelectsTheFirstRegionThatStillExists) {
  setPages(2);
  addRegion(1, {10, 50, 10, 50}).Deleted = true;
  addRegion(1, {60, 120, 60, 120}, 2, 3).TournamentKeishiki = 4;
  FrmLayout& w = open();
  w.HScPage->setValue(1);
  EXPECT_EQ(currentRyouiki(), 1);
  EXPECT_EQ(w.TxtBunkatsuH->text(), QStringLiteral("2"));
  EXPECT_EQ(w.TxtBunkatsuV->text(), QStringLiteral("3"));
  EXPECT_TRUE(w.OptTournament[4]->isChecked());
  EXPECT_EQ(colourAt(30, 30), kWhite);  // the deleted region is not drawn
}

TEST_F(FrmLayoutPageTest, PlacementsAreLabelledRowByRowInsideTheirRegion) {
  setEvents(2);
  setPages(1);
  RyouikiRec& r = addRegion(0, {40, 160, 50, 200});
  r.Haichi.resize(3);
  r.Haichi[0].Kind = QStringLiteral("リーグ");
  r.Haichi[0].ShumokuIdx = 0;
  r.Haichi[1].Kind = QStringLiteral("上位");
  r.Haichi[1].ShumokuIdx = 1;
  r.Haichi[1].Number = 7;
  r.Haichi[2].Kind = QStringLiteral("文字列");
  r.Haichi[2].BunshouName = QStringLiteral("挨拶文");
  r.HaichiCount = 3;
  FrmLayout& w = open();
  ASSERT_EQ(w.HaichiLabelCount, 3);
  ASSERT_EQ(w.HaichiLabelMax, 2);
  EXPECT_EQ(w.LblHaichi[0]->text(), QStringLiteral("E0(リーグ)"));
  EXPECT_EQ(w.LblHaichi[1]->text(), QStringLiteral("E1(上位8)"));
  EXPECT_EQ(w.LblHaichi[2]->text(), QStringLiteral("挨拶文"));
  const QPoint corner = at(41, 51);
  EXPECT_EQ(w.LblHaichi[0]->pos(), corner);
  EXPECT_EQ(w.LblHaichi[1]->y() - w.LblHaichi[0]->y(), w.LblHaichi[0]->height());
  EXPECT_EQ(w.LblHaichi[0]->width(), at(159, 51).x() - corner.x());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w.LblHaichi[i]->isVisible());
  // A redraw on an empty page hides them and keeps them for later.
  w.HScPage->setValue(1);
  EXPECT_EQ(w.HaichiLabelCount, 0);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(w.LblHaichi[i]->isVisible());
}

TEST_F(FrmLayoutPageTest, TheCloseBoxIsRefusedAndOnlyTheProgramClosesTheWindow) {
  setPages(1);
  addRegion(0, {30, 100, 40, 120});
  FrmLayout& w = open();
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, QStringLiteral("画面の終了"));
  EXPECT_EQ(tp.messages.shown[0].text, QStringLiteral("終了はメニューを選択して下さい"));
  EXPECT_EQ(page(0).RyouikiCount, 1);  // the edits stay
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  w.Unload();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(tp.messages.shown.size(), 1u);
}

TEST_F(FrmLayoutPageTest, ACountOrMarginBoxSelectsItsWholeTextToBeTypedOver) {
  FrmLayout& w = open();
  w.TxtBunkatsuV->setText("12");
  for (QLineEdit* box : {w.TxtBunkatsuH, w.TxtYohakuL, w.TxtYohakuR, w.TxtYohakuT, w.TxtYohakuB}) {
    SCOPED_TRACE(box->objectName().toStdString());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(box->selectedText(), box->text());
  }
  QTest::mouseClick(w.TxtBunkatsuV, Qt::LeftButton, {}, QPoint(3, w.TxtBunkatsuV->height() / 2));
  QApplication::processEvents();
  EXPECT_EQ(w.TxtBunkatsuV->selectedText(), QString());  // the row-count box wants a double click
  QTest::mouseDClick(w.TxtBunkatsuV, Qt::LeftButton, {}, QPoint(3, w.TxtBunkatsuV->height() / 2));
  QApplication::processEvents();
  EXPECT_EQ(w.TxtBunkatsuV->selectedText(), QStringLiteral("12"));
}

TEST_F(FrmLayoutPageTest, AResizedWindowFitsThePreviewAgain) {
  setPages(1);
  addRegion(0, {30, 100, 40, 120});
  FrmLayout& w = open();
  const QRect before = w.PicPage->geometry();
  w.resize(w.width() + 200, w.height() - 120);
  QApplication::processEvents();
  const QRect after = w.PicPage->geometry();
  EXPECT_NE(after, before);
  EXPECT_TRUE(w.PicArea->rect().contains(after));
  EXPECT_NEAR(double(after.height()) / after.width(), 297.0 / 210, 0.01);
  EXPECT_EQ(colourAt(60, 80), kCyan);  // the page is drawn again at the new size
}
