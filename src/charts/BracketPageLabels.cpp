// The texts of a match on a bracket page: its number or the schedule of an unplayed
// match, its game scores, the games won by each side and the result texts, and the
// "Qualifier" labels of a qualifying draw.

#include <algorithm>

#include "charts/BracketPage.h"
#include "charts/ChartUtil.h"
#include "data/Fields.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

int linkCount(const TaisenRec* n) {
  if (!n) return 0;
  return (n->Taisen1 > 0 ? 1 : 0) + (n->Taisen2 > 0 ? 1 : 0);
}

void matchLabel(BracketPage& pg, const TaisenRec& n, float j) {
  const float s = pg.ScheduleSize;
  if (!pg.isTeamEvent() && !pg.st.TournamentInsatsu.ShiaiBangouKeep && n.Shousha >= 0) return;
  if (n.ShiaiBangou.isEmpty()) return;
  const bool left = pg.Side == 0;
  pg.LabelX = left ? j - pg.MatchText.size() * s / 2.f - 0.25f * s : j + 0.25f * s;
  if (pg.isTeamEvent() && pg.env.teamOutput.HtmTeam.Enabled && n.Shousha >= 0 &&
      n.Shousha < kShoushaUndecided) {
    // Nothing switches tie detail pages on, so the chart writes none; only the marker.
    pg.text(left ? j - 1.25f * s : j + 0.25f * s, pg.RowY - 0.5f * s, s, QStringLiteral("＊"));
  }
  // A played match has no schedule left to show; one that keeps its number shows it.
  QString lines[3];
  if (n.TaisenKekka.isEmpty() && pg.scheduleTexts(n.ShiaiBangou, lines)) {
    const float dy[3] = {-1.7f, -0.5f, 0.7f};
    for (int i = 0; i < 3; ++i) {
      // Left of the join on the left side; on the right side mirrored, so that the texts
      // stay between the children and off the match's own line.
      const float x = left ? pg.LabelX - PrintDevice::LenAnsi(lines[i]) * s / 2.f : pg.LabelX;
      pg.text(x, pg.RowY + dy[i] * s, s, lines[i]);
    }
  } else {
    pg.text(pg.LabelX, pg.RowY - 0.5f * s, s, pg.MatchText);
  }
}

void gameScores(BracketPage& pg, const TaisenRec& n, float j, const GameScores& g) {
  SetGameScoreSize(pg, g);
  if (g[0].isEmpty() || !pg.st.TournamentInsatsu.ScoreShow) return;
  const float gs = pg.GameScoreSize;
  const float x = pg.Side == 0 ? j - 3.f * gs : j + 0.5f * gs;
  float c = pg.RowY;
  if (n.HyoujiLevel > 1) {
    const int a = linkCount(pg.node(n.Taisen1));
    const int b = linkCount(pg.node(n.Taisen2));
    if (a < b) c -= gs;
    if (a > b) c += gs;
  }
  int games = 1;
  for (int i = 1; i < 5; ++i)
    if (!g.at(i).isEmpty()) games = i + 1;
  float top = c - (games - 2) * 0.5f * gs;  // five games c - 1.5g … one game c + 0.5g
  if (n.Taisen1 >= 0 && pg.node(n.Taisen1)) top = std::max(top, pg.yOf(n.Taisen1) + 1.5f * gs);
  if (n.Taisen2 >= 0 && pg.node(n.Taisen2))
    top = std::min(top, pg.yOf(n.Taisen2) - (games - 0.5f) * gs);
  for (int i = 0; i < 5; ++i)
    if (i == 0 || !g.at(i).isEmpty())
      pg.text(x, top + (i - 1) * gs, gs, PadFourCharName(g.at(i)));
}

void gamesWon(BracketPage& pg, const TaisenRec& n, float j, QString gamesA, QString gamesB) {
  const TaisenRec* a = pg.node(n.Taisen1);
  if (n.Taisen1 < 0 || n.Taisen2 < 0 || !a || !pg.node(n.Taisen2)) return;
  const float ya = pg.yOf(n.Taisen1);
  const float yb = pg.yOf(n.Taisen2);
  const float d = pg.LabelSize * static_cast<float>(pg.DoubleCharFactor);
  if (pg.env.model.insatsu.InsatsuSeigyo.PointHyouji == 3) {
    QString result = n.ExtraText2.isEmpty() ? n.ExtraText3 : n.ExtraText2;
    if (!result.isEmpty()) {
      if (pg.Side == 0) result.prepend(QLatin1Char(' '));
      (n.Shousha == a->Shousha ? gamesA : gamesB) = result;
    }
  }
  const float gap = yb - ya > 8.f * d ? d : 0.f;
  auto xOf = [&](const QString& txt) {
    return j + pg.XShift * static_cast<float>(pg.DoubleCharFactor) -
           d * static_cast<float>(pg.Side) * static_cast<float>(txt.size() - 1) / 2.f;
  };
  pg.gothic();
  pg.text(xOf(gamesA), ya - 0.5f * d + gap, d, gamesA);
  pg.text(xOf(gamesB), yb - 0.5f * d - gap, d, gamesB);
  pg.mincho();
}

}  // namespace

void SetGameScoreSize(BracketPage& pg, const GameScores& g) {
  // Set from the page's score size, not shrunk further: a four-game match after a
  // five-game one prints at 0.8. Matches of fewer games keep the last size.
  if (!g[4].isEmpty())
    pg.GameScoreSize = pg.ScoreSize * 0.6f;
  else if (!g[3].isEmpty())
    pg.GameScoreSize = pg.ScoreSize * 0.8f;
}

void DrawQualifierLabel(BracketPage& pg, int k) {
  if (pg.FirstNode <= 1 || k >= 2 * pg.FirstNode || !pg.option(QStringLiteral("YOJ"))) return;
  const TaisenRec& n = *pg.node(k);
  pg.text(pg.col(n.HyoujiLevel + 5) + pg.NameSize, pg.RowY - 0.5f * pg.NameSize, pg.NameSize,
          QStringLiteral("Qualifier ") + QString::number(k - pg.FirstNode + 1));
}

void DrawMatchTexts(BracketPage& pg, int k) {
  const TaisenRec& n = *pg.node(k);
  const float j = pg.col(n.HyoujiLevel + 4);
  matchLabel(pg, n, j);
  const auto parts = SplitColonFields(n.TaisenKekka);
  GameScores g = {parts[2], parts[3], parts[4], parts[5], parts[6]};
  const TaisenRec* second = pg.node(n.Taisen2);
  if (n.Taisen2 >= 0 && second && n.Shousha == second->Shousha) g = ReverseScores(g);
  gameScores(pg, n, j, g);
  gamesWon(pg, n, j, parts[0], parts[1]);
}

}  // namespace qv
