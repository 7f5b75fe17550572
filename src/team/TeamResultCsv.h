#pragma once
// The two team-result files the suite's team-detail program reads: a summary with one row
// per tie and a detail file with one row per sub-match, each headed by a title line and a
// column header. Fields are joined by "," without quoting, so a comma inside a text is
// written as the full-width "，" to keep every row's columns.

#include <QString>
#include <QStringList>

namespace qv {

struct Model;
struct TeamOutputState;

struct TeamResultCsvLines {
  QStringList summary;
  QStringList detail;
};

// "<data file name without its extension>団体戦明細結果.csv" and "…団体戦結果.csv"; a name
// of fewer than four characters has no extension to drop and gives the bare suffix.
QString TeamResultDetailFileName(const QString& taikaiFileName);
QString TeamResultSummaryFileName(const QString& taikaiFileName);

// Both files' lines for every team event, stage and tie of the model. Goes through the
// sub-match extraction, so it leaves out.TaisenLabel and out.SubMatchKekka at the last tie
// and sub-match handled.
TeamResultCsvLines MakeTeamResultCsv(const Model& model, TeamOutputState& out);

// Which side of a tie is written on the left: 0 side A, 1 side B. The side that won more
// sub-matches goes left and equal counts put side B there; a forfeit "Ｘ" goes right unless
// both forfeited; a tie without results keeps side A on the left. Counts compare as numbers.
int TeamResultSwap(const QString& kekkaA, const QString& kekkaB);

// The label of tie t (0-based) of stage b of team event i, before it is widened: the
// league block's name and pairing label for the blocks of a preliminary league, the
// knock-out's match label for the later stages, and the tie's number where the event has
// no preliminary league or the entry that would give the label is missing.
QString TeamResultTaisenLabel(const Model& model, int teamEvent, int stage, int tie);

}  // namespace qv
