#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/BunshouItems.h"
#include "layout/FrmBunshou.h"
#include "layout/WindowDriving.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

using namespace qv;
using namespace qv::test;

namespace {

// A phrase file of three phrases, the second of two lines.
class FrmBunshouTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tp.writeFile("文章.txt", {"文章名＝開会式", "午前九時より開会式を行います", "文章名＝注意",
                              "一行目", "二行目", "文章名=閉会式", "表彰は閉会式で"});
    ReadBunshouFile(tp.program, "文章.txt");
    bunshou().SelBunshouFont = "ＭＳ 明朝";
  }

  BunshouState& bunshou() { return tp.program.bunshou; }

  std::unique_ptr<FrmBunshou> open() {
    auto form = std::make_unique<FrmBunshou>(tp.program);
    form->Form_Load();
    showActive(*form);
    return form;
  }

  static QStringList listed(const FrmBunshou& f) {
    QStringList names;
    for (int k = 0; k < f.CmbBunshou->count(); ++k) names << f.CmbBunshou->itemText(k);
    return names;
  }

  // Types a name into the name box and leaves it for the text box.
  static void typeName(FrmBunshou& f, const QString& name) {
    focusOn(f.CmbBunshou);
    f.CmbBunshou->lineEdit()->selectAll();
    f.CmbBunshou->lineEdit()->insert(name);
    focusOn(f.TxtBunshou);
  }

  // Picks a listed name as the list of the name box would.
  static void pick(FrmBunshou& f, int position) {
    focusOn(f.CmbBunshou);
    f.CmbBunshou->setCurrentIndex(position);
    emit f.CmbBunshou->activated(position);
  }

  TestProgram tp;
};

}  // namespace

TEST_F(FrmBunshouTest, OpensOnTheCurrentPhraseAndReturnsItUnchanged) {
  auto f = open();
  EXPECT_EQ(f->windowTitle(), "印刷文章の編集");
  EXPECT_EQ(f->Label1->text(), "印刷文章の編集");
  EXPECT_EQ(f->Label2->text(), "文章名");
  EXPECT_EQ(f->Label3->text(), "文章");
  EXPECT_EQ(f->Label5->text(), "フォント名");
  EXPECT_EQ(f->CmdReturn->text(), "戻　る");
  EXPECT_TRUE(f->CmdReturn->hasFocus());
  EXPECT_FALSE(f->LstBunshou->isVisible());
  EXPECT_EQ(listed(*f), QStringList({"開会式", "注意", "閉会式"}));
  EXPECT_EQ(f->CmbBunshou->currentText(), "開会式");
  EXPECT_EQ(f->TxtBunshou->toPlainText(), "午前九時より開会式を行います");
  // The font box offers the Japanese faces and shows the font of the last return.
  EXPECT_GE(f->CmbFont->count(), 4);
  EXPECT_NE(f->CmbFont->findText("ＭＳ ゴシック"), -1);
  EXPECT_EQ(f->CmbFont->currentText(), "ＭＳ 明朝");

  click(f->CmdReturn);
  EXPECT_TRUE(f->Returned());
  EXPECT_EQ(bunshou().SelBunshouName, "開会式");
  EXPECT_EQ(bunshou().SelBunshouText, "午前九時より開会式を行います");
  EXPECT_EQ(bunshou().SelBunshouFont, "ＭＳ 明朝");
  EXPECT_EQ(bunshou().BunshouCount(), 3);
}

TEST_F(FrmBunshouTest, PickingAPhraseShowsItAndAddsNothing) {
  auto f = open();
  pick(*f, 1);
  EXPECT_EQ(f->TxtBunshou->toPlainText(), "一行目\n二行目");
  f->CmbFont->setCurrentIndex(f->CmbFont->findText("ＭＳ ゴシック"));
  click(f->CmdReturn);  // the name box loses the focus to the button
  EXPECT_EQ(bunshou().BunshouCount(), 3);
  EXPECT_EQ(bunshou().BunshouNames, QStringList({"開会式", "注意", "閉会式"}));
  EXPECT_EQ(bunshou().CurrentBunshou, 1);
  EXPECT_EQ(bunshou().SelBunshouName, "注意");
  EXPECT_EQ(bunshou().SelBunshouText, "一行目\r\n二行目");
  EXPECT_EQ(bunshou().SelBunshouFont, "ＭＳ ゴシック");

  // The next opening starts on it; typing a listed name again picks it too.
  auto again = open();
  EXPECT_EQ(again->CmbBunshou->currentText(), "注意");
  typeName(*again, "閉会式");
  EXPECT_EQ(bunshou().BunshouCount(), 3);
  EXPECT_EQ(bunshou().CurrentBunshou, 2);
  EXPECT_EQ(again->TxtBunshou->toPlainText(), "表彰は閉会式で");
}

