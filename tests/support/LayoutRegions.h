#pragma once
// Layout regions for tests: one built from its corners and split, one appended to a page
// with the page's count kept in step.

#include "data/InsatsuSeigyoModel.h"

namespace qv::test {

inline RyouikiRec MakeRegion(float x1, float x2, float y1, float y2, int splitH = 1,
                             int splitV = 1) {
  RyouikiRec r;
  r.X1 = x1;
  r.X2 = x2;
  r.Y1 = y1;
  r.Y2 = y2;
  r.BunkatsuH = splitH;
  r.BunkatsuV = splitV;
  return r;
}

inline RyouikiRec& AppendRegion(PageRec& page, const RyouikiRec& region) {
  page.Ryouiki.push_back(region);
  page.RyouikiCount = static_cast<int>(page.Ryouiki.size());
  return page.Ryouiki.back();
}

}  // namespace qv::test
