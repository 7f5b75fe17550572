#pragma once
// TEMPORARY until the program floor's opening procedure lands.

#include <QString>

namespace qv {
struct Program;
void OpenTaikai(Program& program, const QString& fileName);
}  // namespace qv
