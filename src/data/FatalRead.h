#pragma once
// Ending the program on a fatal read: the one way every reader does it.

#include <QString>

#include "platform/Messages.h"

namespace qv {

struct Model;

// Where a fatal read happened, as far as the reader knows it.
struct ReadPlace {
  QString file;              // not empty: the first line of the message
  qsizetype lineNumber = 0;  // above 0: "<n>行目: <line>" on the next line
  QString line;
};

// Shows the title and the message (the place, then the text) with only an OK button and
// the icon, then ends the program (platform::ProgramEnd). The data-file readers pass the
// operation or error as title and the file's path as text, with no icon.
[[noreturn]] void FatalDataFileMsg(Model& model, const QString& title, const QString& text,
                                   const ReadPlace& place = {},
                                   platform::MsgIcon icon = platform::MsgIcon::None);

}  // namespace qv
