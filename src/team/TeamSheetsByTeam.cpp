#include "team/TeamSheetsByTeam.h"

#include "charts/ChartEnv.h"
#include "data/Dates.h"
#include "data/ModelAccess.h"
#include "data/SankashaRef.h"
#include "platform/Width.h"
#include "team/TeamMeisaiLayout.h"
#include "team/TeamMeisaiSheet.h"
#include "team/TeamSheet.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

// The team's side in the tie (0 = A, 1 = B), or -1 when it does not play in it.
int sideOf(const TeamShumokuRec& ev, const TeamTaisenRec& tie, const QString& teamName) {
  const TeamSankashaRec* a = itemAt(ev.TeamCount, ev.Teams, tie.TeamA);
  if (a && a->TeamName == teamName) return 0;
  const TeamSankashaRec* b = itemAt(ev.TeamCount, ev.Teams, tie.TeamB);
  if (b && b->TeamName == teamName) return 1;
  return -1;
}

QString teamNameOf(const Model& model, const TeamShumokuRec& ev, int team) {
  const TeamSankashaRec* t = itemAt(ev.TeamCount, ev.Teams, team);
  if (!t) return QString();
  QString name = ResolveSankashaRef(model, t->TeamName);
  if (model.taikai.sw.UseGakkou && name.endsWith(QStringLiteral("学校"))) name.chop(2);
  return name;
}

// Block name and league match label in a preliminary league stage, else the tie's number.
// The match is found by its number, as on the sheets by event: the block lists its matches
// in playing order.
QString tieNumber(const ShumokuRec* rec, int stage, int t) {
  if (rec && rec->YosenLeagueAri > 0 && stage < rec->YosenLeague.BlockCount) {
    if (const LeagueBlockRec* block = blockAt(rec->YosenLeague, stage))
      return LeagueTieNumber(*block, t);
  }
  return platform::toFullWidth(QString::number(t + 1));
}

}  // namespace

ChartResult PrintTeamSheetsByTeam(ChartEnv& env, const TeamMeisaiLayout& layout, int pagesBefore,
                                  const QString& teamName, const SheetStarted& pageStarted) {
  const Model& model = env.model;
  PrintDevice& d = env.device;
  TeamOutputState& out = env.teamOutput;
  if (layout.TeamMeisaiCols < 1 || layout.TeamMeisaiRows < 1 ||
      !(layout.TeamMeisaiRight - layout.TeamMeisaiLeft > 0) ||
      !(layout.TeamMeisaiBottom - (layout.TeamMeisaiTop + 8) > 0)) {
    model.messages.warn(TeamSheetMessageTitle(),
                        QStringLiteral("明細の列数・行数または範囲が正しくありません"));
    return TeamSheetResult(0, true);
  }
  int pageCount = pagesBefore;
  const double left = layout.TeamMeisaiLeft;
  const double top = layout.TeamMeisaiTop;
  const double right = layout.TeamMeisaiRight;
  const int cols = layout.TeamMeisaiCols;
  const double T = top + 8;
  const long long cells = static_cast<long long>(layout.TeamMeisaiRows) * cols;
  // The cells fill the box below the band of the team's heading and the tournament line;
  // the sheet's unit and insets follow each event's rows.
  TeamSheetGrid g;
  g.w = (right - left) / cols;
  g.h = (layout.TeamMeisaiBottom - T) / layout.TeamMeisaiRows;
  const TaikaiRec& taikai = model.taikai.Taikai;
  const QString line = taikai.Name + QStringLiteral("　　") + ToWarekiDate(taikai.KaisaiBi, model.clock) +
                       QStringLiteral("　　") + taikai.Kaijou;

  long long k = 0;
  const int events = teamEventCount(model.team);
  for (int e = 0; e < events; ++e) {
    const TeamShumokuRec& ev = model.team.TeamShumokus.at(e);
    const int subMatches = kouseiCount(ev);
    if (subMatches > kMaxSheetSubMatches) continue;  // no sheet holds its rows
    FitTeamSheetInCell(g, subMatches);
    const double u = g.u;
    SetTeamSubMatchRows(model.team, e, out);
    SetTeamSheetMetrics(model.team, e, out, static_cast<float>(u));
    const ShumokuRec* rec = TeamEventRecord(model, ev);

    const int stages = teamBlockCount(ev);
    for (int b = 0; b < stages; ++b) {
      const TeamBlockRec& stage = ev.Blocks.at(b);
      const int ties = tieCount(stage);
      for (int t = 0; t < ties; ++t) {
        const TeamTaisenRec& tie = stage.Taisens.at(t);
        if (tie.TeamA == tie.TeamB) continue;  // a tie not filled in yet
        const int leftSide = sideOf(ev, tie, teamName);
        if (leftSide < 0) continue;
        const int rightSide = 1 - leftSide;

        ++k;
        if ((k - 1) % cells == 0) {
          ++pageCount;
          if (pageCount == 1)
            d.OpenPrint(model);
          else
            d.NewPage();
          d.PrintStr(left + 5, top - 6, 6, 6, 6, 0, QStringLiteral("【") + teamName + QStringLiteral("】"));
          d.PrintStr(left, top + 2, 4, 4, 0, right, line);
          if (pageStarted) pageStarted();
        }
        const double x0 = left + g.w * static_cast<double>((k - 1) % cols);
        const double y0 = T + g.h * static_cast<double>(((k - 1) % cells) / cols);
        FrameTeamSheetCell(d, x0, y0, x0 + g.w, y0 + g.h);
        out.TeamSheetX = x0 + g.dx;
        out.TeamSheetY = y0 + g.dy;
        out.TaisenLabel = QString::number(t + 1);
        const int teams[2] = {tie.TeamA, tie.TeamB};
        const QString results[2] = {tie.KekkaA, tie.KekkaB};
        PrintTieHead(d, out.TeamSheetX, out.TeamSheetY, u,
                     {tieNumber(rec, b, t), teamNameOf(model, ev, teams[leftSide]),
                      teamNameOf(model, ev, teams[rightSide]), results[leftSide],
                      results[rightSide]});
        PrintTieRows(model, e, d, out, b, leftSide, rightSide, u);
      }
    }
  }
  return TeamSheetResult(pageCount - pagesBefore);
}

}  // namespace qv
