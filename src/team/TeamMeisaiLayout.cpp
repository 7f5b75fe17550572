#include "team/TeamMeisaiLayout.h"

namespace qv {

void SetTeamMeisaiDefaults(TeamMeisaiLayout& layout) {
  layout.TeamMeisaiLeft = 15;
  layout.TeamMeisaiTop = 15;
  layout.TeamMeisaiRight = 190;
  layout.TeamMeisaiBottom = 275;
  layout.TeamMeisaiCols = 3;
  layout.TeamMeisaiRows = 4;
}

}  // namespace qv
