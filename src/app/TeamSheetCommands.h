#pragma once
// The printing loops of the two tie-sheet commands: once per team event marked for
// printing, or once per distinct team name. The tie-sheet printers are passed in, so that
// the loops are the same whatever draws the sheets.

#include <QString>

#include <functional>

#include "team/TeamMeisaiLayout.h"

namespace qv {

struct ChartEnv;
struct Program;
struct TeamShumokuRec;

// One run's page count and its own copy of the sheet box and grid, so that the stored
// layout stays as the layout window left it.
struct TieSheetRun {
  int pageCount = 0;  // pages begun so far; the print job is open once it is above 0
  TeamMeisaiLayout layout;
};

// Each printer returns false, after its own message, when it cannot lay the sheets out;
// the run then ends.
struct TeamSheetPrinters {
  // The tie sheets of team event teamEvent (index into the team events), always from a
  // new page.
  std::function<bool(TieSheetRun&, int teamEvent, int startMode)> byEvent;
  // The same, continuing on the pages of the previous event from where startMode says.
  std::function<bool(TieSheetRun&, int teamEvent, int startMode)> byEventRenki;
  // The ties of one team across all team events.
  std::function<bool(TieSheetRun&, const QString& teamName)> byTeam;
};

// The tie-sheet printers drawing on the environment's device.
TeamSheetPrinters TieSheetPrinters(ChartEnv& env);

// 2 (landscape) for a box at least as wide as it is high, else 1 (portrait).
int TeamSheetOrientation(const TeamMeisaiLayout& layout);

// Where an event's sheets begin when it follows another on the same pages: the units digit
// is 1 when it does not start a new page, the tens digit 1 when it does not start a new
// row of sheets; 0 starts a new page.
int TeamSheetStartMode(const TeamShumokuRec& event);

// Every team event marked for printing in turn, through byEventRenki while the sheets are
// laid out "種目連記", else byEvent. Passes each event's index and sets ShumokuIndex
// to the tournament's event paired with it (the team event's index when it has none).
// False when a printer refused.
bool PrintTeamSheetsByEvent(Program& program, const TeamSheetPrinters& printers, TieSheetRun& run);

// Every team of every team event, each distinct name once (the first time it occurs),
// whether or not its event is marked for printing, as the team filter selects them. False
// when the printer refused.
bool PrintTeamSheetsByTeamName(Program& program, const TeamSheetPrinters& printers,
                               TieSheetRun& run);

}  // namespace qv
