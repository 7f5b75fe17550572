#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "StartupFixture.h"
#include "app/FrmTaikai.h"
#include "platform/FaceSubstitution.h"
#include "support/WindowPicture.h"

using namespace qv;
using namespace qv::test;

namespace {

// Every visible caption has the room its text needs, and no two visible controls of one
// container overlap.
void expectTidy(QWidget& window) {
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


}  // namespace

TEST(WindowLookTest, SelectionAndMainWindowOnTheSample) {
  platform::installFaceSubstitutions();
  StartupFixture f;
  f.env.arguments = {f.sampleTai()};
  f.selectWith = [&](FrmTaikai& form) {
    form.show();
    form.LstTaikai->setCurrentRow(0);
    expectTidy(form);
    KeepWindowPicture(form, "FrmTaikai");
    form.CmdCancel_Click();
  };
  FrmInsatsuSeigyo& w = f.start();
  w.show();
  w.TxtPS->setText("2");
  w.TxtPE->setText("4");
  w.OptPage_Click(1);
  expectTidy(w);
  KeepWindowPicture(w, "FrmInsatsuSeigyo");
  EXPECT_EQ(w.TxtPage[0]->font().family(), "ＭＳ Ｐゴシック");
}
