#pragma once
// The program folder: the folder the program was started from, or its parent when the
// program runs from a SOURCE folder of a development copy.

#include <QString>

namespace qv {

// The folder with a trailing separator; when the first "SOURCE" (upper case) in it begins
// seven or eight characters before its end (it ends in SOURCE/ or SOURCEx/), the part
// before that "SOURCE".
QString ProgramFolderOf(const QString& startFolder);

}  // namespace qv
