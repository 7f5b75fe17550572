#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "StartupFixture.h"
#include "app/FrmTaikai.h"
#include "app/RunProgram.h"

using namespace qv;
using namespace qv::test;

// The program as its executable runs it (real message boxes, real modal selection
// window, real printer dialog), on the sample tournament, driven like a user: キャンセル in
// the selection window, 印刷実行 and キャンセル in the printer dialog, then 戻る.
TEST(RunProgramTest, StartsOnTheSampleAndEndsWithReturn) {
  StartupFixture f;
  StartupEnv env = StartupEnv::ofApplication();
  env.startFolder = f.programFolder();
  env.arguments = {f.sampleTai()};
  env.instanceLockPath = f.env.instanceLockPath;

  QStringList seen;
  QString pageTotal;
  QString proposedFile;
  bool printTried = false;
  // A timer does not fire again inside its own handler, so the printer dialog, which opens
  // inside the handler's click on 印刷実行, has a timer of its own.
  QTimer printerDriver;
  printerDriver.setInterval(20);
  QObject::connect(&printerDriver, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    QStringList buttons;
    for (const auto* box : dialog->findChildren<QDialogButtonBox*>())
      for (const auto* b : box->buttons()) buttons << b->text();
    seen << "printer: " + dialog->windowTitle() + " " + buttons.join(' ');
    if (const auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
      proposedFile = field->text();
    printerDriver.stop();
    dialog->reject();
  });
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
      if (!printTried) {
        printTried = true;
        printerDriver.start();
        QTest::mouseClick(main->CmdInsatsu, Qt::LeftButton);  // returns once the dialog is cancelled
      }
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
  // Qt's own dialog speaks Japanese, and printing to a file proposes the tournament's PDF.
  EXPECT_EQ(seen, QStringList({"selection: 1", "main: 2026.06.14-15",
                               "printer: 印刷 印刷(&P) キャンセル オプション(&O) >>"}));
  EXPECT_EQ(pageTotal, "全５頁");
  EXPECT_EQ(proposedFile, QFileInfo(f.sampleTai()).absolutePath() + "/青葉市民大会.pdf");
}
