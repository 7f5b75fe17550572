#pragma once
// "Ends the program": thrown after a fatal message has been shown; main() catches it,
// closes what is open and exits non-zero. Tests catch it and look at the message.

#include <QString>

#include <stdexcept>

namespace platform {

class ProgramEnd : public std::runtime_error {
 public:
  ProgramEnd(QString title, QString message, int status = 1)
      : std::runtime_error(message.toStdString()),
        title_(std::move(title)), message_(std::move(message)), status_(status) {}
  const QString& title() const { return title_; }
  const QString& message() const { return message_; }
  int status() const { return status_; }

 private:
  QString title_;
  QString message_;
  int status_;
};

}  // namespace platform
