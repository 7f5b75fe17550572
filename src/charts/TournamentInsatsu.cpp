#include "charts/TournamentInsatsu.h"

#include <algorithm>

namespace qv {

float TournamentHaichiRec::ColumnX(int side, int j) const {
  const std::vector<float>& cols = TournamentColumnX[side == 1 ? 1 : 0];
  if (cols.empty()) return 0.f;
  return cols.at(std::clamp<int>(j, 0, static_cast<int>(cols.size()) - 1));
}

void SetTournamentHaichi(TournamentChartState& state, int sankaCount, int levelCount,
                         int ketteiJuni, float scale, const QString& finalCaption) {
  const TournamentInsatsuRec& ti = state.TournamentInsatsu;
  TournamentHaichiRec& h = state.Haichi;
  const AreaRect& a = ti.Area;
  const int pageCount = std::max(ti.PageCount, 1);

  h.TournamentSides = ti.Keishiki == QStringLiteral("左右") ? 2 : 1;
  const int sides = h.TournamentSides;
  const float w = (a.X2 - a.X1) / static_cast<float>(sides);

  int rows = (sides * pageCount + std::max(sankaCount, 0) - 1) / (sides * pageCount);
  if ((ketteiJuni == 0 && pageCount == 1) ||
      (pageCount == 2 && ketteiJuni < 2 && !finalCaption.isEmpty()))
    rows += 2;
  // An empty draw still gets one row, so the pitch stays finite.
  rows = std::max(rows, 1);
  h.TournamentRowPitch = (a.Y2 - a.Y1 - 5.f) / static_cast<float>(rows);
  h.TournamentFirstRowY = 0.5f * h.TournamentRowPitch + a.Y1 + 5.f;

  int g = 1;
  for (int p = pageCount; p > 1 && g < 5; p /= 2) ++g;
  const int levels = std::max(levelCount, 1);
  // A page cut finer than the draw has rounds would leave no room for them; one column
  // is the least a side gets.
  const int columns = std::max(levels + 2 - sides - g, 1);
  h.TournamentColumnWidth =
      (w - state.NameColumnRatio * w - state.ShozokuColumnRatio * w - 2.f) /
      static_cast<float>(columns);

  const size_t needed = static_cast<size_t>(std::max(kTournamentColumns, levels + 7));
  for (auto& cols : h.TournamentColumnX)
    if (cols.size() < needed) cols.resize(needed, 0.f);

  std::vector<float>& left = h.TournamentColumnX[0];
  left[0] = a.X1;
  left[1] = left[0] + state.NameColumnRatio * w;
  left[2] = left[1] + 1.f;
  left[3] = left[2] + state.ShozokuColumnRatio * w;
  left[4] = left[3] + 1.f;
  const int last = levels - sides + 1;
  for (int j = 0; j <= last; ++j)
    left.at(j + 5) = left.at(j + 4) + h.TournamentColumnWidth * scale;

  if (sides != 2) return;
  std::vector<float>& right = h.TournamentColumnX[1];
  right[3] = a.X2;
  right[2] = right[3] - state.ShozokuColumnRatio * w;
  right[1] = right[2] - 1.f;
  right[0] = right[1] - state.NameColumnRatio * w;
  right[4] = right[0] - 1.f;
  for (int j = 0; j <= last; ++j)
    right.at(j + 5) = right.at(j + 4) - h.TournamentColumnWidth * scale;
}

}  // namespace qv
