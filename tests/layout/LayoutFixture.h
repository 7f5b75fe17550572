#pragma once
// The layout editor on a program of the test's own: events and pages set up in a line, the
// window loaded and shown offscreen, and the mouse driven in millimetres of the paper.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>

#include "data/ModelAccess.h"
#include "layout/FrmLayout.h"
#include "layout/LayoutAccess.h"
#include "layout/PagePicture.h"
#include "support/LayoutRegions.h"
#include "support/TestProgram.h"

namespace qv::test {

// The colours of the preview.
inline const QColor kCyan(0, 255, 255);   // a region
inline const QColor kWhite(255, 255, 255);  // the paper inside the margins
inline const QColor kGrey(0xC0, 0xC0, 0xC0);  // the margins
inline const QColor kRed(255, 0, 0);      // the outline of the selected region
inline const QColor kBlue(0, 0, 255);     // split lines

class LayoutFixture {
 public:
  InsatsuSeigyoRec& layout() { return tp.program.insatsu.InsatsuSeigyo; }
  int& currentRyouiki() { return tp.program.insatsu.CurrentRyouiki; }

  // count events named E0, E1, …, each with one league block and one knock-out.
  void setEvents(int count) {
    TaikaiRec& t = tp.program.taikai.Taikai;
    t.ShumokuCount = count;
    t.Shumoku.assign(static_cast<std::size_t>(count), ShumokuRec{});
    for (int i = 0; i < count; ++i) {
      ShumokuRec& e = t.Shumoku[static_cast<std::size_t>(i)];
      e.Name = QStringLiteral("E%1").arg(i);
      e.YosenLeague.BlockCount = 1;
      e.YosenLeague.Blocks.resize(1);
      e.TournamentCount = 1;
      e.Tournaments.resize(1);
      e.SankashaCount = 16;
    }
  }

  // count layout pages and the empty page after them.
  void setPages(int count) {
    layout().PageCount = 0;
    layout().Pages.assign(1, PageRec{});
    for (int i = 0; i < count; ++i) layout().AppendPage();
  }

  RyouikiRec& addRegion(int page, RegionRect rect, int splitH = 1, int splitV = 1) {
    PageRec& p = layout().Pages[static_cast<std::size_t>(page)];
    RyouikiRec r = MakeRegion(0, 0, 0, 0, splitH, splitV);
    StoreRect(r, rect);
    return AppendRegion(p, r);
  }

  const PageRec& page(int i) const {
    return tp.program.insatsu.InsatsuSeigyo.Pages[static_cast<std::size_t>(i)];
  }

  FrmLayout& open() {
    form = std::make_unique<FrmLayout>(tp.program);
    form->Form_Load();
    form->show();
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());  // focus changes need an active window
    QApplication::processEvents();
    return *form;
  }

  // The pixel of the preview at a point of the paper.
  QPoint at(double x, double y) const { return form->PicPage->toPixels(x, y); }
  void press(double x, double y) { pressAt(at(x, y)); }
  void move(double x, double y) { moveTo(at(x, y)); }
  void release(double x, double y) { releaseAt(at(x, y)); }
  void pressAt(QPoint pixel) {
    QTest::mousePress(form->PicPage, Qt::LeftButton, {}, pixel);
    held_ = true;
  }
  void releaseAt(QPoint pixel) {
    QTest::mouseRelease(form->PicPage, Qt::LeftButton, {}, pixel);
    held_ = false;
  }
  // Sent straight to the preview, with or without the button held: a move of the system
  // pointer would reach whichever window lies under it.
  void moveTo(QPoint pixel) {
    QMouseEvent me(QEvent::MouseMove, pixel, form->PicPage->mapToGlobal(pixel), Qt::NoButton,
                   held_ ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(form->PicPage, &me);
  }
  // A pixel beyond the preview's lower right corner.
  QPoint beyond(int dx, int dy) const {
    return QPoint(form->PicPage->width() + dx, form->PicPage->height() + dy);
  }
  void click(double x, double y) {
    press(x, y);
    release(x, y);
  }
  void drag(double x1, double y1, double x2, double y2) {
    press(x1, y1);
    move((x1 + x2) / 2, (y1 + y2) / 2);
    move(x2, y2);
    release(x2, y2);
  }

  // The colour the preview shows at a point of the paper.
  QColor colourAt(double x, double y) const {
    return form->PicPage->canvas().pixelColor(at(x, y) * form->PicPage->canvas().devicePixelRatio());
  }

  TestProgram tp;
  std::unique_ptr<FrmLayout> form;

 private:
  bool held_ = false;
};

}  // namespace qv::test
