#pragma once
// Reading a tie one sub-match at a time, in the form a tie sheet row or a league cell uses:
// the players of both sides from their line-ups, the games won and the game scores turned
// so that the left side comes first, and the side that withdrew.
//
// Ties name their teams by 0-based index into the event's teams and their line-ups by index
// into that team's line-ups. A tie whose two sides are the same team with the same line-up
// is the placeholder the team file keeps for a tie not filled in yet.

#include <QString>

namespace qv {

struct TeamState;
struct TeamShumokuRec;
struct TeamTaisenRec;
struct TeamOutputState;

// Tie number n (1-based) of the stage, or nullptr when the stage or the tie does not exist.
const TeamTaisenRec* FindTeamTaisen(const TeamShumokuRec& ev, int stage, int n);

// True when the tie has teams on it (not the placeholder of an unfilled tie).
bool IsTeamTaisenFilled(const TeamTaisenRec& tie);

// First line-up row of each sub-match of team event teamEvent (index into
// team.TeamShumokus): singles take one row, three-player sub-matches three, any other kind
// two. At most 25 sub-matches are kept; entries past the last definition keep what they
// held. Nothing changes when there is no team event at that index.
void SetTeamSubMatchRows(const TeamState& team, int teamEvent, TeamOutputState& out);

// Copies sub-match subMatch of the tie numbered by out.TaisenLabel in the given stage of
// team event teamEvent into out.SubMatchKekka, side leftSide (0 = side A, 1 = side B) on
// the left. kikenMark is the withdrawal mark of the sheets; while it is empty the scores
// keep their retirement marks. Returns false, writing nothing, when there is no team event
// at that index, the label names no tie of the stage (not a whole number from 1 to the tie
// count), the tie is not filled, or the sub-match cannot be read whole (no definition or
// result for it, a team, line-up or line-up row missing, side values other than 0 and 1).
bool GetTeamSubMatch(const TeamState& team, int teamEvent, const QString& kikenMark,
                     TeamOutputState& out, int stage, int subMatch, int leftSide, int rightSide);

// "21-15" -> "15-21": the text after the first "-", "-", the text before it. A text without
// "-" comes back unchanged.
QString SwapScore(const QString& score);

// Puts one or two blanks in front so that the first "-" stands in the third place: "5-3" ->
// " 5-3", "-" -> "  -"; other texts come back unchanged.
QString AlignScore(const QString& score);

}  // namespace qv
