#include "layout/RegionHitTest.h"

#include <array>
#include <cmath>

#include "layout/LayoutAccess.h"
#include "platform/Numbers.h"

namespace qv {

int FindRegionAt(const PageRec& page, double x, double y) {
  double best = 99999;
  int hit = -1;
  for (int i = 0; i < regionCount(page); ++i) {
    const RyouikiRec& region = *regionAt(page, i);
    if (region.Deleted) continue;
    const RegionRect r = RectOf(region);
    if (!ContainsPoint(r, x, y)) continue;
    const std::array<double, 4> distances{x - r.X1, r.X2 - x, y - r.Y1, r.Y2 - y};
    for (double d : distances) {
      // The exact distance is compared with the best one kept in whole millimetres.
      if (d < best) {
        best = platform::roundHalfEven(d);
        hit = i;
      }
    }
  }
  return hit;
}

DragHandleChoice DragHandleAt(const RegionRect& rect, double x, double y) {
  if (!ContainsPoint(rect, x, y)) return {QString(), PointerShape::Arrow};
  const auto near = [](double d) { return platform::roundHalfEven(std::fabs(d)) < 5; };
  const bool left = near(rect.X1 - x);
  const bool right = near(x - rect.X2);
  const bool top = near(rect.Y1 - y);
  const bool bottom = near(y - rect.Y2);
  // The bottom edge decides over the top one on a region too thin to tell them apart.
  if (left) {
    if (bottom) return {QStringLiteral("左下"), PointerShape::SizeNeSw};
    if (top) return {QStringLiteral("左上"), PointerShape::SizeNwSe};
    return {QStringLiteral("左"), PointerShape::SizeWe};
  }
  if (right) {
    if (bottom) return {QStringLiteral("右下"), PointerShape::SizeNwSe};
    if (top) return {QStringLiteral("右上"), PointerShape::SizeNeSw};
    return {QStringLiteral("右"), PointerShape::SizeWe};
  }
  if (top) return {QStringLiteral("上"), PointerShape::SizeNs};
  if (bottom) return {QStringLiteral("下"), PointerShape::SizeNs};
  return {QStringLiteral("移動"), PointerShape::SizeAll};
}

}  // namespace qv
