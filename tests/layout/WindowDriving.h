#pragma once
// Driving the layout windows as the user does: focus moving between boxes, typing, clicks.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace qv::test {

// Shows the window and makes it the active one, so that its boxes take the focus.
inline void showActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Gives the widget the focus as a click on it would.
inline void focusOn(QWidget* w) {
  w->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
}

// Focuses the box, replaces its text, and moves the focus on to the next widget.
inline void typeInto(QLineEdit* box, const QString& text, QWidget* next) {
  focusOn(box);
  box->selectAll();
  box->insert(text);
  focusOn(next);
}

inline void click(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// Runs act on the modal window of type W that the next command opens, once it is up.
template <class W>
void onModal(std::function<void(W&)> act) {
  QTimer::singleShot(0, [act] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    act(*w);
  });
}

}  // namespace qv::test
