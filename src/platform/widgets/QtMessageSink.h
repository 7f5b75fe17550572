#pragma once
// The message seam of the running program: every message is a QMessageBox.

#include "platform/Messages.h"

namespace platform {

class QtMessageSink : public MessageSink {
 public:
  MsgAnswer show(const QString& title, const QString& text, MsgIcon icon,
                 MsgButtons buttons) override;
};

}  // namespace platform
