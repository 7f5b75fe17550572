#pragma once
// Bounded access to the pages and regions of the layout model: the counts read from a
// results file need not match the lists, so the editor never indexes them directly.

#include "data/InsatsuSeigyoModel.h"
#include "data/ModelAccess.h"

namespace qv {

// Pages 0..PageCount, the empty page after the last one included.
inline int pageSlots(const InsatsuSeigyoRec& layout) {
  return usableCount(layout.PageCount + 1, layout.Pages);
}
inline PageRec* pageAt(InsatsuSeigyoRec& layout, long long i) {
  return itemAt(layout.PageCount + 1, layout.Pages, i);
}
inline const PageRec* pageAt(const InsatsuSeigyoRec& layout, long long i) {
  return itemAt(layout.PageCount + 1, layout.Pages, i);
}

inline int regionCount(const PageRec& page) { return usableCount(page.RyouikiCount, page.Ryouiki); }
inline RyouikiRec* regionAt(PageRec& page, long long i) {
  return itemAt(page.RyouikiCount, page.Ryouiki, i);
}
inline const RyouikiRec* regionAt(const PageRec& page, long long i) {
  return itemAt(page.RyouikiCount, page.Ryouiki, i);
}

inline int placementCount(const RyouikiRec& region) {
  return usableCount(region.HaichiCount, region.Haichi);
}

}  // namespace qv
