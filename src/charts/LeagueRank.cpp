#include <QStringBuilder>

#include "charts/ChartEnv.h"
#include "charts/ChartUtil.h"
#include "charts/LeagueTable.h"

namespace qv {

void PrintLeagueRank(LeagueTable& t, int i, bool showRanks, int limit) {
  PrintDevice& d = t.env.device;
  const LeagueGeometry& g = t.g;
  const double ty = g.rowTop(i);
  const auto& ranks = t.block.SankashaIchi;
  const int rank = i < static_cast<int>(ranks.size()) ? ranks[static_cast<size_t>(i)] : 0;
  LeagueJuniRec juni;
  if (i < static_cast<int>(t.block.Juni.size())) juni = t.block.Juni[static_cast<size_t>(i)];

  // A slot that has won or lost every match knows its rank before the block is complete;
  // a withdrawn slot (999) always shows its mark.
  const float played = juni.Kachi + juni.Make;
  if (rank > 0 && (showRanks || juni.Kachi == t.matchesToPlay || juni.Make == t.matchesToPlay ||
                   played == limit || rank == 999))
    d.PrintStr(g.X2 - g.U - g.Cw / 2, ty + (g.R - g.Ch) / 2, g.Ch, g.Cw, g.Cw, 0, FormatJuni(rank));

  if (g.T && juni.ShiaiKachi + static_cast<long long>(juni.ShiaiMake) > 0) {
    // Half a millimetre clear of the lines on both sides: a narrow column shrinks the
    // texts to its width, and their last digit would otherwise touch the rank column.
    const double x = g.X2 - 5 * g.U + 0.5;
    const double x2 = g.X2 - 2 * g.U - 0.5;
    const double s = g.R / 4;
    const auto line = [&](double y, const QString& key, int won, int lost) {
      // Built in one string: these three lines stand in every row of every block.
      const QString text = key % QString::number(won) % u'-' % QString::number(lost);
      d.PrintStr(x, ty + y, s, s, s, x2, text);
    };
    line(g.R / 16, QStringLiteral("M "), juni.ShiaiKachi, juni.ShiaiMake);
    line(6 * g.R / 16, QStringLiteral("G "), juni.GameKachi, juni.GameMake);
    line(11 * g.R / 16, QStringLiteral("P "), juni.PointKachi, juni.PointMake);
  }
}

}  // namespace qv
