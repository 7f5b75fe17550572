#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/BunshouItems.h"
#include "data/TextVars.h"
#include "layout/FrmMojiretsu.h"
#include "layout/WindowDriving.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

using namespace qv;
using namespace qv::test;

namespace {

// The default fields, a tournament's text variables and a layout of two pages.
class FrmMojiretsuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitBunshouItems(bunshou(), "ＭＳ 明朝");
    SetTextVar(tp.program.textVars, "大会名", "市民大会");
    SetTextVar(tp.program.textVars, "開催日会場名", "６月１４日　青葉体育館");
    tp.program.insatsu.InsatsuSeigyo.AppendPage();
    tp.program.insatsu.InsatsuSeigyo.AppendPage();
  }

  BunshouState& bunshou() { return tp.program.bunshou; }
  PageRec& page(int p) { return tp.program.insatsu.InsatsuSeigyo.Pages[static_cast<std::size_t>(p)]; }
  BunshouItem& field(int i) { return bunshou().BunshouItems[static_cast<std::size_t>(i)]; }

  std::unique_ptr<FrmMojiretsu> open() {
    auto form = std::make_unique<FrmMojiretsu>(tp.program);
    form->Form_Load();
    showActive(*form);
    return form;
  }

  TestProgram tp;
};

}  // namespace

TEST_F(FrmMojiretsuTest, ShowsTheFourteenFieldsAndChangesNothingUntouched) {
  bunshou().FirstPageNo = 3;
  page(0).KoteiInsatsu[4] = true;
  const BunshouState before = bunshou();
  auto f = open();
  EXPECT_EQ(f->windowTitle(), "各頁に印刷する固定文字");
  EXPECT_EQ(f->Label1->text(), "各頁に印刷する固定文字");
  EXPECT_EQ(f->Label2->text(), "全頁 現頁 左　 上　 高　　内容");
  EXPECT_EQ(f->Label3->text(), "先頭の頁番号");
  EXPECT_EQ(f->Label4->text(), "フォント名");
  struct Row {
    bool everyPage;
    bool thisPage;
    QString left, top, size, text;
  };
  const std::vector<std::pair<int, Row>> rows{
      {0, {true, false, "20", "7", "5", "市民大会"}},
      {1, {true, false, "115", "9", "3.5", "６月１４日　青葉体育館"}},
      {3, {false, false, "155", "9", "3.5", ""}},  // 会場名 is not defined
      {4, {false, true, "120", "15", "5", ""}},
      {7, {false, false, "20", "15", "5", ""}},
      {13, {false, false, "100", "282", "3.5", ""}},
  };
  for (const auto& [i, r] : rows) {
    SCOPED_TRACE(i);
    EXPECT_EQ(f->ChkZenPage[i]->isChecked(), r.everyPage);
    EXPECT_EQ(f->ChkPage[i]->isChecked(), r.thisPage);
    EXPECT_EQ(f->TxtLeft[i]->text(), r.left);
    EXPECT_EQ(f->TxtTop[i]->text(), r.top);
    EXPECT_EQ(f->TxtSize[i]->text(), r.size);
    if (i != FrmMojiretsu::kPageNumberRow) {
      EXPECT_EQ(f->TxtPage[i]->text(), r.text);
    }
  }
  EXPECT_FALSE(f->TxtPage[13]->isVisible());
  EXPECT_TRUE(f->LblPageNo->isVisible());
  EXPECT_EQ(f->LblPageNo->text(), "頁番号");
  EXPECT_EQ(f->TxtKaishi->text(), "3");
  EXPECT_EQ(f->CmbFont->currentText(), "ＭＳ 明朝");
  EXPECT_NE(f->CmbFont->findText("ＭＳ ゴシック"), -1);

  // Focus passing through every box without a change writes nothing.
  for (int i = 0; i < FrmMojiretsu::kRows - 1; ++i)
    for (QLineEdit* box : {f->TxtLeft[i], f->TxtTop[i], f->TxtSize[i], f->TxtPage[i]}) focusOn(box);
  focusOn(f->TxtKaishi);
  click(f->CmdReturn);
  EXPECT_EQ(f->result(), QDialog::Accepted);
  EXPECT_FALSE(tp.program.insatsu.LayoutChanged);
  EXPECT_EQ(field(0).Text, "&大会名");
  EXPECT_EQ(field(1).Text, "&開催日会場名");
  EXPECT_EQ(field(3).Text, "&会場名");
  EXPECT_EQ(bunshou().FirstPageNo, before.FirstPageNo);
  EXPECT_EQ(bunshou().BunshouItemOn, before.BunshouItemOn);
}

