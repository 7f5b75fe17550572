#pragma once
// The box and grid the tie sheets are laid out in, and the defaults the tie-sheet layout
// window puts in when none was set before.

#include <QString>

namespace qv {

// The box and grid the tie sheets are laid out in, as the tie-sheet layout window leaves them
// for the team commands. Zero columns make that window put in its defaults.
struct TeamMeisaiLayout {
  float TeamMeisaiLeft = 0;  // millimetres
  float TeamMeisaiTop = 0;
  float TeamMeisaiRight = 0;
  float TeamMeisaiBottom = 0;
  int TeamMeisaiCols = 0;  // sheets across
  int TeamMeisaiRows = 0;  // sheets down
  QString TeamMeisaiKeishiki;  // "種目連記" (events continue on the same pages) or "ブロック"
};

// 15/15/190/275 mm, 3 columns and 4 rows; the arrangement is left as it is.
void SetTeamMeisaiDefaults(TeamMeisaiLayout& layout);

}  // namespace qv
