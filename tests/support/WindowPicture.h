#pragma once
// A window grabbed to a picture, kept as name.png in the folder that QUORVANE_GRAB_DIR
// names, for looking at it; without the variable the picture is only made.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

namespace qv::test {

inline void KeepWindowPicture(QWidget& window, const QString& name) {
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
