#pragma once
// Option words and the fatal data-file message.

#include <QString>

namespace qv {

struct Model;
struct TaikaiSwitches;

// A side file of the tournament: the data file's name with its last three characters
// replaced by ext ("kai", "dan", "kan", "csn", "bak").
QString SideFileName(const QString& taikaiFileName, const QString& ext);

// True when word is one of the data file's OPTION words (exact, case-sensitive).
bool IsTaikaiOption(const TaikaiSwitches& sw, const QString& word);

// Shows the message under the title with an OK button, then ends the program.
[[noreturn]] void FatalDataFileMsg(Model& model, const QString& title, const QString& message);

}  // namespace qv
