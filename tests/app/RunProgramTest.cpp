#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "StartupFixture.h"
#include "app/FrmTaikai.h"
#include "app/RunProgram.h"

using namespace qv;
using namespace qv::test;

// The program as its executable runs it (real message boxes, real modal selection
// window), on the sample tournament, driven like a user: キャンセル in the selection
// window, then 戻る.
TEST(RunProgramTest, StartsOnTheSampleAndEndsWithReturn) {
  StartupFixture f;
  StartupEnv env = StartupEnv::ofApplication();
  env.startFolder = f.programFolder();
  env.arguments = {f.sampleTai()};
  env.instanceLockPath = f.env.instanceLockPath;

  QStringList seen;
  QString pageTotal;
  QTimer driver;
  driver.setInterval(20);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen << "message: " + box->text();
      box->done(0);
      return;
    }
    if (auto* form = qobject_cast<FrmTaikai*>(QApplication::activeModalWidget())) {
      if (!form->isVisible()) return;
      seen << "selection: " + QString::number(form->LstTaikai->count());
      QTest::mouseClick(form->CmdCancel, Qt::LeftButton);
      return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* main = qobject_cast<FrmInsatsuSeigyo*>(w);
      if (!main || !main->isVisible()) continue;
      seen << "main: " + main->LblDate->text();
      pageTotal = main->LblPage[6]->text();
      QTest::mouseClick(main->CmdReturn, Qt::LeftButton);
      driver.stop();
    }
  });
  // Should the program hang, end it rather than the test run.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the program did not end";
    QCoreApplication::exit(99);
  });
  guard.start(30000);
  driver.start();

  EXPECT_EQ(RunProgram(env), 0);
  EXPECT_EQ(seen, QStringList({"selection: 1", "main: 2026.06.14-15"}));
  EXPECT_EQ(pageTotal, "全５頁");
}