TEST_F(FrmMojiretsuTest, EachEditIsWrittenAtOnce) {
  auto f = open();
  typeInto(f->TxtLeft[2], "30.5", f->TxtTop[2]);
  EXPECT_FLOAT_EQ(field(2).X, 30.5f);
  EXPECT_TRUE(tp.program.insatsu.LayoutChanged);
  typeInto(f->TxtTop[2], "１２", f->TxtSize[0]);
  EXPECT_FLOAT_EQ(field(2).Y, 12);
  // One size sets height, width and pitch.
  typeInto(f->TxtSize[0], "4", f->TxtPage[5]);
  EXPECT_FLOAT_EQ(field(0).Height, 4);
  EXPECT_FLOAT_EQ(field(0).Width, 4);
  EXPECT_FLOAT_EQ(field(0).Pitch, 4);
  typeInto(f->TxtPage[5], "後援　青葉市", f->TxtKaishi);
  EXPECT_EQ(field(5).Text, "後援　青葉市");
  typeInto(f->TxtKaishi, "5", f->TxtLeft[0]);
  EXPECT_EQ(bunshou().FirstPageNo, 5);
  // A right-aligned field keeps its negative left edge.
  typeInto(f->TxtLeft[0], "-150", f->TxtTop[0]);
  EXPECT_FLOAT_EQ(field(0).X, -150);
  // The other parts of a field stay as they were.
  EXPECT_EQ(field(0).Text, "&大会名");
  EXPECT_FLOAT_EQ(field(0).X2, 0);

  click(f->ChkZenPage[5]);
  EXPECT_TRUE(bunshou().BunshouItemOn[5]);
  click(f->ChkZenPage[0]);
  EXPECT_FALSE(bunshou().BunshouItemOn[0]);
}

TEST_F(FrmMojiretsuTest, APlaceholderBecomesLiteralTextOnlyWhenItsBoxChanges) {
  auto f = open();
  focusOn(f->TxtPage[1]);
  f->TxtPage[1]->end(false);
  f->TxtPage[1]->insert("他");
  focusOn(f->TxtPage[0]);
  EXPECT_EQ(field(1).Text, "６月１４日　青葉体育館他");
  // An undefined placeholder shows an empty box; typing replaces it.
  typeInto(f->TxtPage[3], "青葉体育館", f->TxtPage[0]);
  EXPECT_EQ(field(3).Text, "青葉体育館");
  EXPECT_EQ(field(0).Text, "&大会名");
}

TEST_F(FrmMojiretsuTest, ThisPageSwitchGoesToThePageShownInTheEditor) {
  InsatsuSeigyoState& insatsu = tp.program.insatsu;
  for (int p : {1, 2}) {  // a layout page, then the empty page after the last
    SCOPED_TRACE(p);
    insatsu.CurrentPage = p;
    auto f = open();
    click(f->ChkPage[6]);
    EXPECT_TRUE(page(p).KoteiInsatsu[6]);
    EXPECT_FALSE(page(0).KoteiInsatsu[6]);
  }
  // A page index outside the layout takes no switch.
  insatsu.CurrentPage = 9;
  auto f = open();
  EXPECT_FALSE(f->ChkPage[0]->isEnabled());
}

