#pragma once
// The 【印刷制御データ】 section of the results file: paper, page texts, page selection,
// save time and the layout of pages, regions and placements.

#include <QString>

namespace platform {
class TextFileReader;
}

namespace qv {

struct Model;

// Reads the section from the line after its marker. Starts from the layout defaults
// (InitInsatsuSeigyo) and refills the page phrase fields from field 0. Returns the line
// that ended the section unchanged (it begins with "【"), or ".eof." at the end of the file.
// Never fails: unknown or misplaced lines are skipped, missing numbers read as 0.
QString ReadInsatsuSeigyoData(Model& model, platform::TextFileReader& file);

}  // namespace qv
