// The playoff block under a bracket: the third-place match (or, on the first page of a
// two-page chart, the final) with its caption, its lines, number, scores and players, and
// the match for second place under it when the tournament asks for one.

#include <algorithm>

#include "charts/BracketPage.h"
#include "charts/ChartUtil.h"
#include "data/Fields.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

const QString kThirdPlace = QStringLiteral("三位決定戦");

// The caption of a third-place match in an event that itself decides lower places.
QString playoffCaption(const BracketPage& pg) {
  if (pg.Caption != kThirdPlace || !pg.shumoku) return pg.Caption;
  QString caption = pg.Caption;
  const QString full = platform::toFullWidth(pg.shumoku->Name);
  const QString half = platform::toHalfWidth(pg.shumoku->Name);
  static const struct {
    const char16_t* full;
    const char16_t* half;
    const char16_t* caption;
  } kRenames[] = {{u"３位決定", u"3-", u"５位決定戦"}, {u"４位決定", u"4-", u"６位決定戦"},
                  {u"５位決定", u"5-", u"７位決定戦"}, {u"６位決定", u"6-", u"８位決定戦"},
                  {u"９位決定", u"9-", u"１１位決定戦"}, {u"１３位決定", u"13-", u"１５位決定戦"}};
  for (const auto& r : kRenames)
    if (full.contains(QString::fromUtf16(r.full))) caption = QString::fromUtf16(r.caption);
  for (const auto& r : kRenames)
    if (half.contains(QString::fromUtf16(r.half))) caption = QString::fromUtf16(r.caption);
  return caption;
}

// Loser of a semifinal: both players of its two children less its winner; -1 undecided.
int semifinalLoser(const BracketPage& pg, int k) {
  const int w = TournamentShousha(pg.t, k);
  if (w < 0) return -1;
  return TournamentShousha(pg.t, 2 * k) + TournamentShousha(pg.t, 2 * k + 1) - w;
}

// The match number while the match is unplayed (and the second-place match's number offset
// lower when there is one), or the tie marker of a decided team match.
void DrawPlayoffNumber(BracketPage& pg, const TaisenRec& m, float j, float y, bool second,
                       float offset, bool decided) {
  const float s = pg.ScheduleSize;
  const bool hideNumber =
      !pg.isTeamEvent() && !pg.st.TournamentInsatsu.ShiaiBangouKeep && m.Shousha >= 0;
  if (m.TaisenKekka.isEmpty() && !hideNumber && !m.ShiaiBangou.isEmpty()) {
    const float x = j - pg.MatchText.size() * s / 2.f - 0.25f * s;
    pg.text(x, y - 0.5f * s, s, pg.MatchText);
    if (second)
      pg.text(x, y + offset - 0.5f * s, s,
              QString::number(static_cast<long long>(platform::Val(m.ShiaiBangou)) + 1));
  }
  if (pg.isTeamEvent() && pg.env.teamOutput.HtmTeam.Enabled && decided && !m.ShiaiBangou.isEmpty()) {
    // Nothing switches tie detail pages on, so the chart writes none; only the marker.
    pg.text(j - 1.25f * s, y - 0.5f * s, s, QStringLiteral("＊"));
  }
}

// The caption above the block, and the second-place caption offset lower when there is one.
void DrawPlayoffCaption(BracketPage& pg, int level, bool second, float offset) {
  const float pitch = pg.rowPitch();
  const float cs = pg.st.TournamentInsatsu.TitleSize;
  const float centreX = pg.col(0, level + 3) + pg.st.Haichi.TournamentColumnWidth;
  const QString caption = playoffCaption(pg);
  pg.env.device.PrintStrCenter(centreX, pg.MaxRowY + pitch - 1.2f * cs, cs, cs, cs, caption);
  if (second)
    pg.env.device.PrintStrCenter(centreX, offset + pg.MaxRowY + pitch - 2.f * cs, cs, cs, cs,
                                 QStringLiteral("二位決定戦"));
}

}  // namespace

