// The lines of a bracket page: each node's horizontal line, the join of a match's two
// children, and the centre match where the two sides of a page meet. A decided match
// draws its winner's path red and wide.

#include <algorithm>

#include "charts/BracketPage.h"
#include "charts/ChartUtil.h"
#include "data/Fields.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

bool decided(int shousha) { return shousha >= 0 && shousha < kShoushaUndecided; }

bool hasBothLinks(const TaisenRec& n) { return n.Taisen1 >= 0 && n.Taisen2 >= 0; }

// The first ancestor of node k that has a match number (bye matches have none).
int firstNumberedAncestor(const BracketPage& pg, int k) {
  int p = k / 2;
  while (p > 1) {
    const TaisenRec* a = pg.node(p);
    if (!a || !a->ShiaiBangou.isEmpty()) break;
    p /= 2;
  }
  return std::max(p, 1);
}

// The tie marker of a team match whose detail page is written; the detail pages are never
// switched on in this program.
void tieMarker(const BracketPage& pg, const TaisenRec& m, double x, double y) {
  if (!pg.isTeamEvent() || !pg.env.teamOutput.HtmTeam.Enabled) return;
  if (!decided(m.Shousha) || m.ShiaiBangou.isEmpty()) return;
  // Nothing switches tie detail pages on, so the chart writes none; only the marker.
  pg.text(x, y, pg.ScheduleSize, QStringLiteral("＊"));
}

}  // namespace

void DrawCentreMatch(BracketPage& pg, int k) {
  const TaisenRec& n = *pg.node(k);
  pg.CentreX = pg.col(n.HyoujiLevel + 5);
  pg.SavedY = pg.RowY;
  if (k / 2 < pg.FirstNode) return;
  const TaisenRec* f = pg.node(k / 2);
  if (!f) return;
  const float s = pg.ScheduleSize;
  const float cx = pg.CentreX;
  const float y = pg.RowY;
  const float pitch = pg.rowPitch();

  const bool hideNumber =
      !pg.isTeamEvent() && !pg.st.TournamentInsatsu.ShiaiBangouKeep && f->Shousha >= 0;
  bool numberShown = false;
  if (!hideNumber && !f->ShiaiBangou.isEmpty()) {
    pg.LabelX = cx - f->ShiaiBangou.size() * s / 4.f;
    QString lines[3];
    // A played match has no schedule left to show; one that keeps its number shows it.
    if (f->TaisenKekka.isEmpty() && pg.scheduleTexts(f->ShiaiBangou, lines)) {
      // Stacked under the meeting point, where neither the stem nor a side's line runs.
      for (int i = 0; i < 3; ++i)
        pg.text(cx - PrintDevice::LenAnsi(lines[i]) * s / 4.f, y + (0.5f + i) * s, s, lines[i]);
    } else {
      const QString label = f->ShiaiBangouHyouji.isEmpty() ? f->ShiaiBangou : f->ShiaiBangouHyouji;
      pg.text(pg.LabelX, y + 0.5f * s, s, label);
      numberShown = true;
    }
  }
  tieMarker(pg, *f, cx - s / 2.f, y + 0.5f * s);

  if (f->Shousha < 0) {
    pg.line(kThinLineWidth, cx, y, cx, y - pitch);
    return;
  }
  auto parts = SplitColonFields(f->TaisenKekka);
  GameScores g = {parts[2], parts[3], parts[4], parts[5], parts[6]};
  const TaisenRec* second = pg.node(f->Taisen2);
  if (second && f->Taisen2 >= 0 && f->Shousha == second->Shousha) g = ReverseScores(g);
  const float d = pg.LabelSize * static_cast<float>(pg.DoubleCharFactor);
  pg.gothic();
  if (pg.env.model.insatsu.InsatsuSeigyo.PointHyouji == 3) {
    const QString result = f->ExtraText2.isEmpty() ? f->ExtraText3 : f->ExtraText2;
    pg.text(cx - 1.25f * d, y - pitch - 1.2f * d, d, result);
  }
  pg.text(cx - 1.2f * d, y - 1.2f * d, d, parts[0]);
  pg.text(cx + 0.2f * d, y - 1.2f * d, d, parts[1]);
  pg.mincho();
  if (!g[0].isEmpty() && pg.st.TournamentInsatsu.ScoreShow) {
    const float ss = pg.ScoreSize;
    // Under the match number when that is shown, so the two don't overprint.
    const float top = y + 0.5f * ss + (numberShown ? s : 0.f);
    for (int i = 0; i < 5; ++i)
      pg.text(cx - 1.5f * ss, top + i * ss, ss, g.at(i));
  }
  // A match that no side won has no winner to carry up.
  pg.line(decided(f->Shousha) ? kWinLineWidth : kThinLineWidth, cx, y, cx, y - pitch);
}

