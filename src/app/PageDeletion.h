#pragma once
// Deleting the selected pages of the layout, and with them the events' page marks.

#include <vector>

namespace qv {

struct InsatsuSeigyoRec;
struct ShumokuRec;

// Removes every selected page, keeping the others in order and the empty page after
// them. Each event's page marks (league, knock-out, upper rounds, final league) follow
// their page to its new number; a mark on a deleted page, or one that names no page
// (999: chosen, not placed), becomes 0. Returns the number of pages deleted.
int DeleteSelectedPages(InsatsuSeigyoRec& layout, std::vector<ShumokuRec>& events);

}  // namespace qv
