#pragma once
// One sub-match row of a tie sheet and the sheet metrics it is drawn with. A sheet is 16
// units wide; a row is 3 units high: the players left and right, the games won beside a
// pair of brackets that enclose the game scores, the withdrawal mark under the games won
// of the side that withdrew.

#include <QString>

namespace qv {

class PrintDevice;
struct TeamState;
struct TeamOutputState;

// Sets out.Sheet from the sheet unit u (mm) and resets TeamSheetX and TeamSheetY to 0.
// The scores take the five-score layout when the rule of the first sub-match definition of
// team event teamEvent is the number 75 ("075" and "75.0" too), else the three-score
// layout (also for a rule that is no number, an event without definitions and no event at
// that index).
void SetTeamSheetMetrics(const TeamState& team, int teamEvent, TeamOutputState& out, float u);

// Prints out.SubMatchKekka as one row with its top-left at TeamSheetX, TeamSheetY, with
// the metrics of the last SetTeamSheetMetrics. Moves neither; leaves the line width at
// 0.2 mm. kikenMark is printed under the games won of the side that withdrew.
void PrintTeamSubMatch(PrintDevice& device, const TeamOutputState& out, const QString& kikenMark);

}  // namespace qv
