#pragma once
// The page phrases of one sheet of the layout run, and the page overlay files that a
// phrase field at (0, 0) names.

#include <QString>

namespace qv {

struct Model;
class PrintDevice;

// Sets the page-number text "頁" for sheet sheetNo (1-based within the run, shifted by the
// first page number) and prints every phrase field switched on for all pages or for
// layoutPage (0-based; negative: none).
void PrintPageItems(Model& model, PrintDevice& device, int layoutPage, int sheetNo);

// Prints the items of the overlay file (in the data folder) that apply to the 1-based
// layout page pageNo. A missing file prints nothing; an item line of fewer than seven
// fields, or with a position or size that is no number, is skipped, as is a page
// number that is no whole number.
void PrintPageOverlay(Model& model, PrintDevice& device, const QString& fileName, int pageNo);

}  // namespace qv
