#include <gtest/gtest.h>

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "platform/widgets/SingleInstance.h"

using namespace platform;

TEST(SingleInstanceTest, OneHolderAtATimeAndALeftoverOfAnEndedCopyDoesNotBlock) {
  QTemporaryDir dir;
  const QString path = dir.filePath("print.lock");
  {
    SingleInstanceLock first(path);
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_TRUE(first.tryAcquire());  // holding it already
    SingleInstanceLock second(path);
    EXPECT_FALSE(second.tryAcquire());
  }
  // A lock file left by a copy that was killed: its process is gone.
  QFile leftover(path);
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.write("4194303\nquorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  leftover.close();
  SingleInstanceLock next(path);
  EXPECT_TRUE(next.tryAcquire());
}
