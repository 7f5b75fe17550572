#pragma once
// The kana file (<data file>.kan): player names with their readings, used to fill the
// readings that the data file and the team file left empty.

#include <QString>

#include <vector>

#include "data/TextVars.h"

namespace qv {

struct Model;

// Fills every empty reading of the singles and doubles entries and of the team members
// from the kana file beside the data file. A reading already given is never replaced; a
// missing kana file changes nothing.
void ReadFuriganaFile(Model& model);

// The reading of the first row whose name equals the name exactly, after one trailing
// circled digit ①..⑥ is dropped from the name; empty when no row matches.
QString GetFurigana(const std::vector<StrPairRec>& furigana, const QString& name);

}  // namespace qv
