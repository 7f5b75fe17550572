#pragma once
// Shared variables of the team-match output: the sub-match being printed, the tie being
// printed, the tie-sheet cursor and the running grid slot, and the settings of the tie
// detail pages (never switched on).

#include <QString>

#include <array>

class QIODevice;

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
  QIODevice* IndexFile = nullptr;  // open index the line-format pages add a link to; not owned
  int PageBase = 0;
  QString FilePrefix;
};

// Offsets, widths and character sizes of a tie-sheet row, in millimetres, all multiples of
// the sheet unit u. x values count from TeamSheetX, y values from TeamSheetY.
struct TeamSheetMetrics {
  float TeamSheetM02 = 0;  // x: left players' box, left end
  float TeamSheetM03 = 0;  // x: right players' box, left end
  float TeamSheetM04 = 0;  // x: left players' box, right end
  float TeamSheetM05 = 0;  // x: right players' box, right end
  float TeamSheetM06 = 0;  // y: first player line of every kind but singles
  float TeamSheetM07 = 0;  // y: second player line of doubles
  float TeamSheetM08 = 0;  // y: the player line of singles
  float TeamSheetM09 = 0;  // players' character size; equal to u
  float TeamSheetM10 = 0;  // x: left games won
  float TeamSheetM11 = 0;  // x: right games won and right withdrawal mark
  float TeamSheetM12 = 0;  // y: games won
  float TeamSheetM13 = 0;  // size and pitch of games won and of the mark
  float TeamSheetM14 = 0;  // x: upright of the left bracket
  float TeamSheetM15 = 0;  // x: base of the right bracket
  float TeamSheetM16 = 0;  // y: top of the brackets
  float TeamSheetM17 = 0;  // bracket tips: height, and twice their inset
  float TeamSheetM18 = 0;  // y: bottom of the brackets, the drawn height of a row
  float TeamSheetScoreX0 = 0;  // x: the score column
  float TeamSheetScoreX1 = 0;  // y of the scores; X1 = 0 marks the five-score layout
  float TeamSheetScoreX2 = 0;
  float TeamSheetScoreX3 = 0;
  float TeamSheetScoreX4 = 0;
  float TeamSheetScoreX5 = 0;
  float TeamSheetScoreX6 = 0;  // size and pitch of the scores
};

struct TeamOutputState {
  HtmTeamRec HtmTeam;
  bool HtmKeitai = false;  // the tie detail page in its line format; nothing sets it
  QString HtmlFolder;      // put before a tie detail page's file name
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
  TeamSheetMetrics Sheet;  // set by SetTeamSheetMetrics for the current team event
  // Running cell of the tie-sheet grid; carries over from one run to the next.
  int TeamMeisaiSlot = 0;
};

}  // namespace qv
