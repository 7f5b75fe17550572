#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "layout/FrmTeamMeisaiLayout.h"
#include "layout/WindowDriving.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmTeamMeisaiLayoutTest : public ::testing::Test {
 protected:
  void setEvents(int count) {
    TeamState& team = tp.program.team;
    team.TeamShumokus.assign(static_cast<std::size_t>(count), TeamShumokuRec{});
    team.TeamShumokuCount = count;
    for (int i = 0; i < count; ++i)
      team.TeamShumokus[static_cast<std::size_t>(i)].Meishou = QStringLiteral("団体%1").arg(i);
  }

  std::unique_ptr<FrmTeamMeisaiLayout> open() {
    auto form = std::make_unique<FrmTeamMeisaiLayout>(tp.program);
    form->Form_Load();
    showActive(*form);
    return form;
  }

  TeamShumokuRec& event(int i) { return tp.program.team.TeamShumokus[static_cast<std::size_t>(i)]; }
  TeamMeisaiLayout& layout() { return tp.program.teamMeisaiLayout; }

  TestProgram tp;
};

QStringList boxTexts(const FrmTeamMeisaiLayout& f) {
  return {f.TxtL->text(), f.TxtT->text(), f.TxtR->text(), f.TxtB->text(),
          f.TxtH->text(), f.TxtV->text(), f.TxtPage->text()};
}

}  // namespace

