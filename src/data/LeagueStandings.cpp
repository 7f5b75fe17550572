#include <QStringList>

#include "data/Fields.h"
#include "data/LeagueResults.h"
#include "data/LeagueSlots.h"
#include "data/Model.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {

ScoreSplitResult ScoreSplit(const QString& score, int points) {
  ScoreSplitResult r;
  const qsizetype dash = score.indexOf(QChar('-'));
  if (dash < 0) return r;
  QString left = platform::trimBlanks(score.left(dash));
  QString right = platform::trimBlanks(score.mid(dash + 1));
  const QString x = QStringLiteral("X");
  if (left == x) {
    if (right != x) r.b = points;  // side A did not play the game
    return r;
  }
  if (right == x) {
    r.a = points;
    return r;
  }
  // An "X" beside a score marks the side that retired at that score.
  if (left.contains(x)) {
    left.remove(x);
    r.a = LngOrDefault(left, 0);
    r.b = r.a >= points ? points + 2 : points;
    return r;
  }
  if (right.contains(x)) {
    right.remove(x);
    r.b = LngOrDefault(right, 0);
    r.a = r.b >= points ? points + 2 : points;
    return r;
  }
  r.a = LngOrDefault(left, 0);
  r.b = LngOrDefault(right, 0);
  return r;
}

namespace {

// What one match adds to one side.
struct SideTotals {
  float wins = 0;
  float losses = 0;
  int gamesWon = 0;
  int gamesLost = 0;
  int pointsWon = 0;
  int pointsLost = 0;
};

void addTo(LeagueJuniRec& j, const SideTotals& t) {
  j.Kachi += t.wins;
  j.Make += t.losses;
  // Whole matches: a double forfeit's half rounds half to even on the running count.
  j.ShiaiKachi = platform::roundHalfEven(static_cast<double>(j.ShiaiKachi) + t.wins);
  j.ShiaiMake = platform::roundHalfEven(static_cast<double>(j.ShiaiMake) + t.losses);
  j.GameKachi = league::sum(j.GameKachi, t.gamesWon);
  j.GameMake = league::sum(j.GameMake, t.gamesLost);
  j.PointKachi = league::sum(j.PointKachi, t.pointsWon);
  j.PointMake = league::sum(j.PointMake, t.pointsLost);
}

void setLetter(LeagueJuniRec& j, int opponent, float own, float other) {
  if (opponent < 0 || opponent >= j.Kekka.size()) return;
  if (own > other)
    j.Kekka[opponent] = QChar('W');
  else if (own < other)
    j.Kekka[opponent] = QChar('L');
}

}  // namespace

void MakeLeagueResults(Model& model, int shumokuIndex, int blockIndex) {
  ShumokuRec* ev = eventAt(model.taikai.Taikai, shumokuIndex);
  if (!ev || ev->YosenLeague.Blocks.empty()) return;
  LeagueBlockRec* blk = blockAt(ev->YosenLeague, blockIndex);
  if (!blk || blk->Dummy) return;
  if (ev->Shubetsu == QStringLiteral("団体")) {
    MakeTeamLeagueResults(model, shumokuIndex, blockIndex);
    return;
  }
  ClearLeagueStandings(*blk);
  const int slotTotal = league::slotCount(*blk);
  const LeagueRule rule = DecodeLeagueRule(blk->PointSuu);
  const QString x = QStringLiteral("X");

  const int matches = matchCount(*blk);
  for (int t = 0; t < matches; ++t) {
    const LeagueTaisenRec& m = blk->Taisen.at(t);
    const int a = m.Taisen1;
    const int b = m.Taisen2;
    if (a < 0 || a >= slotTotal || b < 0 || b >= slotTotal) continue;  // a side outside the block
    auto& juniA = blk->Juni.at(a);
    auto& juniB = blk->Juni.at(b);

    // Every scheduled match counts, played or not; the label "0" marks a non-match.
    if (m.ShiaiBangouHyouji != QStringLiteral("0")) {
      ++blk->SankashaShiaiSuu.at(a);
      ++blk->SankashaShiaiSuu.at(b);
    }

    const auto pieces = SplitColonFields(m.TaisenKekka);
    const QString piece1 = platform::toHalfWidth(pieces[0]);
    const QString piece2 = platform::toHalfWidth(pieces[1]);
    if (piece1.isEmpty() && piece2.isEmpty()) continue;  // not played yet

    int gA = LngOrDefault(piece1, 0);
    int gB = LngOrDefault(piece2, 0);
    float wA = 0;
    float wB = 0;
    int pA = 0;
    int pB = 0;
    if (gA > gB) {
      wA = 1;
    } else if (gA < gB) {
      wB = 1;
    } else if (piece1 == x && piece2 == x) {
      wA = wB = 0.5f;  // both forfeited
    } else if (piece1 == x) {
      wB = 1;  // side A did not play: B takes the games and points of a straight win
      gB = rule.toWin;
      pB = league::sum(0, 1LL * rule.points * rule.toWin);
    } else if (piece2 == x) {
      wA = 1;
      gA = rule.toWin;
      pA = league::sum(0, 1LL * rule.points * rule.toWin);
    }
    for (int g = 2; g <= 4; ++g) {
      const ScoreSplitResult s = ScoreSplit(pieces.at(g), rule.points);
      pA = league::sum(pA, s.a);
      pB = league::sum(pB, s.b);
    }

    addTo(juniA, {wA, wB, gA, gB, pA, pB});
    setLetter(juniA, b, wA, wB);
    addTo(juniB, {wB, wA, gB, gA, pB, pA});
    setLetter(juniB, a, wB, wA);
  }
}

}  // namespace qv
