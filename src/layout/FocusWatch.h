#pragma once
// The edit rule of the layout windows' boxes: a box keeps its text when it takes the focus,
// and only a text that differs from it when the focus leaves counts as an edit. A window
// keeps one FocusWatch and passes its event filter's events to it; so the handlers stop
// with the window's own destruction, before its members go.

#include <QWidget>

#include <functional>
#include <vector>

class QEvent;

namespace qv {

class FocusWatch {
 public:
  explicit FocusWatch(QObject& window) : window_(window) {}

  // got runs when the box takes the keyboard focus, lost when it gives it up; a pop-up of
  // the box itself (a combo box's list) does not count.
  void watch(QWidget* box, std::function<void()> got, std::function<void()> lost);

  // For the window's eventFilter.
  void dispatch(QObject* watched, QEvent* event) const;

 private:
  struct Box {
    QObject* box;
    std::function<void()> got;
    std::function<void()> lost;
  };
  QObject& window_;
  std::vector<Box> boxes_;
};

}  // namespace qv
