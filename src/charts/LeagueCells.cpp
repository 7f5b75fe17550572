// The match cells of a league table: every pair of slots (i, j), i < j, has one match
// record, printed in row i under column j from side A's view and mirrored in row j under
// column i.

#include <algorithm>

#include "charts/ChartEnv.h"
#include "charts/ChartUtil.h"
#include "charts/LeagueTable.h"
#include "data/Dates.h"
#include "data/Fields.h"
#include "data/ModelAccess.h"
#include "data/PrintFilters.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "teamlogic/TeamMatchTotal.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

// Sizes and line offsets of the cells of one table.
struct CellMetrics {
  double V2 = 0;  // score line pitch
  double H2 = 0;  // score size
  double Mk = 0;  // match number size
  double S = 0;   // result mark size
  double L[6] = {};
  double D1 = 0, D2 = 0;  // the two lines of a two-game result
  double S3 = 0;          // schedule text size
  double f = 1;           // match number factor
};

CellMetrics MakeCellMetrics(const LeagueTable& t) {
  const LeagueGeometry& g = t.g;
  // The games the block's rule has, as the data side decodes it; the cell lays out one
  // to five score lines.
  RuleState rule;
  DecodeShiaiKeishiki(rule, t.block.PointSuu);
  const int games = std::clamp(rule.RuleGames, 1, 5);
  CellMetrics m;
  m.V2 = g.R / (games + 1.2);
  m.H2 = std::min(g.C / 3, m.V2);
  m.Mk = 1.5 * m.H2;
  m.S = t.team ? 2 * m.H2 : m.H2;
  for (int n = 0; n < 6; ++n) m.L[n] = (0.1 + n) * m.V2;
  if (games == 1) m.L[2] = m.L[1];
  m.D1 = g.R / 2 + 0.3 * m.V2 - m.H2;
  m.D2 = g.R / 2 + 0.5 * m.V2;
  m.S3 = g.R / 3.8;
  m.f = t.opt.shouShiaiBangou ? 0.7 : 1.0;
  return m;
}

// One cell: its top-left corner.
struct Cell {
  double x = 0;
  double top = 0;
};

// A count of games (or sub-matches): "X" after narrowing marks a forfeit.
QString NarrowCount(const QString& count) {
  return platform::trimBlanks(platform::toHalfWidth(count));
}

bool SameCount(const QString& a, const QString& b) {
  const auto va = platform::numericValue(a);
  const auto vb = platform::numericValue(b);
  if (va && vb) return *va == *vb;
  return a == b;
}

struct CellPrinter {
  LeagueTable& t;
  const CellMetrics& m;
  PrintDevice& d = t.env.device;

  void Mark(const Cell& c, const QString& mark) {
    d.PrintStr(c.x + t.g.C / 2 - m.S / 2, c.top + m.L[0], m.S, m.S, m.S, 0, mark);
  }

  void Score(const Cell& c, double offset, const QString& text) {
    d.PrintStr(c.x + t.g.C / 2 - 1.25 * m.H2, c.top + offset, m.H2, m.H2, m.H2, 0, text);
  }

  void Scores(const Cell& c, const QString& a, const QString& b, const GameScores& s) {
    if (s[0].isEmpty()) {
      Score(c, m.L[2], a + "-" + b);
    } else if (!s[2].isEmpty()) {
      for (size_t n = 0; n < 5; ++n) Score(c, m.L[n + 1], s[n]);
    } else if (s[1].isEmpty()) {
      Score(c, m.L[2], s[0]);
    } else {
      Score(c, m.D1, s[0]);
      Score(c, m.D2, s[1]);
    }
  }

  void Totals(const Cell& c, const QString& matches, const QString& games,
              const QString& points) {
    const double x2 = c.x + t.g.C - 0.3 * m.H2;
    d.PrintStr(c.x + 0.2 * m.H2, c.top + m.L[0], m.S, m.S, m.S, x2, matches);
    d.PrintStr(c.x + 0.3 * m.H2, c.top + m.L[2], m.H2, m.H2, m.H2, x2, games);
    d.PrintStr(c.x + 0.3 * m.H2, c.top + m.L[3], m.H2, m.H2, m.H2, x2, points);
  }

  void MatchNumber(const Cell& c, const QString& label) {
    const double right = c.x + t.g.C - m.Mk / 2;
    double left = c.x + m.Mk / 2;
    const double width = PrintDevice::LenAnsi(label) * m.Mk / 2;
    if (right - left >= width) left = right - width;
    const double size = m.Mk * m.f;
    d.PrintStr(left, c.top + m.L[0], size, size, size, right, label);
  }

  void ScheduleTexts(const Cell& c, const QString (&texts)[3]) {
    for (int n = 0; n < 3; ++n)
      d.PrintStr(c.x + m.S3 / 2, c.top + 0.2 * m.S3 + n * 1.2 * m.S3, m.S3, m.S3, -m.S3,
                 c.x + t.g.C - m.S3 / 2, texts[n]);
  }

