#pragma once
// The working values of one bracket page: what the set-up computes once per page and what
// the node loop sets per node. The line, label, leaf and playoff drawers share them; each
// page starts afresh.

#include <QString>

#include <vector>

#include "charts/ChartEnv.h"
#include "charts/ChartUtil.h"
#include "charts/TournamentInsatsu.h"
#include "data/SankashaRef.h"
#include "data/TaikaiModel.h"

namespace qv {

inline constexpr float kThinLineWidth = 0.15f;
inline constexpr float kWinLineWidth = 0.8f;

struct BracketPage {
  BracketPage(ChartEnv& chartEnv, const TournamentChartState& chartState,
              const TournamentRec& tournament)
      : env(chartEnv), st(chartState), t(tournament) {}

  ChartEnv& env;
  const TournamentChartState& st;
  const TournamentRec& t;
  const ShumokuRec* shumoku = nullptr;  // the owning event; nullptr when the code is bad

  // The page's rows.
  float LeftFrom = 0, LeftTo = 0, RightFrom = 9999, RightTo = 9999;
  QString Caption;
  int TeamStage = -1;

  // Set-up.
  int DoubleCharFactor = 1;
  bool MultiEventMarks = false;
  float NameSize = 0, NameSizeSmall = 0, DictNameSize = 0, AffilSize = 0;
  float ScheduleSize = 0, LabelSize = 0, ScoreSize = 0, GameScoreSize = 0;
  float LeftStart = 0, RightStart = 0;
  int FirstNode = 1;
  int NitteiIdx = -1, NitteiCols = -1;
  bool ShowWinnerRank = false;
  int RefPrefixMode = 0;  // 0 no reference entries, 1 one common prefix, 2 several
  float Node1Row = 0;     // node 1's row on a two-sided page; the record keeps its own
  bool HasNode1Row = false;
  std::vector<int> SeedRanks;  // seed rank per leaf position of this draw
  float CentreX = -1, SavedY = 0, MaxRowY = 0;
  bool RightCentreDone = false;
  QString NumberText;     // kept from one leaf to the next
  // The entry references of this page resolve for its own event and entrants only.
  SankashaRefContext RefContext;

  // Per node.
  QString MatchText;
  int Side = 0;
  float SideStart = 0, XShift = 0, RowY = 0, LabelX = 0;

  // ---- helpers ----
  const TaisenRec* node(int k) const;
  float rowOf(int k) const;       // display row, node 1's page row on a two-sided page
  float yOf(int k) const;         // y of node k with the current node's SideStart
  float col(int j) const { return st.Haichi.ColumnX(Side, j); }
  float col(int side, int j) const { return st.Haichi.ColumnX(side, j); }
  float rowPitch() const { return st.Haichi.TournamentRowPitch; }
  bool option(const QString& word) const;
  bool isTeamEvent() const;       // kind "団体"
  const QString& insatsuFont() const;

  // A text of size s (height, width and pitch) at (x, y), no box.
  void text(double x, double y, double s, const QString& text) const;
  void line(float width, double x1, double y1, double x2, double y2) const;  // red when wide
  void gothic() const;
  void mincho() const;
  // The three schedule texts of match number m, or nothing when m is past the columns.
  bool scheduleTexts(const QString& shiaiBangou, QString (&out)[3]) const;
};

// The match label of node n: its shown label, or its number when that is empty or "-1".
QString MatchTextOf(const TaisenRec& n);

// The round lines, the centre match and the labels of the current node.
void DrawCentreMatch(BracketPage& pg, int nodeIndex);
// False when the node has no line of its own (an unnumbered bye match, a hidden leaf).
bool DrawNodeLine(BracketPage& pg, int nodeIndex);
void DrawQualifierLabel(BracketPage& pg, int nodeIndex);
void DrawMatchTexts(BracketPage& pg, int nodeIndex);
void DrawJoinLine(BracketPage& pg, int nodeIndex);
// The game-score size after a match with these scores: 0.6 or 0.8 of the score size for
// five or four games, else unchanged.
void SetGameScoreSize(BracketPage& pg, const GameScores& scores);
// The entrant at the current leaf: ballot candidates, entrant texts, numbers, the block
// label of a reduced draw.
void DrawLeafTexts(BracketPage& pg, int nodeIndex);
// Names, affiliations and group texts of one entrant at pg.RowY on pg.Side. The playoff
// players print without kana, colours and the reference conversion.
void DrawEntrant(BracketPage& pg, int entrant, bool playoff);
// The playoff block under the bracket with its caption and players.
void DrawPlayoff(BracketPage& pg);

}  // namespace qv
