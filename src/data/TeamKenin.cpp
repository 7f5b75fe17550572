#include "data/TeamKenin.h"

namespace qv {

void SetTeamKeninDefault(TeamKeninState& kenin) {
  kenin.TeamKenin1 = 70;
  kenin.TeamKenin2 = 30;
  kenin.TeamKenin3 = 70;
  kenin.TeamKenin4 = 15;
  kenin.TeamKenin5 = 5;
  kenin.TeamKeninCount = 3;
  kenin.TeamKeninLabel1 = QStringLiteral("勝者");
  kenin.TeamKeninLabel2 = QStringLiteral("敗者");
  kenin.TeamKeninLabel3 = QStringLiteral("審判長");
  kenin.TeamKeninLabel4 = QString();
  kenin.TeamKeninFlag = 1;
}

}  // namespace qv
