#pragma once
// Which region lies under the pointer, and which edge or corner of the selected region
// the pointer would drag.

#include <QString>

#include "layout/RegionGeometry.h"

namespace qv {

struct PageRec;

// The live region containing the point whose nearest edge is nearest to it; among equal
// distances the region listed first. -1 when the point lies in no region.
int FindRegionAt(const PageRec& page, double x, double y);

// Mouse pointer codes of the preview.
enum class PointerShape {
  Arrow = 1,
  SizeAll = 5,
  SizeNeSw = 6,
  SizeNs = 7,
  SizeNwSe = 8,
  SizeWe = 9,
};

struct DragHandleChoice {
  QString handle;  // "", "移動", "左", "右", "上", "下", "左上", "左下", "右上", "右下"
  PointerShape pointer = PointerShape::Arrow;
};

// The handle under the point for the region: none outside it, a move inside it, an edge
// or corner within 4 mm (whole millimetres) of it.
DragHandleChoice DragHandleAt(const RegionRect& rect, double x, double y);

}  // namespace qv
