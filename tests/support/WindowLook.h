#pragma once
// How a window looks: captions with room for their text, no overlapping controls, and a
// picture of it to look at.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QWidget>

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

// QUORVANE_GRAB_DIR names a folder to keep the pictures in, for looking at them.
inline void keepPicture(QWidget& window, const QString& name) {
  QApplication::processEvents();
  const QImage image = window.grab().toImage();
  EXPECT_FALSE(image.isNull());
  const QString dir = qEnvironmentVariable("QUORVANE_GRAB_DIR");
  if (!dir.isEmpty()) {
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + "/" + name + ".png"));
  }
}

}  // namespace qv::test
