#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "StartupFixture.h"
#include "app/FrmTaikai.h"
#include "platform/FaceSubstitution.h"
#include "support/WindowLook.h"

using namespace qv;
using namespace qv::test;

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
  // The Windows face is named behind its stand-in, which the window shows.
  const QFont pageFont = w.TxtPage[0]->font();
  EXPECT_TRUE(pageFont.families().contains("ＭＳ Ｐゴシック"));
  EXPECT_EQ(QFontInfo(pageFont).family(), "IPAGothic");
}
