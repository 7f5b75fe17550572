#pragma once
// The page, region and placement lines of a print-control section (used by its reader).

#include <QString>

namespace qv {

struct InsatsuSeigyoRec;
struct TaikaiRec;

// The page, region and placement that the layout keys fill: the ones opened last. A
// marker moves only its own level.
struct LayoutCursor {
  int page = 0;
  int ryouiki = 0;
  int haichi = 0;
};

// "[頁データ]", "[領域データ]" or "[配置データ]": opens a new page, region or placement.
// A region needs an opened page and a placement an existing region; otherwise, and for
// any other text, nothing happens.
void ReadLayoutMarker(InsatsuSeigyoRec& rec, LayoutCursor& cursor, const QString& line);

// One page, region or placement key. value is the trimmed value; textValue keeps its
// leading blanks (the 文字列 lines). Returns false for a key of none of the three levels.
// A key whose region or placement does not exist is skipped.
bool ReadLayoutKey(InsatsuSeigyoRec& rec, const LayoutCursor& cursor, const TaikaiRec& taikai,
                   const QString& key, const QString& value, const QString& textValue);

}  // namespace qv