bool DrawNodeLine(BracketPage& pg, int k) {
  const TaisenRec& n = *pg.node(k);
  if (n.HyoujiLevel > 0 && n.ShiaiBangou.isEmpty()) return false;
  const TaisenRec* parent = pg.node(k / 2);
  if (n.HyoujiLevel == 0 && parent && parent->ShiaiBangouHyouji == QStringLiteral("-1"))
    return false;

  const int pageCount = std::max(pg.st.TournamentInsatsu.PageCount, 1);
  const bool oneSided = pg.st.Haichi.TournamentSides == 1;
  const int ketteiJuni = pg.t.KetteiJuni;
  float width = kThinLineWidth;
  int ancestor = 0;
  if (!hasBothLinks(n)) ancestor = firstNumberedAncestor(pg, k);
  if ((k >= 4 * pageCount || oneSided) && n.HyoujiLevel > 0 && decided(n.Shousha) &&
      hasBothLinks(n)) {
    width = kWinLineWidth;
  } else if (!hasBothLinks(n) && decided(n.Shousha) &&
             n.Shousha == TournamentShousha(pg.t, ancestor)) {
    width = kWinLineWidth;  // a leaf whose entrant won its first match
  } else if (!oneSided && 2 * pageCount <= k && k < 4 * pageCount && n.Shousha >= 0 && parent &&
             n.Shousha == parent->Shousha) {
    width = kWinLineWidth;  // a finalist of the page's centre match that won it
  } else if (k < 4 && ketteiJuni == 2 && n.Shousha >= 0) {
    width = kWinLineWidth;
  }

  float x2 = 0;
  if (hasBothLinks(n)) {
    x2 = pg.col(n.HyoujiLevel + 5);
  } else {
    const TaisenRec* a = pg.node(ancestor);
    x2 = pg.col((a ? a->HyoujiLevel : 1) + 4);
  }
  const float x1 = pg.col(n.HyoujiLevel + 4);
  // With two places decided by the semifinals no final is drawn: their lines stop short.
  if (k < 4 && ketteiJuni == 2) x2 += (x1 - x2) * 0.25f;
  pg.line(width, x2, pg.RowY, x1, pg.RowY);
  return true;
}

void DrawJoinLine(BracketPage& pg, int k) {
  const TaisenRec& n = *pg.node(k);
  if (!hasBothLinks(n)) return;
  const TaisenRec* a = pg.node(n.Taisen1);
  const TaisenRec* b = pg.node(n.Taisen2);
  if (!a || !b) return;
  const float j = pg.col(n.HyoujiLevel + 4);
  const float ya = pg.yOf(n.Taisen1);
  const float yb = pg.yOf(n.Taisen2);
  if (decided(n.Shousha)) {
    const bool fromA = a->Shousha == n.Shousha;
    pg.line(kWinLineWidth, j, pg.RowY, j, fromA ? ya : yb);
    pg.line(kThinLineWidth, j, fromA ? yb : ya, j, pg.RowY);
  } else {
    pg.line(kThinLineWidth, j, ya, j, yb);
  }
}

}  // namespace qv
