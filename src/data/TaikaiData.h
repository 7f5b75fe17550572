#pragma once
// The 【大会データ】 section: tournament keys, OPTION words and one 種目= line per event.

#include <QString>

namespace qv {

struct Model;
struct TaikaiDataFile;

// Reads the section from the open file; returns the line that ended it (its first
// character is "【") or TaikaiFileEof().
QString ReadTaikaiData(Model& model, TaikaiDataFile& file);

}  // namespace qv
