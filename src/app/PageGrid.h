#pragma once
// How the print runs divide a box into cells, and how a text block fills its region.

#include "print/PrintRunState.h"

namespace qv {

struct KankyouState;
struct MojiretsuItem;

// A box cut into cols × rows equal cells with gaps between them (millimetres).
struct PageGrid {
  int cols = 1;
  int rows = 1;
  float cellW = 0;
  float cellH = 0;
  float gapX = 0;
  float gapY = 0;
  float stepX() const { return cellW + gapX; }
  float stepY() const { return cellH + gapY; }
};

// Splits of 0 or less count as 1; the gaps are the configured few/many gaps (fewer than 3
// columns, fewer than 5 rows: the wide ones).
PageGrid CalcPageGrid(const AreaRect& box, int splitH, int splitV, const KankyouState& gaps);

// Sizes and places the block so that its lines fill the box: one line step per line, the
// longest line across the width, characters at most 0.7 of a line step and never below
// 1 mm. Only the geometry of moji changes.
void FitTextBlock(const AreaRect& box, MojiretsuItem& moji);

}  // namespace qv
