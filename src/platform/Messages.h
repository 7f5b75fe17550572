#pragma once
// The one seam through which every message box goes: QMessageBox in the program, a
// recorder with scripted answers in tests.

#include <QString>

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MsgAnswer show(const QString& title, const QString& text, MsgIcon icon,
                         MsgButtons buttons) = 0;

  MsgAnswer info(const QString& title, const QString& text) {
    return show(title, text, MsgIcon::Information, MsgButtons::Ok);
  }
  MsgAnswer warn(const QString& title, const QString& text) {
    return show(title, text, MsgIcon::Exclamation, MsgButtons::Ok);
  }
};

}  // namespace platform
