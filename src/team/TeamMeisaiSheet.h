#pragma once
// What the tie-sheet printers by event share: the grid of cells over the sheet box, the
// page heading, the tie number texts, the side order and one framed sheet of a tie.

#include <QString>

#include "charts/ChartResult.h"

namespace qv {

class PrintDevice;
struct ChartEnv;
struct Model;
struct ShumokuRec;
struct LeagueBlockRec;
struct TaikaiSwitches;
struct TeamShumokuRec;
struct TeamTaisenRec;
struct TeamMeisaiLayout;
struct TeamOutputState;

inline constexpr int kMaxSheetSubMatches = 25;  // rows a tie sheet can hold

// One grid cell (w × h) and the sheet centred in it: unit u, sheet 16u wide and
// 3.6u × K + 3u high for K sub-matches, insets dx, dy.
struct TeamSheetGrid {
  double left = 0, top = 0, right = 0, bottom = 0;
  int cols = 1, rows = 1;
  double w = 0, h = 0, u = 0, H = 0, dx = 0, dy = 0;
};

// The grid of the layout for sheets of K sub-matches: the sheet takes 90 % of the cell
// width unless the cell is too low for its rows. Only for a layout that passes
// TeamSheetLayoutProblem.
TeamSheetGrid MakeTeamSheetGrid(const TeamMeisaiLayout& layout, int subMatches);

// Sets u, H, dx and dy of g for sheets of K sub-matches in its w × h cell, as
// MakeTeamSheetGrid does.
void FitTeamSheetInCell(TeamSheetGrid& g, int subMatches);

// Why sheets of the event cannot be laid out in the layout (columns or rows below 1, a box
// without width or height, more sub-matches than a sheet holds), or empty when they can.
QString TeamSheetLayoutProblem(const TeamMeisaiLayout& layout, const TeamShumokuRec& ev);

// One team event set up for its sheets: grid, sub-match rows, sheet metrics and page
// heading.
struct TeamSheetRun {
  int teamEvent = -1;                  // index into team.TeamShumokus
  const TeamShumokuRec* ev = nullptr;  // nullptr: no team event at that index
  TeamSheetGrid g;
  QString heading;
};

// Sets up the sheets of team event teamEvent. False, after a message, when the layout
// cannot hold them (TeamSheetLayoutProblem).
bool PrepareTeamSheetRun(ChartEnv& env, const TeamMeisaiLayout& layout, int teamEvent,
                         TeamSheetRun& run);

// Title of the messages of the tie-sheet printers.
QString TeamSheetMessageTitle();

// The heading of a tie-sheet page of the event: tournament name, era date, venue and, when
// the tournament has more than one team event, the event's name.
QString TeamMeisaiHeading(const Model& model, const TeamShumokuRec& ev);

// Begins a page: the first of the run (pageCount 0 -> 1) opens the job, later ones follow
// with NewPage; then the heading above the box, and pageStarted (the run's page number).
void BeginTeamSheetPage(ChartEnv& env, int& pageCount, const TeamSheetGrid& g,
                        const QString& heading, const SheetStarted& pageStarted);

// What a tie-sheet printer hands back: the pages it began, and whether it refused.
ChartResult TeamSheetResult(int pagesBegun, bool refused = false);

// The tournament event paired with the team event, or nullptr.
const ShumokuRec* TeamEventRecord(const Model& model, const TeamShumokuRec& ev);

// True when both sides of the tie have a team and a line-up whose first sub-match row
// holds a player; a tie without is not printed.
bool TeamTieHasLineups(const TeamShumokuRec& ev, const TeamTaisenRec& tie,
                       const TeamOutputState& out);

// The side printed on the left (0 = A, 1 = B): the side that won more sub-matches or whose
// opponent forfeited; B on equal results; A while there is no result or both forfeited.
int TieLeftSide(const TeamTaisenRec& tie);

// a > b for two tie results: as numbers when both are numbers ("10" beats "9"), else by
// character codes.
bool TieResultAbove(const QString& a, const QString& b);

// True when the result marks a forfeit ("Ｘ", or "X").
bool IsForfeitResult(const QString& result);

// Tie number texts, in full-width characters. League block: the block's name, "-" and the
// label of league match number t + 1, as the league table shows it (the tie's own number
// when the block has no such match). Knock-out: the label of the match numbered t + 1.
QString LeagueTieNumber(const LeagueBlockRec& block, int t);
QString KnockoutTieNumber(const ShumokuRec* event, int t);

// Frames the cell (x0, y0)-(x1, y1) with 0.2 mm lines: top, right, bottom, left.
void FrameTeamSheetCell(PrintDevice& device, double x0, double y0, double x1, double y1);

// The head of a sheet at (X, Y) in unit u: the tie number in the middle third, the two
// names in the outer thirds, the results either side of "－".
struct TieHead {
  QString number, leftName, rightName, leftResult, rightResult;
};
void PrintTieHead(PrintDevice& device, double X, double Y, double u, const TieHead& head);

// Moves TeamSheetY below the head and prints a row per sub-match of team event teamEvent
// (sides in print order), advancing 3.6u per row. A sub-match that cannot be read (line-up
// too short, no result) leaves its row blank. No event at that index prints nothing.
void PrintTieRows(const Model& model, int teamEvent, PrintDevice& device, TeamOutputState& out,
                  int stage, int leftSide, int rightSide, double u);

// Frames the cell at (x0, y0) of the run's grid and prints the tie's sheet centred in it:
// the tie number, the bracketed texts and short names of both teams (names shortened under
// sw), the result and a row per sub-match. out.TaisenLabel must name the tie within stage
// of the run's event. A run without an event prints nothing.
void PrintTeamMeisaiSheet(ChartEnv& env, const TeamSheetRun& run, double x0, double y0,
                          int stage, const TeamTaisenRec& tie, const QString& number,
                          const TaikaiSwitches& sw);

}  // namespace qv
