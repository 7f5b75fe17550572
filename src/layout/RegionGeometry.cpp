#include "layout/RegionGeometry.h"

#include <algorithm>

#include "data/InsatsuSeigyoModel.h"

namespace qv {

RegionRect RectOf(const RyouikiRec& region) {
  return RegionRect{region.X1, region.X2, region.Y1, region.Y2};
}

void StoreRect(RyouikiRec& region, const RegionRect& rect) {
  region.X1 = rect.X1;
  region.X2 = rect.X2;
  region.Y1 = rect.Y1;
  region.Y2 = rect.Y2;
}

RegionRect Normalised(const RegionRect& rect) {
  return RegionRect{std::min(rect.X1, rect.X2), std::max(rect.X1, rect.X2),
                    std::min(rect.Y1, rect.Y2), std::max(rect.Y1, rect.Y2)};
}

RegionRect KeptOnPaper(const RegionRect& rect, float paperWidth, float paperHeight) {
  const float w = std::max(0.0f, paperWidth);
  const float h = std::max(0.0f, paperHeight);
  return RegionRect{std::clamp(rect.X1, 0.0f, w), std::clamp(rect.X2, 0.0f, w),
                    std::clamp(rect.Y1, 0.0f, h), std::clamp(rect.Y2, 0.0f, h)};
}

namespace {

// The part of d that keeps [lo + d, hi + d] within [0, limit]; a span wider than the
// paper may still only move towards it.
double keptShift(double lo, double hi, double d, double limit) {
  const double least = -lo;          // the low edge may not go below 0
  const double most = limit - hi;    // the high edge may not pass the limit
  if (least > most) return 0;
  return std::clamp(d, least, most);
}

}  // namespace

QPointF ShiftKeptOnPaper(const RegionRect& rect, double dx, double dy, float paperWidth,
                         float paperHeight) {
  const RegionRect n = Normalised(rect);
  return QPointF(keptShift(n.X1, n.X2, dx, paperWidth), keptShift(n.Y1, n.Y2, dy, paperHeight));
}

bool ContainsPoint(const RegionRect& rect, double x, double y) {
  return rect.X1 <= x && x <= rect.X2 && rect.Y1 <= y && y <= rect.Y2;
}

QRectF FitPreview(const QRectF& area, float paperWidth, float paperHeight) {
  if (paperWidth <= 0 || paperHeight <= 0 || area.width() <= 0) return area;
  const double a = area.height() / area.width();
  const double p = static_cast<double>(paperHeight) / paperWidth;
  if (p <= a) {
    const double height = area.width() * p;
    return QRectF(area.left(), area.top() + (area.height() - height) / 2, area.width(), height);
  }
  const double width = area.height() / p;
  return QRectF(area.left() + (area.width() - width) / 2, area.top(), width, area.height());
}

QTransform PreviewTransform(const QSizeF& pixels, float paperWidth, float paperHeight) {
  if (paperWidth <= 0 || paperHeight <= 0) return QTransform();
  return QTransform::fromScale(pixels.width() / paperWidth, pixels.height() / paperHeight);
}

}  // namespace qv
