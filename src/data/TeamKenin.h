#pragma once
// Tie-sheet seal boxes (団体結果検印). No printing code reads these values: they pass from
// the tournament data file back to it unchanged, in the order of its "団体結果検印=" line.

#include <QString>

namespace qv {

struct TeamKeninState {
  float TeamKenin1 = 0;
  float TeamKenin2 = 0;
  float TeamKenin3 = 0;
  float TeamKenin4 = 0;
  float TeamKenin5 = 0;
  int TeamKeninCount = 0;
  QString TeamKeninLabel1;
  QString TeamKeninLabel2;
  QString TeamKeninLabel3;
  QString TeamKeninLabel4;
  int TeamKeninFlag = 0;
};

// The seal boxes of a tournament whose data file has no "団体結果検印=" line.
void SetTeamKeninDefault(TeamKeninState& kenin);

}  // namespace qv
