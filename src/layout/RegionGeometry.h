#pragma once
// Region rectangles in millimetres of the paper, and the one mapping from those
// millimetres to the pixels of the page preview. The model, the editor and the print run
// all speak millimetres; only the preview widget turns them into pixels, through
// PreviewTransform, so what the preview shows is where the print puts it.

#include <QRectF>
#include <QTransform>

namespace qv {

struct RyouikiRec;

// The four edges of a region in the order the region record keeps them.
struct RegionRect {
  float X1 = 0;
  float X2 = 0;
  float Y1 = 0;
  float Y2 = 0;
  bool operator==(const RegionRect&) const = default;
};

RegionRect RectOf(const RyouikiRec& region);
void StoreRect(RyouikiRec& region, const RegionRect& rect);

// The same rectangle with X1 <= X2 and Y1 <= Y2, whichever corner the drag began at.
RegionRect Normalised(const RegionRect& rect);

// Every edge held on the paper (0..width, 0..height).
RegionRect KeptOnPaper(const RegionRect& rect, float paperWidth, float paperHeight);

// The shift (dx, dy) cut down so that the moved rectangle stays on the paper; a rectangle
// already on the paper never leaves it, whatever the pointer does.
QPointF ShiftKeptOnPaper(const RegionRect& rect, double dx, double dy, float paperWidth,
                         float paperHeight);

// Edges included; only a normalised rectangle can contain a point.
bool ContainsPoint(const RegionRect& rect, double x, double y);

// The part of area that the paper fills, keeping the paper's proportions: the full width
// when the paper is no taller for its width than the area (centred up and down), else the
// full height (centred across). Paper sizes of 0 or less give the whole area.
QRectF FitPreview(const QRectF& area, float paperWidth, float paperHeight);

// Millimetres of the paper (origin at its top-left corner) to pixels of a preview of the
// given size.
QTransform PreviewTransform(const QSizeF& pixels, float paperWidth, float paperHeight);

}  // namespace qv
