#pragma once
// The tie sheets of one team: every tie it played, across all team events and stages, with
// the team always on the left.

#include <QString>

#include "charts/ChartResult.h"

namespace qv {

struct ChartEnv;
struct TeamMeisaiLayout;

// Prints the sheets of the ties of teamName (compared exactly with the teams' names) in a
// grid of the layout's columns × rows cells below an 8 mm band under the box's top, each
// sheet centred in its cell and made smaller where the cell is too low for its rows. Each
// call starts on a new page; every page carries "【" teamName "】" and the tournament's
// name, era date and venue. Placeholder ties (a team against itself) are left out, and so
// are the ties of an event with more than 25 sub-matches. pagesBefore, pageStarted (called
// after a page's heading lines; these pages carry no page number) and the job work as for
// PrintTeamMeisai. Returns the pages begun, or Refused, after a message, when the box or
// grid cannot be used (nothing printed).
ChartResult PrintTeamSheetsByTeam(ChartEnv& env, const TeamMeisaiLayout& layout, int pagesBefore,
                                  const QString& teamName, const SheetStarted& pageStarted = {});

}  // namespace qv
