#include "charts/LeagueGeometry.h"

#include <algorithm>

#include "print/PrintRunState.h"

namespace qv {

LeagueGeometry MakeLeagueGeometry(const AreaRect& area, const QString& shubetsu, int n,
                                  bool shozoku, bool shozokuKaigyou, bool meisai) {
  LeagueGeometry g;
  g.X1 = area.X1;
  g.X2 = area.X2;
  g.Y1 = area.Y1;
  g.Y2 = area.Y2;
  g.N = n;
  g.trio = shubetsu == QStringLiteral("３人");
  g.pairs = shubetsu == QStringLiteral("複");
  g.K = g.trio ? 3 : 2;
  g.A = shozoku && !shozokuKaigyou;
  g.T = meisai;
  g.U = (g.X2 - g.X1) / (3.4 * n + (g.A ? 13 : 7.5) + (g.T ? 3 : 0));
  g.R = (g.Y2 - g.Y1) / (n + 1);
  g.C = 3.4 * g.U;
  g.W = (g.A ? 11 : 5.5) * g.U;

  // One name line centred in the row unless the slot holds a pair or shows its affiliation
  // under the name.
  const bool oneLine = !g.pairs && !shozokuKaigyou;
  const double v = oneLine ? g.R / 1.4 : g.R / (1.2 * g.K + 0.2);
  g.H = std::min(g.U, v);
  g.LeftFirst = oneLine ? g.R / 2 - g.H / 2 : g.R / 2 - 1.1 * g.H;
  g.HeaderFirst = !g.pairs ? g.R / 2 - g.H / 2 : g.R / 2 - 1.1 * g.H;
  if (g.trio) g.H = 10 * g.R / 38;

  g.Hb = g.R / 2.4;
  g.Hr = std::min(g.Hb, 1.4 * g.U);
  g.Cw = g.U;
  g.Ch = 0.8 * g.R;
  if (2 * g.Ch < g.Cw) g.Cw = 2 * g.Ch;
  if (2 * g.Cw < g.Ch) g.Ch = 2 * g.Cw;
  return g;
}

}  // namespace qv
