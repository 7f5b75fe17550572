#pragma once
// The page number of a tie-sheet page.

#include "charts/ChartResult.h"

namespace qv {

class PrintDevice;
struct BunshouState;
struct TextVarState;

// Sets the text variable "頁" to "- n -" with n = page + FirstPageNo - 1 (empty when n is
// below 1) and prints every page phrase field whose text is exactly "&頁" and that is on for
// every page, in field order. The other page phrases do not print on tie-sheet pages.
void PrintTeamPageNo(PrintDevice& device, const BunshouState& bunshou, TextVarState& textVars,
                     int page);

// What a tie-sheet run does as each of its pages begins: counts it in pageCount and prints
// its page number (PrintTeamPageNo).
SheetStarted TeamPageStarted(PrintDevice& device, const BunshouState& bunshou,
                             TextVarState& textVars, int& pageCount);

}  // namespace qv
