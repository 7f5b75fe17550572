#include "data/Dates.h"
#include "data/LeagueResults.h"
#include "data/LeagueSlots.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {

namespace {

// What one tie adds to one team.
struct TieTotals {
  float wins = 0;
  float losses = 0;
  int subWon = 0;
  int subLost = 0;
  int gamesWon = 0;
  int gamesLost = 0;
  int pointsWon = 0;
  int pointsLost = 0;
};

void addTo(LeagueJuniRec& j, const TieTotals& t) {
  j.Kachi += t.wins;
  j.Make += t.losses;
  j.ShiaiKachi = league::sum(j.ShiaiKachi, t.subWon);
  j.ShiaiMake = league::sum(j.ShiaiMake, t.subLost);
  j.GameKachi = league::sum(j.GameKachi, t.gamesWon);
  j.GameMake = league::sum(j.GameMake, t.gamesLost);
  j.PointKachi = league::sum(j.PointKachi, t.pointsWon);
  j.PointMake = league::sum(j.PointMake, t.pointsLost);
}

void setLetter(LeagueJuniRec& j, int opponent, int own, int other) {
  if (opponent < 0 || opponent >= j.Kekka.size()) return;
  if (own > other)
    j.Kekka[opponent] = QChar('W');
  else if (own < other)
    j.Kekka[opponent] = QChar('L');
}

// The suite writes codes of at most five digits; the bound keeps the decoding's
// arithmetic within range for any text.
int ruleCode(const QString& rule) {
  return std::clamp(platform::roundHalfEven(platform::Val(rule)), -1000000, 1000000);
}

QString narrowTrimmed(const QString& text) {
  return platform::trimBlanks(platform::toHalfWidth(text));
}

int addRounded(int total, const QString& text) {
  return platform::roundHalfEven(static_cast<double>(total) + platform::Val(text));  // clamps
}

// Team event paired with the event, or null when it has none.
const TeamShumokuRec* pairedTeamEvent(const Model& model, const ShumokuRec& ev) {
  return teamEventAt(model.team, ev.TeamShumokuIndex);
}

// Games and points of the first k sub-matches of a played tie, by the rule of each.
void addSubMatchTotals(Model& model, const TeamShumokuRec& team, const TeamTaisenRec& tie, int k,
                       TieTotals& tA, TieTotals& tB) {
  const QString x = QStringLiteral("X");
  const int played = std::min<int>(k, static_cast<int>(tie.Shiais.size()));
  for (int s = 0; s < played; ++s) {
    const TeamShiaiRec& sub = tie.Shiais.at(s);
    DecodeShiaiKeishiki(model.rule, ruleCode(team.Kousei.at(s).Rule));
    const int p = model.rule.RulePoints;
    const int g = model.rule.RuleGames;
    const int n = (g + 1) / 2;
    const QString gameA = narrowTrimmed(sub.GameCount[0]);
    const QString gameB = narrowTrimmed(sub.GameCount[1]);
    if (gameA == gameB) continue;
    if (gameA == x) {  // side A gave the sub-match away
      tB.gamesWon = league::sum(tB.gamesWon, g);
      tB.pointsWon = league::sum(tB.pointsWon, 1LL * p * n);
    } else if (gameB == x) {
      tA.gamesWon = league::sum(tA.gamesWon, g);
      tA.pointsWon = league::sum(tA.pointsWon, 1LL * p * n);
    } else {
      tA.gamesWon = addRounded(tA.gamesWon, gameA);
      tB.gamesWon = addRounded(tB.gamesWon, gameB);
      const int scores = std::min(g, static_cast<int>(sub.Scores.size()));
      for (int gi = 0; gi < scores; ++gi) {
        const ScoreSplitResult sc = ScoreSplit(sub.Scores.at(gi), p);
        if (sc.a == sc.b) break;  // an unplayed game ends the sub-match's scores
        tA.pointsWon = league::sum(tA.pointsWon, sc.a);
        tB.pointsWon = league::sum(tB.pointsWon, sc.b);
      }
    }
  }
}

// What one side won the other lost.
void settle(TieTotals& tA, TieTotals& tB) {
  tA.losses = tB.wins;
  tA.subLost = tB.subWon;
  tA.gamesLost = tB.gamesWon;
  tA.pointsLost = tB.pointsWon;
  tB.losses = tA.wins;
  tB.subLost = tA.subWon;
  tB.gamesLost = tA.gamesWon;
  tB.pointsLost = tA.pointsWon;
}

}  // namespace

