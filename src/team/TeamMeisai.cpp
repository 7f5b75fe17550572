#include "team/TeamMeisai.h"

#include "charts/ChartEnv.h"
#include "charts/League.h"
#include "data/ModelAccess.h"
#include "team/TeamMeisaiLayout.h"
#include "team/TeamMeisaiSheet.h"
#include "team/TeamSheet.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

bool PrintTeamMeisai(ChartEnv& env, int teamEvent, const TeamMeisaiLayout& layout,
                     int& pageCount) {
  const Model& model = env.model;
  TeamOutputState& out = env.teamOutput;
  TeamSheetRun run;
  if (!PrepareTeamSheetRun(env, layout, teamEvent, run)) return false;
  if (!run.ev) return true;
  const TeamShumokuRec* ev = run.ev;
  const TeamSheetGrid& g = run.g;
  const QString& heading = run.heading;

  int k = 0;
  out.TeamMeisaiSlot = 0;
  const ShumokuRec* rec = TeamEventRecord(model, *ev);
  if (!rec || rec->YosenLeagueAri <= 0) return true;
  const LeagueStageRec& league = rec->YosenLeague;
  if (g.rows < 2 && blockCount(league) > 0) {
    model.messages.warn(TeamSheetMessageTitle(),
                        ev->Meishou + QStringLiteral("：リーグ戦の明細は行数を２以上にして下さい"));
    return false;
  }

  long long used = 999;  // columns used on the page; more than the page has begins a new one
  double stageLeft = g.left;
  const int stages = teamBlockCount(*ev);
  for (int s = 0; s < stages; ++s) {
    const TeamBlockRec& stage = ev->Blocks.at(s);
    const int ties = tieCount(stage);
    const bool isLeague = s < league.BlockCount;
    const LeagueBlockRec* block = isLeague ? blockAt(league, s) : nullptr;
    if (isLeague && (!block || block->Dummy)) continue;
    long long n = g.cols;
    long long capacity = static_cast<long long>(g.rows) * g.cols;
    double width = g.w;
    if (isLeague) {
      n = (static_cast<long long>(ties) + g.rows - 2) / (g.rows - 1);
      if (n > g.cols) {
        model.messages.warn(TeamSheetMessageTitle(),
                            ev->Meishou + QStringLiteral("　") + block->Name +
                                QStringLiteral("：対戦が多く明細が頁の列数に収まらないため印刷しません"));
        continue;
      }
      capacity = (g.rows - 1) * n;
      width = g.w * static_cast<double>(n);
    } else {
      used = 999;  // the later stages start on a page of their own
    }
    k = 0;
    bool tablePrinted = false;
    for (int t = 0; t < ties; ++t) {
      const TeamTaisenRec& tie = stage.Taisens.at(t);
      if (tie.TeamA == tie.TeamB) continue;
      out.TaisenLabel = QString::number(t + 1);
      if (!TeamTieHasLineups(*ev, tie, out)) continue;
      if (used + n > g.cols) {
        BeginTeamSheetPage(env, pageCount, g, heading);
        used = 0;
        stageLeft = g.left;
      }
      const double x0 = stageLeft + g.w * static_cast<double>(k % n);
      const double y0 = g.top + g.h * static_cast<double>((k % capacity) / n) + (isLeague ? g.h : 0);
      if (isLeague && !tablePrinted) {
        const AreaRect box{static_cast<float>(x0),
                           static_cast<float>(x0 + g.w * static_cast<double>(n)),
                           static_cast<float>(y0 - g.h), static_cast<float>(y0)};
        PrintLeague(env, box, ev->ShumokuIndex, s);
        tablePrinted = true;
        // The table totals the ties of the team event paired with its event: come back to
        // this event's line-up rows.
        SetTeamSubMatchRows(model.team, teamEvent, out);
      }
      // The league table sets the label while it prints a team league's cells.
      out.TaisenLabel = QString::number(t + 1);
      const QString number = isLeague ? LeagueTieNumber(*block, t) : KnockoutTieNumber(rec, t);
      PrintTeamMeisaiSheet(env, run, x0, y0, s, tie, number, model.taikai.sw);
      ++k;
      if (!isLeague && k % capacity == 0) used = 999;
    }
    stageLeft += width;
    used += n;
  }
  out.TeamMeisaiSlot = k;
  return true;
}

}  // namespace qv
