#include "data/FatalRead.h"

#include "data/Model.h"
#include "platform/ProgramEnd.h"

namespace qv {

void FatalDataFileMsg(Model& model, const QString& title, const QString& text,
                      const ReadPlace& place, platform::MsgIcon icon) {
  QString message;
  if (!place.file.isEmpty()) message += place.file + QChar('\n');
  if (place.lineNumber > 0)
    message += QStringLiteral("%1行目: %2\n").arg(place.lineNumber).arg(place.line);
  message += text;
  model.messages.show(title, message, icon, platform::MsgButtons::Ok);
  throw platform::ProgramEnd(title, message);
}

}  // namespace qv
