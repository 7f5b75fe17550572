#pragma once
// Small functions the league table and the bracket pages share: the seed numbers of a
// 64-line draw, venue names shortened for match labels, a name cut before its
// parenthesis, game scores turned to the other side and the text of a rank cell. The
// label-sheet table filled at start-up lives here too; nothing reads it.

#include <QString>

#include <array>
#include <vector>

namespace qv {

// The seed number of each line of a 64-line draw, two characters each, right-aligned
// (" 1", "64", "33", ...).
using SeedOrderTable = std::array<QString, 64>;

SeedOrderTable MakeSeedTable();

// The venue converted to full width, then "体育館" and "総合" dropped and the arena words
// shortened ("メインアリーナ" -> "M", "サブアリーナ" -> "S", "アリーナ" -> "ア").
QString ShortenKaijouName(const QString& venue);

// The text before its first "(" or, only when there is none, before its first "（".
QString CutAtParen(const QString& text);

// Game scores turned to the other side: "21-15" -> "15-21"; a score without "-" or that
// begins with "-" is copied unchanged.
using GameScores = std::array<QString, 5>;
GameScores ReverseScores(const GameScores& scores);

// The text of a rank cell: "" below 1, "１".."９", "10".."98", "Ｘ" from 99 on.
QString FormatJuni(int n);

// One label-sheet product: the sheet's measures in millimetres and its grid.
struct LabelSheetRec {
  QString Name;
  float ValueA = 0;
  float ValueB = 0;
  float ValueC = 0;
  float ValueD = 0;
  int Columns = 0;
  int Rows = 0;
  float ValueE = 0;
  float ValueF = 0;
  bool Free = false;
};

struct LabelSheetState {
  std::vector<LabelSheetRec> LabelSheets;
  int LabelSheetCount = 0;
  bool LabelSheetsReady = false;
};

void InitLabelSheets(LabelSheetState& state);

}  // namespace qv
