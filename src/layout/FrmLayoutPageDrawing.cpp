// The layout editor's page preview fitted to the paper, the redraw of a page with its
// regions and placement labels, the selected region's settings, and paging.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "layout/FrmLayout.h"
#include "layout/LayoutAccess.h"
#include "layout/LayoutTexts.h"
#include "layout/PagePicture.h"
#include "layout/TypedNumbers.h"
#include "program/Program.h"

namespace qv {

namespace {

const QColor kPaperWhite(255, 255, 255);
const QColor kRegionCyan(0, 255, 255);
const QColor kSplitBlue(0, 0, 255);
const QColor kSelectedRed(255, 0, 0);
const QColor kEraseWhite(255, 255, 255);

// More split lines than this would only fill the region with blue; a count read from a
// file is not otherwise limited.
constexpr int kMaxSplitLines = 1000;

// The first region of the page that still exists, -1 when there is none.
int firstLiveRegion(const PageRec* page) {
  if (!page) return -1;
  for (int i = 0; i < regionCount(*page); ++i)
    if (!regionAt(*page, i)->Deleted) return i;
  return -1;
}

}  // namespace

PageRec* FrmLayout::currentPage() {
  return pageAt(program_.insatsu.InsatsuSeigyo, program_.insatsu.CurrentPage);
}

RyouikiRec* FrmLayout::currentRegion() {
  PageRec* page = currentPage();
  return page ? regionAt(*page, program_.insatsu.CurrentRyouiki) : nullptr;
}

// The same bounds as placement gives the counts: a count typed at region creation reaches
// the print run as it stands.
int FrmLayout::splitBoxCount(const QLineEdit* box) const { return SplitCount(box->text(), 0); }

void FrmLayout::ShowPage() {
  GridReady = false;
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  PreviewArea = QRectF(PicArea->rect());
  PicPage->setPaper(rec.PaperWidth, rec.PaperHeight);
  PicPage->setGeometry(FitPreview(PreviewArea, rec.PaperWidth, rec.PaperHeight).toRect());
  ShowPageCaption();
  {
    const QSignalBlocker quiet(HScPage);
    HScPage->setRange(0, std::max(0, rec.PageCount));
    HScPage->setValue(program_.insatsu.CurrentPage);
  }
  ShowRegionProperties(program_.insatsu.CurrentRyouiki);
  ShowShumokuGrid();
  DrawPage();
  GridReady = true;
}

void FrmLayout::ShowPageCaption() {
  LblPage->setText(PageCaption(program_.insatsu.CurrentPage, program_.insatsu.InsatsuSeigyo.PageCount));
}

void FrmLayout::DrawPage() {
  const int selected = program_.insatsu.CurrentRyouiki;
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  PicPage->Cls();
  PicPage->FillBox(RegionRect{rec.MarginLeft, rec.PaperWidth - rec.MarginRight, rec.MarginTop,
                              rec.PaperHeight - rec.MarginBottom},
                   kPaperWhite);
  for (QLabel* l : LblHaichi) l->setVisible(false);
  HaichiLabelCount = 0;
  const PageRec* page = currentPage();
  if (!page) return;
  for (int i = 0; i < regionCount(*page); ++i) {
    const RyouikiRec& region = *regionAt(*page, i);
    if (region.Deleted) continue;
    if (i == selected) DrawCurrentRegion(RectOf(region), region.BunkatsuH, region.BunkatsuV);
    else DrawRegion(RectOf(region), region.BunkatsuH, region.BunkatsuV);
    for (int k = 0; k < placementCount(region); ++k)
      AddHaichiLabel(region, k, HaichiCaption(region.Haichi.at(k),
                                              program_.taikai.Taikai));
  }
  program_.insatsu.CurrentRyouiki = selected;
}

void FrmLayout::DrawRegion(const RegionRect& rect, int splitH, int splitV) {
  PicPage->FillBox(rect, kRegionCyan);
  if (splitH < 1 || splitV < 1) return;
  const float stepY = (rect.Y2 - rect.Y1) / static_cast<float>(splitV);
  for (int k = 1; k < std::min(splitV, kMaxSplitLines); ++k) {
    const float y = rect.Y1 + static_cast<float>(k) * stepY;
    PicPage->Line(rect.X1, y, rect.X2, y, kSplitBlue);
  }
  const float stepX = (rect.X2 - rect.X1) / static_cast<float>(splitH);
  for (int k = 1; k < std::min(splitH, kMaxSplitLines); ++k) {
    const float x = rect.X1 + static_cast<float>(k) * stepX;
    PicPage->Line(x, rect.Y1, x, rect.Y2, kSplitBlue);
  }
}

void FrmLayout::DrawCurrentRegion(const RegionRect& rect, int splitH, int splitV) {
  if (splitH == 0) {
    splitH = splitBoxCount(TxtBunkatsuH);
    splitV = splitBoxCount(TxtBunkatsuV);
  }
  DrawRegion(rect, splitH, splitV);
  PicPage->OutlineBox(rect, kSelectedRed);
}

void FrmLayout::EraseRegionBox(const RegionRect& rect) { PicPage->OutlineBox(rect, kEraseWhite); }

void FrmLayout::AddHaichiLabel(const RyouikiRec& region, int k, const QString& caption) {
  const int n = HaichiLabelCount;
  if (HaichiLabelMax < n) {
    auto* copy = new QLabel(PicPage);
    copy->setObjectName(QStringLiteral("LblHaichi_%1").arg(n));
    copy->setFont(LblHaichi[0]->font());
    copy->setPalette(LblHaichi[0]->palette());
    copy->resize(LblHaichi[0]->size());
    LblHaichi.push_back(copy);
    HaichiLabelMax = n;
  }
  QLabel* l = LblHaichi.at(n);
  const double pixelsPerMm = PicPage->pixelsPerMmY();
  const double h = pixelsPerMm > 0 ? LblHaichi[0]->height() / pixelsPerMm : 0;
  // Placed by the region's upper-left corner whichever way it was drawn; a region too
  // narrow for the 1 mm insets gives an empty label rather than a negative width.
  const RegionRect r = Normalised(RectOf(region));
  const QPoint topLeft = PicPage->toPixels(r.X1 + 1, r.Y1 + 1 + k * h);
  const QPoint topRight = PicPage->toPixels(std::max(r.X1 + 1, r.X2 - 1), r.Y1 + 1);
  l->setText(caption);
  l->setGeometry(topLeft.x(), topLeft.y(), topRight.x() - topLeft.x(), LblHaichi[0]->height());
  l->setVisible(true);
  l->raise();
  HaichiLabelCount = n + 1;
}

void FrmLayout::ShowRegionProperties(int r) {
  const PageRec* page = currentPage();
  if (!page) return;
  const RyouikiRec* region = regionAt(*page, r);
  if (!region) return;
  TxtBunkatsuH->setText(QString::number(region->BunkatsuH));
  TxtBunkatsuV->setText(QString::number(region->BunkatsuV));
  if (region->TournamentKeishiki >= 0 && region->TournamentKeishiki < static_cast<int>(OptTournament.size()))
    OptTournament.at(region->TournamentKeishiki)->setChecked(true);
}

void FrmLayout::HScPage_Change() {
  program_.insatsu.CurrentPage = HScPage->value();
  // A deleted region can take no placement, so a page change selects the first one
  // that still exists.
  program_.insatsu.CurrentRyouiki = firstLiveRegion(currentPage());
  ShowPage();
}

}  // namespace qv
