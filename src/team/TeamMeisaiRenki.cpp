#include "team/TeamMeisai.h"

#include <algorithm>
#include <climits>

#include "charts/ChartEnv.h"
#include "data/ModelAccess.h"
#include "data/Taikai.h"
#include "platform/Width.h"
#include "team/TeamMeisaiLayout.h"
#include "team/TeamMeisaiSheet.h"
#include "team/TeamSheet.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

long long nextRowStart(long long slot, int cols) { return (slot + cols - 1) / cols * cols; }

// The tie number of an event without a qualifying league: the event's abbreviation, and
// the tie's number when three or more teams play.
QString abbreviationTieNumber(const ShumokuRec* rec, const TeamShumokuRec& ev, int t) {
  QString s = rec ? rec->Ryakugou : ev.Ryakugou;
  if (usableCount(ev.TeamCount, ev.Teams) >= 3) s += QStringLiteral("-") + QString::number(t + 1);
  return platform::toFullWidth(s);
}

}  // namespace

bool PrintTeamMeisaiRenki(ChartEnv& env, int teamEvent, const TeamMeisaiLayout& layout,
                          int& pageCount, int startMode) {
  TeamOutputState& out = env.teamOutput;
  TeamSheetRun run;
  if (!PrepareTeamSheetRun(env, layout, teamEvent, run)) return false;
  if (!run.ev) return true;
  const TeamShumokuRec* ev = run.ev;
  const TeamSheetGrid& g = run.g;
  const QString& heading = run.heading;
  const long long cells = static_cast<long long>(g.cols) * g.rows;

  long long slot = std::max(out.TeamMeisaiSlot, 0);
  if (startMode == 0 || startMode == 10)
    slot = 0;
  else if (startMode == 1)
    slot = nextRowStart(slot, g.cols);

  const ShumokuRec* rec = TeamEventRecord(env.model, *ev);
  const bool hasLeague = rec && rec->YosenLeagueAri > 0;
  // Names are cut before their bracketed part on these sheets only; the bracketed text
  // prints in its own place.
  TaikaiSwitches sw = env.model.taikai.sw;
  sw.DelBla = true;

  const int stages = teamBlockCount(*ev);
  for (int s = 0; s < stages; ++s) {
    const TeamBlockRec& stage = ev->Blocks.at(s);
    if (s == stages - 1 && s >= 1) {
      if (IsTaikaiOption(env.model.taikai.sw, QStringLiteral("決勝トーナメント改行")))
        slot = nextRowStart(slot, g.cols);
      if (IsTaikaiOption(env.model.taikai.sw, QStringLiteral("決勝トーナメント改頁"))) slot = 0;
    }
    const int ties = tieCount(stage);
    for (int t = 0; t < ties; ++t) {
      const TeamTaisenRec& tie = stage.Taisens.at(t);
      if (tie.TeamA == tie.TeamB) continue;
      out.TaisenLabel = QString::number(t + 1);
      if (!TeamTieHasLineups(*ev, tie, out)) continue;
      if (t == 0 && stage.Meishou == QStringLiteral("決勝トーナメント")) slot = 0;
      // The run's first sheet: the page the slot points into was printed by an earlier run.
      if (pageCount == 0) slot -= slot % cells;
      if (slot % cells == 0) BeginTeamSheetPage(env, pageCount, g, heading);

      const double x0 = g.left + g.w * static_cast<double>(slot % g.cols);
      const double y0 = g.top + g.h * static_cast<double>((slot % cells) / g.cols);
      QString number;
      if (!hasLeague) {
        number = abbreviationTieNumber(rec, *ev, t);
      } else if (s < rec->YosenLeague.BlockCount) {
        const LeagueBlockRec* block = blockAt(rec->YosenLeague, s);
        number = block ? LeagueTieNumber(*block, t) : platform::toFullWidth(QString::number(t + 1));
      } else {
        number = KnockoutTieNumber(rec, t);
      }
      PrintTeamMeisaiSheet(env, run, x0, y0, s, tie, number, sw);
      ++slot;
    }
  }
  out.TeamMeisaiSlot = static_cast<int>(std::min<long long>(slot, INT_MAX));
  return true;
}

}  // namespace qv
