#pragma once
// The totals of one tie for the cell of a team league table: sub-matches, games and points
// won by each side.

#include <QString>

namespace qv {

struct TeamState;
struct TeamOutputState;

struct TeamMatchTotal {
  QString SubMatchesA, GamesA, PointsA;
  QString SubMatchesB, GamesB, PointsB;
  friend bool operator==(const TeamMatchTotal&, const TeamMatchTotal&) = default;
};

// Totals of tie number `match` (1-based) of the stage of team event teamEvent (index into
// team.TeamShumokus); `label`, the tie's printed label, is left in out.TaisenLabel. The
// sub-match counts are the tie's stored texts; games and points are summed over its
// sub-matches (a walkover is worth the games that win a sub-match and their points) and
// stay empty while nothing was played. A sub-match that cannot be read counts as not
// played. Everything stays empty for a stage below 0, no team event at that index or a tie
// that does not exist. Sets out.TeamShiaiRows up for that event.
TeamMatchTotal GetTeamMatchTotal(const TeamState& team, int teamEvent, const QString& kikenMark,
                                 TeamOutputState& out, int stage, int match,
                                 const QString& label);

}  // namespace qv
