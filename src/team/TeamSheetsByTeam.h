#pragma once
// The tie sheets of one team: every tie it played, across all team events and stages, with
// the team always on the left.

#include <QString>

namespace qv {

struct ChartEnv;
struct TeamMeisaiLayout;

// Prints the sheets of the ties of teamName (compared exactly with the teams' names) in a
// grid of the layout's columns × rows cells below an 8 mm band under the box's top. Each
// call starts on a new page; every page carries "【" teamName "】" and the tournament's
// name, era date and venue. Placeholder ties (a team against itself) are left out, and so
// are the ties of an event with more than 25 sub-matches. pageCount and the job work as
// for PrintTeamMeisai: the caller sets it to 0 before its first team and ends the job when
// it is above 0. Returns false, after a message, when the box or grid cannot be used
// (nothing printed).
bool PrintTeamSheetsByTeam(ChartEnv& env, const TeamMeisaiLayout& layout, int& pageCount,
                           const QString& teamName);

}  // namespace qv