void MakeTeamLeagueResults(Model& model, int shumokuIndex, int blockIndex) {
  ShumokuRec* ev = eventAt(model.taikai.Taikai, shumokuIndex);
  if (!ev) return;
  LeagueBlockRec* blk = blockAt(ev->YosenLeague, blockIndex);
  if (!blk) return;
  ClearLeagueStandings(*blk);

  const TeamShumokuRec* team = pairedTeamEvent(model, *ev);
  if (!team) return;
  const TeamBlockRec* teamBlock = teamBlockAt(*team, blockIndex);
  if (!teamBlock) return;
  const TeamBlockRec& stage = *teamBlock;
  const int k = kouseiCount(*team);

  // A forfeited tie gives the winner every sub-match, the games to win each, and one
  // game's points per sub-match.
  int forfeitGames = 0;
  int forfeitPoints = 0;
  for (int s = 0; s < k; ++s) {
    const LeagueRule r = DecodeLeagueRule(ruleCode(team->Kousei.at(s).Rule));
    forfeitGames = league::sum(forfeitGames, r.toWin);
    forfeitPoints = league::sum(forfeitPoints, r.points);
  }

  const int slotTotal = league::slotCount(*blk);
  const int matches = matchCount(*blk);
  const int ties = tieCount(stage);
  const QString x = QStringLiteral("X");
  for (int j = 0; j < ties; ++j) {
    const TeamTaisenRec& tie = stage.Taisens.at(j);
    if (tie.TeamA == tie.TeamB) continue;
    const QString rA = narrowTrimmed(tie.KekkaA);
    const QString rB = narrowTrimmed(tie.KekkaB);
    if (rA.isEmpty() && rB.isEmpty()) continue;

    // Tie j is the league match with match number j + 1.
    if (j >= static_cast<int>(blk->TaisenIndex.size())) continue;
    const int mi = blk->TaisenIndex.at(j);
    if (mi < 0 || mi >= matches) continue;
    const LeagueTaisenRec& m = blk->Taisen.at(mi);
    const int a = m.Taisen1;
    const int b = m.Taisen2;
    if (a < 0 || a >= slotTotal || b < 0 || b >= slotTotal) continue;

    TieTotals tA;
    TieTotals tB;
    if (rA + rB == QStringLiteral("XX")) {
      tA.wins = tB.wins = 0.5f;  // both teams forfeited
    } else if (rA == x) {
      tB.wins = 1;
      tB.subWon = k;
      tB.gamesWon = forfeitGames;
      tB.pointsWon = forfeitPoints;
    } else if (rB == x) {
      tA.wins = 1;
      tA.subWon = k;
      tA.gamesWon = forfeitGames;
      tA.pointsWon = forfeitPoints;
    } else {
      tA.subWon = platform::roundHalfEven(platform::Val(rA));
      tB.subWon = platform::roundHalfEven(platform::Val(rB));
      if (tA.subWon > tB.subWon) tA.wins = 1;
      if (tA.subWon < tB.subWon) tB.wins = 1;
      addSubMatchTotals(model, *team, tie, k, tA, tB);
    }

    // Only ties that reached a result count as matches played.
    if (m.ShiaiBangouHyouji != QStringLiteral("0")) {
      ++blk->SankashaShiaiSuu.at(a);
      ++blk->SankashaShiaiSuu.at(b);
    }
    settle(tA, tB);
    auto& juniA = blk->Juni.at(a);
    addTo(juniA, tA);
    setLetter(juniA, b, tA.subWon, tB.subWon);
    auto& juniB = blk->Juni.at(b);
    addTo(juniB, tB);
    setLetter(juniB, a, tB.subWon, tA.subWon);
  }
}

}  // namespace qv
