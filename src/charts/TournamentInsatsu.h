#pragma once
// The settings of the knock-out being printed, the bracket geometry derived from them, and
// the state the bracket charts keep between prints. The set-up fills the settings, the
// page loop has SetTournamentHaichi turn them into row pitch and columns, and the page
// drawer reads both.

#include <QString>

#include <vector>

#include "data/TournamentModel.h"
#include "print/PrintRunState.h"

namespace qv {

struct TournamentInsatsuRec {
  QString Keishiki;               // "左" one side, "左右" two sides facing each other
  QString PairMode;               // splitting mode of pair names; always "並列"
  bool ShiaiBangouKeep = true;    // decided matches keep their match number
  bool ScoreShow = false;         // decided matches show their game scores
  int PageCount = 1;              // pages asked for; after printing, pages printed
  int DrawSize = 0;               // size of an upper-rounds draw, 0 for the full draw
  AreaRect Area;                  // the chart's box, millimetres
  float TitleSize = 4.0f;         // character size of the title line, millimetres
};

// Columns of one side: 0 and 1 bound the name column, 2 and 3 the affiliation column,
// 4 is where the rounds start, 5 upwards one column per round.
inline constexpr int kTournamentColumns = 19;

struct TournamentHaichiRec {
  int TournamentSides = 1;
  float TournamentRowPitch = 0;
  float TournamentFirstRowY = 0;
  float TournamentColumnWidth = 0;
  // [side][column]; a draw deeper than the fixed columns gets as many as it needs.
  std::vector<float> TournamentColumnX[2] = {std::vector<float>(kTournamentColumns, 0.f),
                                             std::vector<float>(kTournamentColumns, 0.f)};

  // x of column j on side s; a column beyond the table reads as its last one.
  float ColumnX(int side, int j) const;
};

// Everything the bracket charts keep between calls.
struct TournamentChartState {
  TournamentInsatsuRec TournamentInsatsu;
  TournamentHaichiRec Haichi;
  // Widths of the name and affiliation columns as fractions of one side; the print run
  // presets them, PrintTournament sets them per event and puts the preset back.
  float NameColumnRatio = 0.2f;
  float ShozokuColumnRatio = 0.3f;
  // The reduced copy of an upper-rounds print; never read outside that print.
  TournamentRec JouiTournament;
};

// Rows, row pitch and the columns of both sides for a knock-out of this size, from the
// settings and the box. finalCaption is the caption of the final on a two-page chart.
void SetTournamentHaichi(TournamentChartState& state, int sankaCount, int levelCount,
                         int ketteiJuni, float scale, const QString& finalCaption);

}  // namespace qv