void DrawPlayoff(BracketPage& pg) {
  const bool third = pg.Caption == kThirdPlace;
  // A draw too small to have semifinals has no third-place match to show.
  if (third && !pg.node(7)) return;
  const TaisenRec* node1 = pg.node(1);
  const TaisenRec* m = pg.node(third ? 0 : 1);
  if (!node1 || !m) return;

  const float pitch = pg.rowPitch();
  const float offset = 2.5f * pitch;
  pg.RowY = pg.MaxRowY + 1.5f * pitch;
  const int level = node1->HyoujiLevel;
  pg.Side = 0;
  pg.SideStart = pg.LeftStart;
  pg.XShift = 0.25f * pg.LabelSize;
  const float j = pg.col(0, level + 4);
  const float y = pg.RowY;
  const float ya = y - pitch / 2.f;
  const float yb = y + pitch / 2.f;
  const int a = third ? semifinalLoser(pg, 2) : TournamentShousha(pg.t, 2);
  const int b = third ? semifinalLoser(pg, 3) : TournamentShousha(pg.t, 3);
  const int w = m->Shousha;
  pg.MatchText = MatchTextOf(*m);
  const bool second = third && pg.option(QStringLiteral("二位決定戦"));
  const bool decided = w >= 0 && w < kShoushaUndecided;

  // The match's own line.
  const float width = level > 0 && decided && a >= 0 && b >= 0 ? kWinLineWidth : kThinLineWidth;
  pg.line(width, j, y, pg.col(0, level + 5), y);
  if (second) pg.line(width, j, y + offset, pg.col(0, level + 5), y + offset);

  DrawPlayoffNumber(pg, *m, j, y, second, offset, decided);

  // Game scores, from player A's side.
  const auto parts = SplitColonFields(m->TaisenKekka);
  GameScores g = {parts[2], parts[3], parts[4], parts[5], parts[6]};
  if (w == b) g = ReverseScores(g);
  SetGameScoreSize(pg, g);
  if (!g[0].isEmpty() && pg.st.TournamentInsatsu.ScoreShow) {
    const float gs = pg.GameScoreSize;
    int games = 1;
    for (int i = 1; i < 5; ++i)
      if (!g.at(i).isEmpty()) games = i + 1;
    const float top = y - (games - 2) * 0.5f * gs;
    for (int i = 0; i < 5; ++i)
      if (i == 0 || !g.at(i).isEmpty())
        pg.text(j - 3.f * gs, top + (i - 1) * gs, gs, PadFourCharName(g.at(i)));
  }

  // The join and the players' lines, the winner's half red.
  pg.line(kThinLineWidth, j, ya, j, yb);
  if (second) pg.line(kThinLineWidth, j, ya + offset, j, yb + offset);
  const float x0 = pg.col(0, 4);
  if (a >= 0 && b >= 0) {
    const float d = pg.LabelSize * static_cast<float>(pg.DoubleCharFactor);
    pg.gothic();
    pg.text(j + pg.XShift * static_cast<float>(pg.DoubleCharFactor), ya, d, parts[0]);
    pg.text(j + pg.XShift, yb - d, d, parts[1]);
    pg.mincho();
    const float wa = decided && w == a ? kWinLineWidth : kThinLineWidth;
    const float wb = decided && w == b ? kWinLineWidth : kThinLineWidth;
    pg.line(wa, j, ya, j, y);
    pg.line(wa, x0, ya, j, ya);
    pg.line(wb, j, y, j, yb);
    pg.line(wb, x0, yb, j, yb);
  } else {
    pg.line(kThinLineWidth, j, ya, j, y);
    pg.line(kThinLineWidth, x0, ya, j, ya);
    pg.line(kThinLineWidth, j, y, j, yb);
    pg.line(kThinLineWidth, x0, yb, j, yb);
  }
  if (second) {
    pg.env.device.SetColor(0, 0, 0);
    pg.env.device.OutputLine(j, ya + offset, j, y + offset);
    pg.env.device.OutputLine(x0, ya + offset, j, ya + offset);
    pg.env.device.OutputLine(j, y + offset, j, yb + offset);
    pg.env.device.OutputLine(x0, yb + offset, j, yb + offset);
  }

  DrawPlayoffCaption(pg, level, second, offset);

  // The players.
  auto player = [&](int e, float rowY) {
    if (e < 0 || e >= kShoushaUndecided) return;
    pg.RowY = rowY;
    DrawEntrant(pg, e, true);
  };
  player(a, ya);
  if (b != a) player(b, yb);
}

}  // namespace qv