TEST_F(FrmTeamMeisaiLayoutTest, FirstOpeningShowsTheDefaultsAndTheFirstPageNumberInUse) {
  setEvents(3);
  tp.program.bunshou.FirstPageNo = 7;
  auto f = open();
  EXPECT_EQ(f->windowTitle(), "団体戦対戦結果詳細印刷レイアウト");
  EXPECT_EQ(f->Label1->text(), "団体戦対戦結果詳細印刷レイアウト");
  EXPECT_EQ(f->CmdQuit->text(), "設定完了");
  EXPECT_EQ(f->CmdCancel->text(), "キャンセル");
  EXPECT_EQ(f->ChkBlock->text(), "ブロック別");
  EXPECT_EQ(boxTexts(*f), QStringList({"15", "15", "190", "275", "3", "4", "7"}));

  // Closed untouched, the page number stays what the page phrases print.
  f->CmdQuit_Click();
  EXPECT_EQ(f->result(), QDialog::Accepted);
  EXPECT_EQ(tp.program.bunshou.FirstPageNo, 7);
  EXPECT_EQ(layout().TeamMeisaiLeft, 15);
  EXPECT_EQ(layout().TeamMeisaiBottom, 275);
  EXPECT_EQ(layout().TeamMeisaiCols, 3);
  EXPECT_EQ(layout().TeamMeisaiRows, 4);
  EXPECT_EQ(layout().TeamMeisaiKeishiki, "種目連記");
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(FrmTeamMeisaiLayoutTest, SettingsReachWhereTheTeamCommandsReadThem) {
  setEvents(3);
  auto f = open();
  typeInto(f->TxtL, "12.5", f->TxtT);
  typeInto(f->TxtT, "20", f->TxtR);
  typeInto(f->TxtR, "280", f->TxtB);
  typeInto(f->TxtB, "200", f->TxtH);
  typeInto(f->TxtH, "2", f->TxtV);
  typeInto(f->TxtV, "５", f->TxtPage);  // full-width digits as a Japanese input gives them
  typeInto(f->TxtPage, "3", f->TxtL);
  click(f->ChkPrint[1]);
  click(f->ChkPage[2]);
  click(f->ChkCR[0]);
  click(f->ChkBlock);
  click(f->CmdQuit);
  EXPECT_EQ(f->result(), QDialog::Accepted);
  EXPECT_TRUE(tp.messages.shown.empty());

  EXPECT_FLOAT_EQ(layout().TeamMeisaiLeft, 12.5f);
  EXPECT_FLOAT_EQ(layout().TeamMeisaiTop, 20);
  EXPECT_FLOAT_EQ(layout().TeamMeisaiRight, 280);
  EXPECT_FLOAT_EQ(layout().TeamMeisaiBottom, 200);
  EXPECT_EQ(layout().TeamMeisaiCols, 2);
  EXPECT_EQ(layout().TeamMeisaiRows, 5);
  EXPECT_EQ(layout().TeamMeisaiKeishiki, "ブロック");
  EXPECT_EQ(tp.program.bunshou.FirstPageNo, 3);
  const std::vector<std::array<bool, 3>> flags{{true, true, false}, {false, true, true}, {true, false, true}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(event(i).InsatsuFlag, flags[i][0]);
    EXPECT_EQ(event(i).KaipageFlag, flags[i][1]);
    EXPECT_EQ(event(i).KaigyouFlag, flags[i][2]);
  }

  // The next opening starts from them, with the arrangement back at 種目連記.
  auto again = open();
  EXPECT_EQ(boxTexts(*again), QStringList({"12.5", "20", "280", "200", "2", "5", "3"}));
  EXPECT_FALSE(again->ChkBlock->isChecked());
  EXPECT_EQ(layout().TeamMeisaiKeishiki, "種目連記");
  EXPECT_FALSE(again->ChkPrint[1]->isChecked());
  EXPECT_FALSE(again->ChkPage[2]->isChecked());
  EXPECT_FALSE(again->ChkCR[0]->isChecked());
}

TEST_F(FrmTeamMeisaiLayoutTest, AFirstPageNumberBelowOneIsTaken) {
  // The sheets numbered below 1 print no number: the first sheets stay unnumbered.
  setEvents(1);
  for (const auto& [text, first] : {std::pair{"-2", -2}, {"0", 0}, {"－５", -5}, {"100000", 100000}}) {
    SCOPED_TRACE(text);
    tp.program.bunshou.FirstPageNo = 1;
    auto f = open();
    typeInto(f->TxtPage, text, f->TxtL);
    click(f->CmdQuit);
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(tp.program.bunshou.FirstPageNo, first);
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(FrmTeamMeisaiLayoutTest, CancelKeepsEverythingButTheArrangement) {
  setEvents(2);
  layout() = TeamMeisaiLayout{10, 10, 200, 280, 2, 3, QString()};
  tp.program.bunshou.FirstPageNo = 4;
  auto f = open();
  typeInto(f->TxtL, "30", f->TxtH);
  typeInto(f->TxtH, "4", f->TxtPage);
  typeInto(f->TxtPage, "9", f->TxtL);
  click(f->ChkPrint[0]);
  click(f->ChkBlock);
  click(f->CmdCancel);
  EXPECT_EQ(f->result(), QDialog::Rejected);
  EXPECT_FLOAT_EQ(layout().TeamMeisaiLeft, 10);
  EXPECT_EQ(layout().TeamMeisaiCols, 2);
  EXPECT_EQ(tp.program.bunshou.FirstPageNo, 4);
  EXPECT_TRUE(event(0).InsatsuFlag);
  // ブロック別 takes effect at once.
  EXPECT_EQ(layout().TeamMeisaiKeishiki, "ブロック");
}

TEST_F(FrmTeamMeisaiLayoutTest, GridScrollsOverManyEventsAndHidesUnusedRows) {
  setEvents(20);
  auto f = open();
  EXPECT_TRUE(f->VScShumoku->isVisible());
  EXPECT_EQ(f->VScShumoku->maximum(), 6);
  f->VScShumoku->setValue(6);
  EXPECT_EQ(f->TxtShumoku[0]->text(), "団体6");
  EXPECT_EQ(f->TxtShumoku[13]->text(), "団体19");
  click(f->ChkPage[0]);
  f->VScShumoku->setValue(0);
  EXPECT_EQ(f->TxtShumoku[0]->text(), "団体0");
  EXPECT_TRUE(f->ChkPage[0]->isChecked());
  EXPECT_FALSE(f->ChkPage[6]->isChecked());  // event 6, now in row 6
  f->VScShumoku->setValue(6);
  EXPECT_FALSE(f->ChkPage[0]->isChecked());
  f->CmdQuit_Click();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(event(i).KaipageFlag, i != 6) << i;

  setEvents(3);
  auto few = open();
  EXPECT_FALSE(few->VScShumoku->isVisible());
  for (int k = 0; k < FrmTeamMeisaiLayout::kRows; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(few->TxtShumoku[k]->isVisible(), k < 3);
    EXPECT_EQ(few->ChkPrint[k]->isVisible(), k < 3);
    EXPECT_EQ(few->ChkPage[k]->isVisible(), k < 3);
    EXPECT_EQ(few->ChkCR[k]->isVisible(), k < 3);
  }
}

TEST_F(FrmTeamMeisaiLayoutTest, RefusesBoxesThatAreNoNumberOrLeaveThePaper) {
  struct Case {
    const char* box;
    QString text;
    QString message;
    const char* refusedBox = nullptr;  // the box that gets the focus, when another
  };
  const std::vector<Case> cases{
      {"TxtL", "abc", "左位置mmには 0 から 297 までの数値を入力して下さい。"},
      {"TxtT", "-5", "上位置mmには 0 から 297 までの数値を入力して下さい。"},
      {"TxtR", "", "右位置mmには 0 から 297 までの数値を入力して下さい。"},
      {"TxtR", "10", "右位置mmには左位置mmより大きな数値を入力して下さい。"},
      {"TxtB", "15", "下位置mmには上位置mmより大きな数値を入力して下さい。"},
      // A box wider than high prints on landscape paper, 210 mm high; a higher one on
      // portrait paper, 210 mm wide.
      {"TxtR", "290", "枠がＡ４用紙（横 297×210mm）からはみ出します。", "TxtB"},
      {"TxtR", "250", "枠がＡ４用紙（縦 210×297mm）からはみ出します。"},
      {"TxtH", "0", "横分割数には 1 から 20 までの整数を入力して下さい。"},
      {"TxtV", "3段", "縦分割数には 1 から 20 までの整数を入力して下さい。"},
      {"TxtPage", "x", "先頭頁番号には整数を入力して下さい。"},
      {"TxtPage", "3e10", "先頭頁番号には整数を入力して下さい。"},
  };
  setEvents(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box + (" " + c.text).toStdString());
    tp.messages.shown.clear();
    layout() = TeamMeisaiLayout{};
    tp.program.bunshou.FirstPageNo = 1;
    auto f = open();
    auto* box = f->findChild<QLineEdit*>(QString::fromLatin1(c.box));
    ASSERT_NE(box, nullptr);
    box->setText(c.text);
    click(f->CmdQuit);
    EXPECT_TRUE(f->isVisible());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "団体戦対戦結果詳細印刷レイアウト");
    EXPECT_EQ(tp.messages.shown[0].text, c.message);
    EXPECT_TRUE(f->findChild<QLineEdit*>(QString::fromLatin1(c.refusedBox ? c.refusedBox : c.box))
                    ->hasFocus());
    // Nothing stored: the defaults the opening put in, and the page number as it was.
    EXPECT_FLOAT_EQ(layout().TeamMeisaiRight, 190);
    EXPECT_EQ(layout().TeamMeisaiCols, 3);
    EXPECT_EQ(tp.program.bunshou.FirstPageNo, 1);
  }
}

TEST_F(FrmTeamMeisaiLayoutTest, LooksTidy) {
  setEvents(16);
  auto f = open();
  f->VScShumoku->setValue(2);
  expectTidy(*f);
  KeepWindowPicture(*f, "FrmTeamMeisaiLayout");
}
