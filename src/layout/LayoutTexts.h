#pragma once
// Texts the layout editor shows: coordinates, the page caption, placement captions.

#include <QString>

#include "layout/RegionGeometry.h"

namespace qv {

struct HaichiRec;
struct TaikaiRec;

// Shortest decimal form of a millimetre value, no zero before the point of a fraction:
// 12, -3, 12.5, .5.
QString CoordText(float value);

// "(x,y)" for a pointer position; "(X1,Y1)-(X2,Y2)" for a rectangle.
QString PointText(float x, float y);
QString RectText(const RegionRect& rect);

// "page/count頁", the page counted from 1.
QString PageCaption(int currentPage, int pageCount);

// The label of a placement on the preview: the phrase name of a text block or the roster,
// otherwise the event's name and the kind in parentheses, with the size for upper rounds.
QString HaichiCaption(const HaichiRec& haichi, const TaikaiRec& taikai);

}  // namespace qv