TEST_F(FrmMojiretsuTest, OnlyAFontPickedFromTheListIsTaken) {
  auto f = open();
  focusOn(f->CmbFont);
  f->CmbFont->setEditText("手書きの名前");
  focusOn(f->TxtKaishi);
  EXPECT_EQ(bunshou().BunshouFont, "ＭＳ 明朝");
  const int gothic = f->CmbFont->findText("ＭＳ ゴシック");
  f->CmbFont->setCurrentIndex(gothic);
  emit f->CmbFont->activated(gothic);
  EXPECT_EQ(bunshou().BunshouFont, "ＭＳ ゴシック");
}

TEST_F(FrmMojiretsuTest, TakesEveryValueTheFieldCanPrint) {
  // A negative left edge right-aligns, a negative size centres, a top above the paper or a
  // size of 0 prints nothing visible, and a negative first number leaves the first sheets
  // unnumbered: each is stored as typed.
  struct Case {
    const char* box;
    QString text;
    float BunshouItem::*field;
    float value;
  };
  const std::vector<Case> cases{
      {"TxtLeft_4", "-30", &BunshouItem::X, -30},   {"TxtLeft_4", "1000", &BunshouItem::X, 1000},
      {"TxtTop_4", "-5", &BunshouItem::Y, -5},      {"TxtTop_4", "450", &BunshouItem::Y, 450},
      {"TxtSize_4", "0", &BunshouItem::Height, 0},  {"TxtSize_4", "-4", &BunshouItem::Pitch, -4},
      {"TxtSize_4", "-1000", &BunshouItem::Width, -1000},
  };
  auto f = open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box + (" " + c.text).toStdString());
    auto* box = f->findChild<QLineEdit*>(QString::fromLatin1(c.box));
    ASSERT_NE(box, nullptr);
    typeInto(box, c.text, f->TxtKaishi);
    EXPECT_EQ(field(4).*c.field, c.value);
  }
  for (const auto& [text, first] : {std::pair{"-2", -2}, {"0", 0}, {"－１２", -12}, {"2147483647", 2147483647}}) {
    SCOPED_TRACE(text);
    typeInto(f->TxtKaishi, text, f->TxtLeft[0]);
    EXPECT_EQ(bunshou().FirstPageNo, first);
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(FrmMojiretsuTest, RefusesOnlyWhatIsNoNumberOrBeyondAnyPaper) {
  struct Case {
    const char* box;
    QString text;
    QString message;
  };
  const QString mm = "には -1000 から 1000 までの数値を入力して下さい。";
  const std::vector<Case> cases{
      {"TxtLeft_4", "abc", "左" + mm},
      {"TxtLeft_4", "-1000.5", "左" + mm},
      {"TxtTop_4", "1e30", "上" + mm},
      {"TxtTop_4", "", "上" + mm},
      {"TxtSize_4", "2000", "高" + mm},
      {"TxtSize_4", "inf", "高" + mm},
      {"TxtKaishi", "一", "先頭の頁番号には整数を入力して下さい。"},
      {"TxtKaishi", "1e12", "先頭の頁番号には整数を入力して下さい。"},
      {"TxtKaishi", "-2147483649", "先頭の頁番号には整数を入力して下さい。"},
  };
  bunshou().FirstPageNo = 2;
  const BunshouItem before = field(4);
  auto f = open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box + (" " + c.text).toStdString());
    tp.messages.shown.clear();
    auto* box = f->findChild<QLineEdit*>(QString::fromLatin1(c.box));
    ASSERT_NE(box, nullptr);
    const QString shown = box->text();
    typeInto(box, c.text, f->CmdReturn);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "各頁に印刷する固定文字");
    EXPECT_EQ(tp.messages.shown[0].text, c.message);
    EXPECT_EQ(box->text(), shown);
  }
  EXPECT_EQ(field(4).X, before.X);
  EXPECT_EQ(field(4).Y, before.Y);
  EXPECT_EQ(field(4).Height, before.Height);
  EXPECT_EQ(bunshou().FirstPageNo, 2);
  EXPECT_FALSE(tp.program.insatsu.LayoutChanged);
}

TEST_F(FrmMojiretsuTest, LooksTidy) {
  auto f = open();
  expectTidy(*f);
  KeepWindowPicture(*f, "FrmMojiretsu");
}
