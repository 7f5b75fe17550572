#include "charts/ChartEnv.h"
#include "charts/LeagueTable.h"
#include "platform/Width.h"

namespace qv {

namespace {

void PrintHeaderCell(LeagueTable& t) {
  PrintDevice& d = t.env.device;
  const LeagueGeometry& g = t.g;
  const QString prefix = t.opt.ryakugou ? "(" + t.ev.Ryakugou + ")" : QString();
  const QString title = t.ev.Name + prefix;
  if (t.ev.YosenLeague.BlockCount > 1) {
    // Event name over the block caption.
    const double x = g.X1 + g.Hb / 2;
    const double x2 = g.X1 + g.W - g.Hb / 2;
    d.PrintStr(x, g.Y1 + g.R / 2 - 1.1 * g.Hb, g.Hb, g.Hb, 0, x2, title);
    d.PrintStr(x, g.Y1 + g.R / 2 + 0.1 * g.Hb, g.Hb, g.Hb, 0, x2,
               platform::toFullWidth(t.block.Name) + t.env.model.taikai.sw.LeagueBlockName);
  } else {
    const double hh = g.Hb > g.H ? g.Hb : g.H;
    d.PrintStr(g.X1 + g.H / 2, g.Y1 + g.R / 2 - hh / 2, hh, g.H, 0, g.X1 + g.W - g.H / 2, title);
  }
}

}  // namespace

void PrintLeagueFrame(LeagueTable& t) {
  PrintDevice& d = t.env.device;
  const LeagueGeometry& g = t.g;
  d.SetDrawWidth(0.5);
  d.OutputRect(g.X1, g.Y1, g.X2, g.Y2, false);
  d.OutputLine(g.X1, g.Y1 + g.R, g.X2, g.Y1 + g.R);
  d.OutputLine(g.X1 + g.W, g.Y1, g.X1 + g.W, g.Y2);
  d.SetDrawWidth(0.2);
  if (g.T) {
    d.OutputLine(g.rankLeft(), g.Y1, g.rankLeft(), g.Y2);
    d.PrintStr(g.wonLostLeft() + 0.3 * g.H, g.Y1 + g.R / 2 - g.H / 2, g.H, g.H, 0,
               g.rankLeft() - 0.3 * g.H, QStringLiteral("勝敗"));
  }
  // Through every cell where a slot meets itself.
  d.OutputLine(g.X1 + g.W, g.Y1 + g.R, g.cellsRight(), g.Y2);

  PrintHeaderCell(t);

  const double x = g.rankCentre() - g.Hr / 2;
  d.PrintStr(x, g.Y1 + g.R / 2 - 1.1 * g.Hb, g.Hb, g.Hr, g.Hr, 0, QStringLiteral("順"));
  d.PrintStr(x, g.Y1 + g.R / 2 + 0.1 * g.Hb, g.Hb, g.Hr, g.Hr, 0, QStringLiteral("位"));
}

}  // namespace qv
