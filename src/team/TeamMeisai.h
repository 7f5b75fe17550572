#pragma once
// Tie sheets of one team event, laid out as a grid of framed sheets over the sheet box of
// the tie-sheet layout window. Both printers print team event teamEvent (index into
// env.model.team.TeamShumokus; no event there prints nothing), once per event of a run,
// with the same layout for every event of the run.
//
// pageCount counts the pages begun in the run: the caller sets it to 0 before the first
// event and, after the last, ends the job with ClosePrint when it is above 0. The page that
// takes it from 0 to 1 opens the job on the surface the caller attached to env.device.
//
// Both return false, after a message, when the box, the grid or the event cannot be laid
// out (columns or rows below 1, a box without width or height, more than 25 sub-matches);
// the caller should then end its run.

namespace qv {

struct ChartEnv;
struct TeamMeisaiLayout;

// The "ブロック" arrangement. The event starts on a new page. Each league block of its
// qualifying league takes as many columns as its ties need in rows 2 and below, under its
// league table in row 1; blocks side by side while they fit across. The later stages fill
// whole pages of cells. An event without a qualifying league prints nothing. A league
// block needing more columns than the page has is left out after a message. Leaves
// teamOutput.TeamMeisaiSlot at the sheets of the last stage.
bool PrintTeamMeisai(ChartEnv& env, int teamEvent, const TeamMeisaiLayout& layout,
                     int& pageCount);

// The "種目連記" arrangement: the sheets of all events run through one grid of cells across
// pages and across runs, from teamOutput.TeamMeisaiSlot. startMode says where the event
// begins: 0 or 10 on a new page, 1 at the start of the next row, 11 (or any other value)
// in the next cell. The last stage begins a row or a page under the option words
// "決勝トーナメント改行" / "決勝トーナメント改頁"; a stage named "決勝トーナメント" always
// begins a page. No league tables; team names are printed cut before their first "（"
// (the tournament's own DELBLA switch is not changed). The first sheet of a run always
// begins a fresh page.
bool PrintTeamMeisaiRenki(ChartEnv& env, int teamEvent, const TeamMeisaiLayout& layout,
                          int& pageCount, int startMode);

}  // namespace qv
