#include "team/TeamMeisaiSheet.h"

#include <algorithm>

#include "charts/ChartEnv.h"
#include "data/Dates.h"
#include "data/ModelAccess.h"
#include "data/SankashaRef.h"
#include "data/Taikai.h"
#include "data/TournamentModel.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "team/TeamMeisaiLayout.h"
#include "team/TeamSheet.h"
#include "teamlogic/TeamNames.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

QString narrowTrimmed(const QString& text) {
  return platform::trimBlanks(platform::toHalfWidth(text)).toUpper();
}

}  // namespace

TeamSheetGrid MakeTeamSheetGrid(const TeamMeisaiLayout& layout, int subMatches) {
  TeamSheetGrid g;
  g.left = layout.TeamMeisaiLeft;
  g.top = layout.TeamMeisaiTop;
  g.right = layout.TeamMeisaiRight;
  g.bottom = layout.TeamMeisaiBottom;
  g.cols = layout.TeamMeisaiCols;
  g.rows = layout.TeamMeisaiRows;
  g.w = (g.right - g.left) / g.cols;
  g.h = (g.bottom - g.top) / g.rows;
  FitTeamSheetInCell(g, subMatches);
  return g;
}

void FitTeamSheetInCell(TeamSheetGrid& g, int subMatches) {
  g.u = 0.9 * g.w / 16;
  // At 90 % of a low cell's width, a sheet of many sub-matches is taller than the cell and
  // would print over its neighbours and the heading: the unit shrinks until the sheet
  // fits with a unit to spare above and below.
  const double v = g.h / (subMatches * 3.6 + 5.0);
  if (v < g.u) g.u = v;
  g.H = 3 * g.u * 1.2 * subMatches + 3 * g.u;
  g.dx = (g.w - 16 * g.u) / 2;
  g.dy = (g.h - g.H) / 2;
}

QString TeamSheetLayoutProblem(const TeamMeisaiLayout& layout, const TeamShumokuRec& ev) {
  if (layout.TeamMeisaiCols < 1 || layout.TeamMeisaiRows < 1)
    return QStringLiteral("明細の列数と行数は１以上にして下さい");
  if (!(layout.TeamMeisaiRight - layout.TeamMeisaiLeft > 0) ||
      !(layout.TeamMeisaiBottom - layout.TeamMeisaiTop > 0))
    return QStringLiteral("明細の範囲に幅と高さがありません");
  if (kouseiCount(ev) > kMaxSheetSubMatches)
    return ev.Meishou + QStringLiteral("：構成種目が２５を超えるため明細を印刷できません");
  return QString();
}

bool PrepareTeamSheetRun(ChartEnv& env, const TeamMeisaiLayout& layout, int teamEvent,
                         TeamSheetRun& run) {
  const Model& model = env.model;
  run.teamEvent = teamEvent;
  run.ev = teamEventAt(model.team, teamEvent);
  if (!run.ev) return true;
  if (const QString problem = TeamSheetLayoutProblem(layout, *run.ev); !problem.isEmpty()) {
    model.messages.warn(TeamSheetMessageTitle(), problem);
    return false;
  }
  run.g = MakeTeamSheetGrid(layout, kouseiCount(*run.ev));
  SetTeamSubMatchRows(model.team, teamEvent, env.teamOutput);
  SetTeamSheetMetrics(model.team, teamEvent, env.teamOutput, static_cast<float>(run.g.u));
  run.heading = TeamMeisaiHeading(model, *run.ev);
  return true;
}

QString TeamSheetMessageTitle() { return QStringLiteral("団体戦明細印刷"); }

QString TeamMeisaiHeading(const Model& model, const TeamShumokuRec& ev) {
  const TaikaiRec& t = model.taikai.Taikai;
  const QString date = ToWarekiDate(t.KaisaiBi, model.clock);
  if (t.KaisaiBi == QStringLiteral("2002.05.3-4"))
    return t.Name + QStringLiteral("   ") + ev.Meishou + QStringLiteral("   ") + date +
           QStringLiteral(" ");
  QString s = t.Name + QStringLiteral("　　") + date + QStringLiteral("　　") + t.Kaijou;
  if (teamEventCount(model.team) > 1) s += QStringLiteral("  ") + ev.Meishou;
  return s;
}

