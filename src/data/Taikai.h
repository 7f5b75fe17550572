#pragma once
// Option words and side-file names.

#include <QString>

namespace qv {

struct TaikaiSwitches;

// A side file of the tournament: the data file's name with its last three characters
// replaced by ext ("kai", "dan", "kan", "csn", "bak").
QString SideFileName(const QString& taikaiFileName, const QString& ext);

// True when word is one of the data file's OPTION words (exact, case-sensitive).
bool IsTaikaiOption(const TaikaiSwitches& sw, const QString& word);

}  // namespace qv
