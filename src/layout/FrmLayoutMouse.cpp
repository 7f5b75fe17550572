// Drawing and changing regions with the mouse on the page preview. EditMode is the state:
//   領域作成   the next press starts a new region
//   領域作成中 a new region is being dragged out
//   領域変更   the selection follows the pointer; a press keeps it
//   領域変形   moves pick the handle of the selected region; a press starts a drag or selects
//   変形処理   the selected region is being moved or resized
// Positions are whole millimetres of the paper, held on the paper, and every region is
// stored with its upper-left corner first, so that it can be hit, moved and printed the
// right way round.

#include <QLabel>

#include <algorithm>
#include <cmath>

#include "layout/EditModes.h"
#include "layout/FrmLayout.h"
#include "layout/LayoutTexts.h"
#include "layout/PagePicture.h"
#include "layout/RegionHitTest.h"
#include "platform/Numbers.h"
#include "program/Program.h"

namespace qv {

namespace {

using editmode::kCreate;
using editmode::kCreating;
using editmode::kDragging;
using editmode::kEdit;
using editmode::kHover;

// The pointer in whole millimetres, held on the paper: a region is never drawn, moved or
// stretched past the paper's edge, even when the pointer leaves the preview while dragging.
QPoint paperPoint(double x, double y, float paperWidth, float paperHeight) {
  const int right = std::max(0, static_cast<int>(std::floor(paperWidth)));
  const int bottom = std::max(0, static_cast<int>(std::floor(paperHeight)));
  return QPoint(std::clamp(platform::roundHalfEven(x), 0, right),
                std::clamp(platform::roundHalfEven(y), 0, bottom));
}

}  // namespace

void FrmLayout::PicPage_MouseDown(double X, double Y) {
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  const QPoint p = paperPoint(X, Y, rec.PaperWidth, rec.PaperHeight);
  const PageRec* page = currentPage();
  if (!page) return;
  // Deleted regions still count: a page whose regions were all deleted does not switch.
  if (page->RyouikiCount == 0) EditMode = kCreate;
  if (EditMode == kCreate) {
    EditRect = RegionRect{float(p.x()), float(p.x()), float(p.y()), float(p.y())};
    DrawXorBox(EditRect);
    EditMode = kCreating;
  } else if (EditMode == kHover) {
    DragHandle.clear();
    EditMode = kEdit;
  } else if (EditMode == kEdit) {
    const RyouikiRec* region = currentRegion();
    if (!DragHandle.isEmpty() && region && !region->Deleted) {
      DragOriginX = p.x();
      DragOriginY = p.y();
      EditRect = Normalised(RectOf(*region));
      EraseRegionBox(EditRect);
      DrawXorBox(EditRect);
      EditMode = kDragging;
    } else {
      SelectRegionAt(p.x(), p.y());
    }
  }
}

void FrmLayout::PicPage_MouseMove(double X, double Y) {
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  const QPoint p = paperPoint(X, Y, rec.PaperWidth, rec.PaperHeight);
  if (EditMode == kCreate) {
    LblRyouiki->setText(PointText(p.x(), p.y()));
  } else if (EditMode == kCreating) {
    DrawXorBox(EditRect);
    EditRect.X2 = p.x();
    EditRect.Y2 = p.y();
    DrawXorBox(EditRect);
    LblRyouiki->setText(RectText(EditRect));
  } else if (EditMode == kHover) {
    SelectRegionAt(p.x(), p.y());
    LblRyouiki->setText(PointText(p.x(), p.y()));
  } else if (EditMode == kEdit) {
    SetDragHandle(p.x(), p.y());
  } else if (EditMode == kDragging) {
    DragRegion(p.x(), p.y());
    LblRyouiki->setText(RectText(EditRect));
  }
}

void FrmLayout::PicPage_MouseUp(double X, double Y) {
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  const QPoint p = paperPoint(X, Y, rec.PaperWidth, rec.PaperHeight);
  if (EditMode == kCreating) {
    DrawXorBox(EditRect);
    EditRect.X2 = p.x();
    EditRect.Y2 = p.y();
    AddRegion();
    DrawCurrentRegion(EditRect, 0, 0);
    DragHandle.clear();
    EditMode = kEdit;
  } else if (EditMode == kDragging) {
    PicPage->setBand(std::nullopt);
    if (RyouikiRec* region = currentRegion()) {
      // Stored upper-left first whichever edge was dragged past the other.
      EditRect = KeptOnPaper(Normalised(EditRect), rec.PaperWidth, rec.PaperHeight);
      StoreRect(*region, EditRect);
    }
    DrawCurrentRegion(EditRect, 1, 1);
    DrawPage();
    EditMode = kEdit;
  }
}

// The band is an overlay over the picture; drawing the same band again takes it away, so
// a step of a drag is "erase the old band, draw the new one".
void FrmLayout::DrawXorBox(const RegionRect& rect) {
  if (PicPage->band() && *PicPage->band() == rect) PicPage->setBand(std::nullopt);
  else PicPage->setBand(rect);
}

void FrmLayout::SetDragHandle(int x, int y) {
  const RyouikiRec* region = currentRegion();
  if (!region || region->Deleted) return;
  const DragHandleChoice choice = DragHandleAt(Normalised(RectOf(*region)), x, y);
  DragHandle = choice.handle;
  PicPage->setPointer(choice.pointer);
}

void FrmLayout::DragRegion(int x, int y) {
  DrawXorBox(EditRect);
  if (DragHandle.contains(QStringLiteral("左"))) EditRect.X1 = x;
  if (DragHandle.contains(QStringLiteral("右"))) EditRect.X2 = x;
  if (DragHandle.contains(QStringLiteral("上"))) EditRect.Y1 = y;
  if (DragHandle.contains(QStringLiteral("下"))) EditRect.Y2 = y;
  if (DragHandle == QStringLiteral("移動")) {
    const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
    const QPointF shift = ShiftKeptOnPaper(EditRect, x - DragOriginX, y - DragOriginY,
                                           rec.PaperWidth, rec.PaperHeight);
    EditRect.X1 += static_cast<float>(shift.x());
    EditRect.X2 += static_cast<float>(shift.x());
    EditRect.Y1 += static_cast<float>(shift.y());
    EditRect.Y2 += static_cast<float>(shift.y());
    DragOriginX = x;
    DragOriginY = y;
  }
  DrawXorBox(EditRect);
  program_.insatsu.LayoutChanged = true;
}

}  // namespace qv
