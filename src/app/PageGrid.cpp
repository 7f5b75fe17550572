#include "app/PageGrid.h"

#include <algorithm>

#include "data/InsatsuSeigyoModel.h"
#include "data/KankyouState.h"
#include "print/PrintDevice.h"

namespace qv {

PageGrid CalcPageGrid(const AreaRect& box, int splitH, int splitV, const KankyouState& gaps) {
  PageGrid g;
  g.cols = std::max(1, splitH);
  g.rows = std::max(1, splitV);
  g.gapX = g.cols < 3 ? gaps.AutoGapXFew : gaps.AutoGapXMany;
  g.gapY = g.rows < 5 ? gaps.AutoGapYFew : gaps.AutoGapYMany;
  g.cellW = ((box.X2 - box.X1) - g.gapX * static_cast<float>(g.cols - 1)) / static_cast<float>(g.cols);
  g.cellH = ((box.Y2 - box.Y1) - g.gapY * static_cast<float>(g.rows - 1)) / static_cast<float>(g.rows);
  return g;
}

void FitTextBlock(const AreaRect& box, MojiretsuItem& moji) {
  if (moji.LineCount <= 0) return;
  int maxBytes = 2;
  const qsizetype lines = std::min<qsizetype>(moji.LineCount, moji.Lines.size());
  for (qsizetype i = 0; i < lines; ++i) maxBytes = std::max(maxBytes, PrintDevice::LenAnsi(moji.Lines[i]));
  const float lineH = (box.Y2 - box.Y1) / static_cast<float>(moji.LineCount);
  const float charW = 2.f * (box.X2 - box.X1) / static_cast<float>(maxBytes);
  const float size = std::max(1.0f, std::min(charW, 0.7f * lineH));
  moji.X = box.X1;
  moji.Y = box.Y1;
  moji.Height = size;
  moji.Width = size;
  moji.Pitch = charW;
  moji.LineStep = lineH;
}

}  // namespace qv