void BeginTeamSheetPage(ChartEnv& env, int& pageCount, const TeamSheetGrid& g,
                        const QString& heading, const SheetStarted& pageStarted) {
  ++pageCount;
  if (pageCount == 1)
    env.device.OpenPrint(env.model);
  else
    env.device.NewPage();
  env.device.PrintStr(g.left + 5, g.top - 6, 4, 4, 4, g.right, heading);
  if (pageStarted) pageStarted();
}

ChartResult TeamSheetResult(int pagesBegun, bool refused) {
  ChartResult r;
  r.Pages = r.SheetsStarted = pagesBegun;
  r.Refused = refused;
  return r;
}

const ShumokuRec* TeamEventRecord(const Model& model, const TeamShumokuRec& ev) {
  return eventAt(model.taikai.Taikai, ev.ShumokuIndex);
}

bool TeamTieHasLineups(const TeamShumokuRec& ev, const TeamTaisenRec& tie,
                       const TeamOutputState& out) {
  const int row = out.TeamShiaiRows[0];
  for (const auto& [team, order] : {std::pair{tie.TeamA, tie.OrderA}, {tie.TeamB, tie.OrderB}}) {
    const TeamSankashaRec* t = itemAt(ev.TeamCount, ev.Teams, team);
    if (!t) return false;
    const TeamOrderRec* o = itemAt(static_cast<int>(t->Orders.size()), t->Orders, order);
    if (!o || row < 0 || row >= o->Players.size() || o->Players[row].isEmpty()) return false;
  }
  return true;
}

bool TieResultAbove(const QString& a, const QString& b) {
  const auto x = platform::numericValue(platform::toHalfWidth(a));
  const auto y = platform::numericValue(platform::toHalfWidth(b));
  if (x && y) return *x > *y;
  return a > b;
}

bool IsForfeitResult(const QString& result) { return narrowTrimmed(result) == QStringLiteral("X"); }

int TieLeftSide(const TeamTaisenRec& tie) {
  if ((tie.KekkaA + tie.KekkaB).isEmpty()) return 0;
  const bool xa = IsForfeitResult(tie.KekkaA);
  const bool xb = IsForfeitResult(tie.KekkaB);
  if (xa && xb) return 0;
  return xa || (!xb && !TieResultAbove(tie.KekkaA, tie.KekkaB)) ? 1 : 0;
}

QString LeagueTieNumber(const LeagueBlockRec& block, int t) {
  QString number = QString::number(t + 1);
  if (t >= 0 && t < static_cast<int>(block.TaisenIndex.size())) {
    // The label the league table shows in the match's cells.
    if (const LeagueTaisenRec* m = matchAt(block, block.TaisenIndex.at(t)))
      number = m->ShiaiBangouHyouji.isEmpty() ? m->ShiaiBangou : m->ShiaiBangouHyouji;
  }
  return platform::toFullWidth(block.Name + QStringLiteral("-") + number);
}

QString KnockoutTieNumber(const ShumokuRec* event, int t) {
  QString number = QString::number(t + 1);
  if (event && !event->Tournaments.empty()) {
    const TournamentRec& tr = event->Tournaments.front();
    const size_t m = static_cast<size_t>(t) + 1;
    if (t >= 0 && m < tr.ShiaiJunNode.size()) {
      if (const TaisenRec* node = TournamentNode(tr, tr.ShiaiJunNode[m]))
        number = node->ShiaiBangouHyouji;
    }
  }
  return platform::toFullWidth(number);
}

