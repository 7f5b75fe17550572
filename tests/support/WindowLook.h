#pragma once
// How a window looks: captions with room for their text, no overlapping controls; and a
// picture of it to look at (WindowPicture.h).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "support/WindowPicture.h"

namespace qv::test {

// Every visible caption has the room its text needs, and no two visible controls of one
// container overlap.
inline void expectTidy(QWidget& window) {
  const QList<QWidget*> all = window.findChildren<QWidget*>();
  for (QWidget* w : all) {
    if (!w->isVisibleTo(&window) || w->objectName().isEmpty() ||
        w->objectName().startsWith("qt_"))
      continue;
    SCOPED_TRACE(w->objectName().toStdString());
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
      EXPECT_GE(w->width(), w->sizeHint().width());
      EXPECT_GE(w->height(), w->minimumSizeHint().height());
    }
    for (QWidget* other : all) {
      if (other == w || other->parentWidget() != w->parentWidget() ||
          !other->isVisibleTo(&window) || other->objectName().isEmpty() ||
          other->objectName().startsWith("qt_"))
        continue;
      EXPECT_FALSE(w->geometry().intersects(other->geometry()))
          << "overlaps " << other->objectName().toStdString();
    }
  }
}

}  // namespace qv::test
