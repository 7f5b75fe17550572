#pragma once
// Today's date and the time of day, behind a seam so that tests can fix them.

#include <QDateTime>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
  QDateTime now() const override { return at_; }
  void set(QDateTime at) { at_ = std::move(at); }

 private:
  QDateTime at_;
};

}  // namespace platform