TEST_F(FrmBunshouTest, ANewNameAddsAPhraseAtTheHeadOfTheList) {
  auto f = open();
  typeName(*f, "連絡");
  EXPECT_EQ(listed(*f), QStringList({"連絡", "開会式", "注意", "閉会式"}));
  EXPECT_EQ(f->CmbBunshou->currentText(), "連絡");
  EXPECT_TRUE(f->TxtBunshou->toPlainText().isEmpty());
  EXPECT_EQ(bunshou().CurrentBunshou, 3);
  EXPECT_EQ(bunshou().BunshouNewHead, 3);
  EXPECT_EQ(bunshou().BunshouIds[3], 0);
  EXPECT_FALSE(bunshou().BunshouFlags[3]);

  focusOn(f->TxtBunshou);
  f->TxtBunshou->setPlainText("駐車場は\n北側です\n");
  click(f->CmdReturn);
  EXPECT_EQ(bunshou().BunshouTexts[3], "駐車場は\r\n北側です\r\n");
  EXPECT_TRUE(bunshou().BunshouChanged);
  EXPECT_EQ(bunshou().SelBunshouName, "連絡");
  EXPECT_EQ(bunshou().SelBunshouText, "駐車場は\r\n北側です\r\n");

  // Phrases added later are listed first, newest first, and the last one is current.
  auto again = open();
  typeName(*again, "雨天時");
  auto third = open();
  EXPECT_EQ(listed(*third), QStringList({"雨天時", "連絡", "開会式", "注意", "閉会式"}));
  EXPECT_EQ(third->CmbBunshou->currentText(), "雨天時");
}

TEST_F(FrmBunshouTest, EditRuleOfTheTwoBoxes) {
  auto f = open();
  // A text restored to its wording before the box is left is no edit.
  focusOn(f->TxtBunshou);
  f->TxtBunshou->setPlainText("別の文");
  f->TxtBunshou->setPlainText("午前九時より開会式を行います");
  focusOn(f->CmdReturn);
  EXPECT_FALSE(bunshou().BunshouChanged);
  // A blank name adds nothing and shows the current phrase again.
  typeName(*f, "  ");
  EXPECT_EQ(bunshou().BunshouCount(), 3);
  EXPECT_EQ(f->CmbBunshou->currentText(), "開会式");
  // A changed text goes to the current phrase at once.
  focusOn(f->TxtBunshou);
  f->TxtBunshou->setPlainText("午前十時より");
  focusOn(f->CmbBunshou);
  EXPECT_EQ(bunshou().BunshouTexts[0], "午前十時より");
  EXPECT_TRUE(bunshou().BunshouChanged);
}

TEST_F(FrmBunshouTest, EmptyPhraseListAndCloseBox) {
  TestProgram empty;
  empty.program.bunshou.SelBunshouText = "前回の文";
  FrmBunshou f(empty.program);
  f.Form_Load();
  showActive(f);
  EXPECT_EQ(f.CmbBunshou->count(), 0);
  EXPECT_TRUE(f.TxtBunshou->toPlainText().isEmpty());
  EXPECT_GE(f.CmbFont->count(), 1);

  // Closed with the close box: no choice, the previous values stay.
  f.close();
  EXPECT_FALSE(f.Returned());
  EXPECT_EQ(empty.program.bunshou.SelBunshouText, "前回の文");

  FrmBunshou g(empty.program);
  g.Form_Load();
  showActive(g);
  typeName(g, "案内");
  EXPECT_EQ(g.CmbBunshou->count(), 1);
  EXPECT_EQ(empty.program.bunshou.BunshouNewHead, 0);
  EXPECT_EQ(empty.program.bunshou.BunshouIds, QList<int>({-1}));
  click(g.CmdReturn);
  EXPECT_EQ(empty.program.bunshou.SelBunshouName, "案内");
  EXPECT_TRUE(empty.program.bunshou.SelBunshouText.isEmpty());
}

TEST_F(FrmBunshouTest, LooksTidy) {
  auto f = open();
  pick(*f, 1);
  expectTidy(*f);
  KeepWindowPicture(*f, "FrmBunshou");
}
