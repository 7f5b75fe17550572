#pragma once
// The tie detail page (対戦明細): one tie as a small HTML page, the winner on the left.
// Nothing in the program switches these pages on: both writers do nothing while
// teamOutput.HtmTeam.Enabled is off.

#include <QString>

namespace qv {

struct Model;
struct TeamOutputState;

// Writes tie `tie` (0-based) of stage `stage` of team event teamEvent (index into
// model.team.TeamShumokus) as a table page to out.HtmlFolder + fileName (CP932, CR LF; an
// existing page is replaced), with label as the tie's label (left in out.TaisenLabel).
// Under out.HtmKeitai the line format is written instead. Returns true when a page was
// written; false when switched off, for no team event at that index, a stage below 0, a
// tie that does not exist, or a page that cannot be written (the caller goes on).
// indexFileName is not read by the page writer.
bool WriteTeamMeisaiHtml(const Model& model, int teamEvent, TeamOutputState& out, int stage, int tie,
                         const QString& label, const QString& fileName,
                         const QString& indexFileName);

// The line format of the same page, and a link line to it in the open index file
// out.HtmTeam.IndexFile when there is one.
bool WriteTeamMeisaiHtmlKeitai(const Model& model, int teamEvent, TeamOutputState& out, int stage,
                               int tie, const QString& label, const QString& fileName,
                               const QString& indexFileName);

}  // namespace qv
