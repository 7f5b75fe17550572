#include "teamlogic/TeamMatchTotal.h"

#include <algorithm>
#include <cstdint>

#include "data/Dates.h"
#include "data/ModelAccess.h"
#include "data/TeamModel.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "teamlogic/TeamOutputState.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

QString narrowUpper(const QString& text) { return platform::toHalfWidth(text).toUpper(); }

// Running totals held within the 32-bit range whatever the files say.
void add(int& total, double value) {
  total = platform::roundHalfEven(static_cast<double>(total) + value);
}

struct Sums {
  int gamesA = 0, gamesB = 0, pointsA = 0, pointsB = 0;
};

// Points of one game score; a side that withdrew in the game gives the other the game's
// winning score (two more when it had already reached it).
void addScore(Sums& s, const QString& score, int pts) {
  const QString t = narrowUpper(score);
  const qsizetype p = t.indexOf(QLatin1Char('-'));
  if (p < 0) return;
  QString a = platform::trimBlanks(t.left(p));
  QString b = platform::trimBlanks(t.mid(p + 1));
  const auto reached = [pts](const QString& x) {
    const auto v = platform::numericValue(x);
    return v && *v >= pts;
  };
  if (a.contains(QLatin1Char('X'))) {
    b = QString::number(pts);
    a.remove(QLatin1Char('X'));
    if (reached(a)) b = QString::number(pts + 2);
  } else if (b.contains(QLatin1Char('X'))) {
    a = QString::number(pts);
    b.remove(QLatin1Char('X'));
    if (reached(b)) a = QString::number(pts + 2);
  }
  if (const auto v = platform::numericValue(a)) add(s.pointsA, *v);
  if (const auto v = platform::numericValue(b)) add(s.pointsB, *v);
}

}  // namespace

TeamMatchTotal GetTeamMatchTotal(const TeamState& team, int teamEvent, const QString& kikenMark,
                                 TeamOutputState& out, int stage, int match,
                                 const QString& label) {
  TeamMatchTotal total;
  if (stage < 0) return total;
  out.TaisenLabel = label;
  const TeamShumokuRec* ev = teamEventAt(team, teamEvent);
  if (!ev) return total;
  // A league match may show another label than its number ("4" for tie 1 of the second
  // block); the sub-matches are read from the tie the number names, like the counts.
  struct LabelScope {
    TeamOutputState& state;
    QString label;
    ~LabelScope() { state.TaisenLabel = label; }
  } restore{out, label};
  out.TaisenLabel = QString::number(match);
  const TeamTaisenRec* tie = FindTeamTaisen(*ev, stage, match);
  if (!tie) return total;
  total.SubMatchesA = tie->KekkaA;
  total.SubMatchesB = tie->KekkaB;
  // The line-up rows must be this event's, whichever event the caller set them up for.
  SetTeamSubMatchRows(team, teamEvent, out);

  Sums s;
  const int defs = kouseiCount(*ev);
  for (int k = 0; k < defs; ++k) {
    RuleState rule;
    DecodeShiaiKeishiki(rule, platform::lenientWholeNumber(ev->Kousei.at(k).Rule));
    const int pts = rule.RulePoints;
    const int need = (rule.RuleGames + 1) / 2;
    // A sub-match that cannot be read adds nothing; the record then still holds another
    // sub-match, which must not be counted again.
    if (!GetTeamSubMatch(team, teamEvent, kikenMark, out, stage, k, 0, 1)) continue;
    const SubMatchKekkaRec& sub = out.SubMatchKekka;
    const QString gA = platform::trimBlanks(narrowUpper(sub.GamesWon[0]));
    const QString gB = platform::trimBlanks(narrowUpper(sub.GamesWon[1]));
    const QString x = QStringLiteral("X");
    if (gB == x && gA.isEmpty()) {
      add(s.gamesA, need);
      add(s.pointsA, static_cast<double>(need) * pts);
    } else if (gA == x && gB.isEmpty()) {
      add(s.gamesB, need);
      add(s.pointsB, static_cast<double>(need) * pts);
    } else if ((gA == x && gB == x) || (gA.isEmpty() && gB.isEmpty())) {
      continue;
    } else {
      add(s.gamesA, platform::Val(gA));
      add(s.gamesB, platform::Val(gB));
      for (const QString& score : sub.Scores) addScore(s, score, pts);
    }
  }
  if (static_cast<int64_t>(s.gamesA) + s.gamesB > 0) {
    total.GamesA = QString::number(s.gamesA);
    total.GamesB = QString::number(s.gamesB);
  }
  if (static_cast<int64_t>(s.pointsA) + s.pointsB > 0) {
    total.PointsA = QString::number(s.pointsA);
    total.PointsB = QString::number(s.pointsB);
  }
  return total;
}

}  // namespace qv
