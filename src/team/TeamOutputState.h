#pragma once
// Shared variables of the team-match output: the sub-match being printed, the tie being
// printed, the tie-sheet cursor and the running grid slot, and the settings of the tie
// detail pages (never switched on).

#include <QString>

#include <array>

namespace qv {

// The one sub-match being output. Only the sub-match extraction writes it.
struct SubMatchKekkaRec {
  QString Label;  // the tie's label (TaisenLabel)
  QString Kind;   // "単", "複" or "３"
  QString LeftPlayer1;
  QString LeftPlayer2;
  QString LeftPlayer3;
  QString RightPlayer1;
  QString RightPlayer2;
  QString RightPlayer3;
  std::array<QString, 2> GamesWon;  // left, right
  std::array<QString, 5> Scores;    // left side's points first; only 0..2 are ever filled
  QString KikenSide;                // "左", "右" or "": the side that withdrew
};

// Settings of the tie detail pages. Nothing sets Enabled, so no page is ever written.
struct HtmTeamRec {
  bool Enabled = false;
  int PageBase = 0;
  QString FilePrefix;
};

struct TeamOutputState {
  HtmTeamRec HtmTeam;
  SubMatchKekkaRec SubMatchKekka;
  // The number of the tie being printed within its stage, 1-based, as decimal text.
  QString TaisenLabel;
  // Index of the extracted tie within its stage (label - 1).
  int TeamTaisenCurrent = 0;
  // First line-up row of each sub-match of the current team event; element 0 is 0.
  std::array<int, 25> TeamShiaiRows{};
  // Top-left of the tie-sheet row being printed, in millimetres.
  double TeamSheetX = 0;
  double TeamSheetY = 0;
  // Running cell of the tie-sheet grid; carries over from one run to the next.
  int TeamMeisaiSlot = 0;
};

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

}  // namespace qv
