#pragma once
// A fresh program state for a test: recorded messages, a fixed clock and a temporary
// program folder.

#include <QDateTime>
#include <QTemporaryDir>

#include <deque>
#include <vector>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "program/Program.h"

namespace qv::test {

struct RecordedMessage {
  QString title;
  QString text;
  platform::MsgIcon icon;
  platform::MsgButtons buttons;
};

// Keeps every message and answers from a script (Ok / the first button when it runs out).
class RecordingMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString& title, const QString& text, platform::MsgIcon icon,
                           platform::MsgButtons buttons) override {
    shown.push_back({title, text, icon, buttons});
    if (!answers.empty()) {
      const auto a = answers.front();
      answers.pop_front();
      return a;
    }
    switch (buttons) {
      case platform::MsgButtons::YesNo:
      case platform::MsgButtons::YesNoCancel: return platform::MsgAnswer::Yes;
      default: return platform::MsgAnswer::Ok;
    }
  }
  std::vector<RecordedMessage> shown;
  std::deque<platform::MsgAnswer> answers;
};

class TestProgram {
 public:
  explicit TestProgram(QDateTime now = QDateTime(QDate(2025, 6, 1), QTime(10, 0)))
      : clock(std::move(now)), program(messages, clock, dir.path() + "/") {}

  QString folder() const { return dir.path() + "/"; }
  // Writes a CP932 file with CR LF line ends into the program folder; returns its path.
  QString writeFile(const QString& name, const QStringList& lines) const;

  QTemporaryDir dir;
  RecordingMessages messages;
  platform::FixedClock clock;
  Program program;
};

}  // namespace qv::test
