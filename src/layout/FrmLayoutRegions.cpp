// The regions of the page shown: a region added from the rubber band, selected, deselected
// or deleted. The selection is program_.insatsu.CurrentRyouiki, -1 for none.

#include "data/ModelAccess.h"
#include "layout/FrmLayout.h"
#include "layout/LayoutAccess.h"
#include "layout/RegionHitTest.h"
#include "program/Program.h"

namespace qv {

void FrmLayout::AddRegion() {
  PageRec* page = currentPage();
  if (!page) return;
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  const int n = regionCount(*page);
  page->Ryouiki.resize(oneBasedSize(n));
  RyouikiRec& region = page->Ryouiki.at(n);
  region = RyouikiRec{};
  // A region dragged right to left or bottom to top is stored upper-left first.
  EditRect = KeptOnPaper(Normalised(EditRect), rec.PaperWidth, rec.PaperHeight);
  StoreRect(region, EditRect);
  region.BunkatsuH = splitBoxCount(TxtBunkatsuH);
  region.BunkatsuV = splitBoxCount(TxtBunkatsuV);
  program_.insatsu.CurrentRyouiki = n;
  page->RyouikiCount = n + 1;
  program_.insatsu.LayoutChanged = true;
}

void FrmLayout::DeselectRegion() {
  if (program_.insatsu.CurrentRyouiki < 0) return;
  // Plain, without its split lines; they come back with the next redraw of the page.
  if (const RyouikiRec* region = currentRegion(); region && !region->Deleted)
    DrawRegion(RectOf(*region), 1, 1);
  program_.insatsu.CurrentRyouiki = -1;
}

void FrmLayout::DeleteRegion() {
  if (RyouikiRec* region = currentRegion()) {
    // The record stays, so the indices of the page's other regions do not change.
    region->Deleted = true;
    EraseRegionBox(RectOf(*region));
  }
  program_.insatsu.CurrentRyouiki = -1;
}

void FrmLayout::SelectRegionAt(int x, int y) {
  const int selected = program_.insatsu.CurrentRyouiki;
  DeselectRegion();
  program_.insatsu.CurrentRyouiki = selected;
  const PageRec* page = currentPage();
  const int hit = page ? FindRegionAt(*page, x, y) : -1;
  if (hit >= 0) {
    const RyouikiRec& region = *regionAt(*page, hit);
    if (hit != selected) ShowRegionProperties(hit);
    // Also when the region was selected already: the deselection above drew it plainly.
    DrawCurrentRegion(RectOf(region), region.BunkatsuH, region.BunkatsuV);
  }
  program_.insatsu.CurrentRyouiki = hit;
}
}  // namespace qv