  void Dash(const Cell& c) {
    d.PrintStr(c.x + m.Mk / 2, c.top + m.L[0] + m.Mk, m.Mk, m.Mk, m.Mk, c.x + t.g.C - m.Mk / 2,
               QStringLiteral("－"));
  }
};

// The team event paired with the table's event, or -1.
int PairedTeamEvent(const LeagueTable& t) {
  const int k = t.ev.TeamShumokuIndex;
  return teamEventAt(t.env.model.team, k) ? k : -1;
}

void PrintPair(LeagueTable& t, CellPrinter& p, int i, int j, int k) {
  const LeagueGeometry& g = t.g;
  const Cell ca{g.columnLeft(j), g.rowTop(i)};
  const Cell cb{g.columnLeft(i), g.rowTop(j)};
  const LeagueTaisenRec& rec = t.block.Taisen.at(k);
  const QString lbl = rec.ShiaiBangouHyouji.isEmpty() ? rec.ShiaiBangou : rec.ShiaiBangouHyouji;
  const int pointHyouji = t.env.model.insatsu.InsatsuSeigyo.PointHyouji;
  PrintDevice& d = t.env.device;

  QString a;
  bool printed = false;
  if (pointHyouji == 0 || pointHyouji == 3) {
    const auto f = SplitColonFields(rec.TaisenKekka);
    a = f[0];
    const QString& b = f[1];
    GameScores s{f[2], f[3], f[4], f[5], f[6]};
    GameScores r = ReverseScores(s);
    if (!(a + b).isEmpty()) {
      const QString na = NarrowCount(a);
      const QString nb = NarrowCount(b);
      const QString x = QStringLiteral("X");
      QString markA = QStringLiteral("×");
      QString markB = QStringLiteral("○");
      if (SameCount(na, nb))
        markA = markB = QStringLiteral("△");
      else if (na != x && (nb == x || rec.Shousha == rec.Taisen1))
        std::swap(markA, markB);
      if (pointHyouji == 3) {
        // The result label stands in the third game's line; without one the game stays.
        const QString lt = rec.ExtraText2.isEmpty() ? rec.ExtraText3 : rec.ExtraText2;
        if (!lt.isEmpty()) s[2] = r[2] = lt;
      }
      d.SetColor(0, 0, 0);
      const int teamEvent = PairedTeamEvent(t);
      if (t.team && t.env.model.taikai.sw.LeagueMeisaiMode >= 2 && teamEvent >= 0) {
        const Model& model = t.env.model;
        const TeamMatchTotal tot = GetTeamMatchTotal(
            model.team, teamEvent, model.kankyou.KikenMark, t.env.teamOutput, t.blockIndex,
            platform::lenientWholeNumber(rec.ShiaiBangou), lbl);
        p.Totals(ca, tot.SubMatchesA + "-" + tot.SubMatchesB, "G " + tot.GamesA + "-" + tot.GamesB,
                 "P " + tot.PointsA + "-" + tot.PointsB);
        p.Totals(cb, tot.SubMatchesB + "-" + tot.SubMatchesA, "G " + tot.GamesB + "-" + tot.GamesA,
                 "P " + tot.PointsB + "-" + tot.PointsA);
      } else {
        p.Mark(ca, markA);
        p.Mark(cb, markB);
        p.Scores(ca, a, b, s);
        p.Scores(cb, b, a, r);
      }
      printed = true;
      if (t.team && s[0].isEmpty() && t.env.teamOutput.HtmTeam.Enabled) {
        // Nothing switches tie detail pages on, so no page is written from the table.
      }
    }
  }
  if (pointHyouji == 3) return;

  d.SetColor(0, 0, 0);
  if (!a.isEmpty() || pointHyouji == 2) return;
  if (lbl.isEmpty() || lbl == QStringLiteral("0")) {
    p.Dash(ca);
    p.Dash(cb);
    return;
  }
  if (printed) return;
  if (t.schedule >= 0) {
    const auto& groups = t.env.model.nittei.Nittei;
    if (t.schedule >= static_cast<int>(groups.size())) return;
    const NitteiRec& n = groups.at(t.schedule);
    const QString texts[3] = {GetArrayItem(n.Line1, k), GetArrayItem(n.Line2, k),
                              GetArrayItem(n.Line3, k)};
    p.ScheduleTexts(ca, texts);
    p.ScheduleTexts(cb, texts);
  } else if (t.schedule != kTimeTableSchedule) {
    p.MatchNumber(ca, lbl);
    p.MatchNumber(cb, lbl);
  }
  // With the time table the texts would come from its slot; nothing fills that table, so
  // such cells stay empty.
}

}  // namespace

void PrintLeagueCells(LeagueTable& t, int i) {
  const CellMetrics m = MakeCellMetrics(t);
  CellPrinter p{t, m};
  const int n = t.g.N;
  const int matches = matchCount(t.block);
  // Record k of the pair (i, j): the pairs are stored row by row.
  int k = i * (n - 1) - i * (i - 1) / 2;
  for (int j = i + 1; j < n; ++j, ++k)
    if (k < matches) PrintPair(t, p, i, j, k);
}

}  // namespace qv
