// Layout items: a page phrase field, page-overlay text or page number, and the line blocks
// of 文字列 placements.

#include <QStringView>

#include <algorithm>

#include "data/BunshouItems.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/TextVars.h"
#include "print/PrintDevice.h"

namespace qv {

void PrintDevice::PrintLayoutItem(const BunshouItem& item, const TextVarState& textVars) {
  const QString s = ExpandLayoutText(textVars, item.Text);
  if (s.isEmpty()) return;
  if (s.startsWith(QStringLiteral("IMG:"))) {
    // A picture as high as the item's characters, as wide as its aspect ratio gives.
    OutputImage(item.X, item.Y, 0, item.Height, s.mid(4), -1);
    return;
  }
  if (!item.FontName.isEmpty()) SetFontName(item.FontName);
  FontBold = item.Bold;

  const double x = item.X;
  const double pitch = item.Pitch;
  const double x2 = item.X2;
  const int n = LenAnsi(s);
  const double left = x >= 0 ? x : std::max(x2 - n * pitch / 2, -x);
  if (pitch >= 0) {
    PrintStr(left, item.Y, item.Height, item.Width, pitch, x2, s);
    return;
  }
  // Centred between the left edge and x2, shrunk when it would not fit.
  double p = -pitch;
  double w = item.Width;
  const double needed = item.Width + (n - 2) * p / 2;
  double ratio = 1;
  if (x < 0) {
    // A negative X puts the left edge at |X|, which may lie beyond x2: only a real squeeze
    // shrinks, and no room at all prints at the item's own size.
    if (needed > 0 && x2 > left) ratio = (x2 - left) / needed;
  } else if (needed != 0) {
    ratio = (x2 - left) / needed;
  }
  if (ratio < 1) {
    w = item.Width * ratio;
    p = p * ratio;
  }
  PrintStrCenter((left + x2) / 2, item.Y, item.Height, w, p, s);
}

void PrintDevice::PrintLayoutItemLines(const MojiretsuItem& item) {
  if (!item.FontName.isEmpty()) SetFontName(item.FontName);
  FontBold = item.Bold;
  // The lines print as they stand: no placeholders, no pictures.
  const qsizetype count = std::min<qsizetype>(item.LineCount, item.Lines.size());
  double y = item.Y;
  for (qsizetype k = 0; k < count; ++k) {
    PrintStr(item.X, y, item.Height, item.Width, item.Pitch, item.X2, item.Lines[k]);
    y += item.LineStep;
  }
}

}  // namespace qv
