#pragma once
// League standings: entries linked to league slots, per-slot results of individual and team
// blocks, the qualifiers a finished block sends on, and the splitter of one game score.
//
// Everything works on the preliminary league (ShumokuRec::YosenLeague); an event or block
// index that does not exist is left alone.

#include <QString>

namespace qv {

struct Model;
struct LeagueBlockRec;

// Links each entry of the event (-1: every event) to the league slot its draw position
// names; slots that no entry reaches hold -1.
void MakeLeagueTables(Model& model, int shumokuIndex);

// Standings of one block; blocks of team events are handed to MakeTeamLeagueResults.
// An empty league or a ",Dummy" block is left as it is.
void MakeLeagueResults(Model& model, int shumokuIndex, int blockIndex);

// Standings of one block of a team event, from the ties of its paired team event.
void MakeTeamLeagueResults(Model& model, int shumokuIndex, int blockIndex);

// Standings of every block of every event with a preliminary league.
void MakeAllLeagueResults(Model& model);

// The standings a print run reads, computed once as the run begins so that the league
// tables only read them: MakeLeagueResults for every block of every event, after
// MakeAllLeagueResults while the league detail mode is above 0.
void MakePrintRunStandings(Model& model);

// Fills the qualifiers of the events that go on to a knock-out from the blocks whose
// entrants have played all their matches (and from ",Dummy" blocks). -1 = every event /
// every block.
void CountLeagueProgress(Model& model, int shumokuIndex, int blockIndex);

// One game's points for side A and side B.
struct ScoreSplitResult {
  int a = 0;
  int b = 0;
};

// Splits a game score such as "21-15"; "X" on one side is a game not played (the other side
// takes `points`), "X" beside a number a retirement.
ScoreSplitResult ScoreSplit(const QString& score, int points);

// A league's game rule: points per game, games per match and games needed to win.
struct LeagueRule {
  int points = 0;
  int games = 0;
  int toWin = 0;
};

// Decodes a block's or sub-match's rule code: below 100 the code is the points of a
// best-of-three; 100..999 is points*10 + games; from 1000 points*1000 + games*100 + cap.
LeagueRule DecodeLeagueRule(int code);

// Clears every slot's standings and match count; the result text becomes one "-" per slot.
void ClearLeagueStandings(LeagueBlockRec& block);

}  // namespace qv