void PrintTeamMeisaiSheet(ChartEnv& env, const TeamSheetRun& run, double x0, double y0,
                          int stage, const TeamTaisenRec& tie, const QString& number,
                          const TaikaiSwitches& sw) {
  const Model& model = env.model;
  PrintDevice& d = env.device;
  TeamOutputState& out = env.teamOutput;
  const TeamShumokuRec* ev = run.ev;
  if (!ev) return;
  const TeamSheetGrid& g = run.g;
  const double x1 = x0 + g.w;
  const double y1 = y0 + g.h;
  FrameTeamSheetCell(d, x0, y0, x1, y1);

  out.TeamSheetX = x0 + g.dx;
  out.TeamSheetY = y0 + g.dy;
  const double X = out.TeamSheetX;
  const double Y = out.TeamSheetY;
  const double u = g.u;

  const int left = TieLeftSide(tie);
  const int right = 1 - left;
  const int teams[2] = {tie.TeamA, tie.TeamB};
  const QString results[2] = {tie.KekkaA, tie.KekkaB};
  QString kakko[2];
  QString names[2];
  for (int side = 0; side < 2; ++side) {
    const TeamSankashaRec* t = itemAt(ev->TeamCount, ev->Teams, teams[side]);
    if (!t) continue;
    kakko[side] = GetKakkoText(t->TeamName);
    names[side] = GetShortTeamName(sw, ResolveSankashaRef(model, t->TeamName));
    if (sw.UseGakkou && names[side].endsWith(QStringLiteral("学校"))) names[side].chop(2);
  }

  PrintTieHead(d, X, Y, u, {number, names[left], names[right], results[left], results[right]});
  d.PrintStr(X, Y + 0.5 * u, 0.84 * u, 0.84 * u, 0, 0, kakko[left]);
  d.PrintStr(X + 16 * u - 0.5 * u * static_cast<double>(kakko[right].size() + 2), Y + 0.5 * u,
             0.84 * u, 0.84 * u, 0, 0, kakko[right]);
  PrintTieRows(model, run.teamEvent, d, out, stage, left, right, u);
}

void FrameTeamSheetCell(PrintDevice& device, double x0, double y0, double x1, double y1) {
  device.SetDrawWidth(0.2);
  device.OutputLine(x0, y0, x1, y0);
  device.OutputLine(x1, y0, x1, y1);
  device.OutputLine(x1, y1, x0, y1);
  device.OutputLine(x0, y1, x0, y0);
}

void PrintTieHead(PrintDevice& device, double X, double Y, double u, const TieHead& head) {
  device.PrintStr(X + 5 * u, Y, u, u, 0, X + 11 * u, QStringLiteral("試合番号 ") + head.number);
  device.PrintStr(X, Y + 1.5 * u, 1.2 * u, 1.2 * u, 0, X + 5 * u, head.leftName);
  device.PrintStr(X + 11 * u, Y + 1.5 * u, 1.2 * u, 1.2 * u, 0, X + 16 * u, head.rightName);
  device.PrintStr(X + 5.9 * u, Y + 1.5 * u, 1.2 * u, 1.2 * u, 1.2 * u, 0, head.leftResult);
  device.PrintStr(X + 7.25 * u, Y + 1.6 * u, u, u, u, 0, QStringLiteral("－"));
  device.PrintStr(X + 8.9 * u, Y + 1.5 * u, 1.2 * u, 1.2 * u, 1.2 * u, 0, head.rightResult);
}

void PrintTieRows(const Model& model, int teamEvent, PrintDevice& device, TeamOutputState& out,
                  int stage, int leftSide, int rightSide, double u) {
  const TeamShumokuRec* ev = teamEventAt(model.team, teamEvent);
  if (!ev) return;
  out.TeamSheetY += 3.3 * u;
  const int rows = std::min(kouseiCount(*ev), kMaxSheetSubMatches);
  for (int j = 0; j < rows; ++j) {
    // Blank rather than repeating the row before it.
    if (GetTeamSubMatch(model.team, teamEvent, model.kankyou.KikenMark, out, stage, j, leftSide,
                        rightSide))
      PrintTeamSubMatch(device, out, model.kankyou.KikenMark);
    out.TeamSheetY += 3 * u * 1.2;
  }
}

}  // namespace qv
