#pragma once
// Driving the layout windows as the user does: focus moving between boxes, typing, clicks.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

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

}  // namespace qv::test
