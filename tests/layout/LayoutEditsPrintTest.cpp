// What the layout windows change reaches the print run of the selected pages.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/PrintRunFixture.h"
#include "layout/FrmBunshou.h"
#include "layout/FrmLayout.h"
#include "layout/FrmMojiretsu.h"
#include "layout/WindowDriving.h"

namespace qv::test {
namespace {

using LayoutEditsPrintTest = PrintRunFixture;

TEST_F(LayoutEditsPrintTest, ATextBlockAndAFixedPageTextPrintAsEdited) {
  tp.writeFile("文章.txt", {"文章名＝注意", "駐車場は北側", "雨天決行"});
  ReadBunshouFile(tp.program, "文章.txt");
  addRegion(addPage(false), 20, 190, 40, 120);

  FrmLayout editor(tp.program);
  editor.Form_Load();
  showActive(editor);
  tp.program.insatsu.CurrentRyouiki = 0;
  onModal<FrmBunshou>([](FrmBunshou& w) { w.CmdReturn_Click(); });
  click(editor.CmdMojiretsu);
  onModal<FrmMojiretsu>([](FrmMojiretsu& w) {
    click(w.ChkZenPage[5]);
    typeInto(w.TxtPage[5], "後援　青葉市", w.TxtLeft[5]);
    typeInto(w.TxtLeft[5], "30", w.TxtTop[5]);
    typeInto(w.TxtTop[5], "20", w.TxtKaishi);
    typeInto(w.TxtKaishi, "3", w.TxtPage[0]);
    w.CmdReturn_Click();
  });
  click(editor.CmdPageMoji);
  editor.CmdReturn_Click();

  print();
  EXPECT_EQ(sheets(), 1);
  EXPECT_EQ(pageNumbers(), QStringList({"-3-"}));
  const std::vector<PrintedText> printed = texts();
  const auto find = [&](const QString& text) {
    for (const PrintedText& t : printed)
      if (t.text == text) return &t;
    return static_cast<const PrintedText*>(nullptr);
  };
  const PrintedText* fixed = find("後援青葉市");
  ASSERT_NE(fixed, nullptr);
  EXPECT_NEAR(fixed->x, 30, 0.01);
  EXPECT_NEAR(fixed->y, 20, 0.01);
  EXPECT_NEAR(fixed->size, 5, 0.01);
  const PrintedText* first = find("駐車場は北側");
  const PrintedText* second = find("雨天決行");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  // The block stands in its region, its second line below the first.
  EXPECT_GE(first->x, 20);
  EXPECT_GE(first->y, 40);
  EXPECT_GT(second->y, first->y);
  EXPECT_LE(second->y + second->size, 120.01);
}

TEST_F(LayoutEditsPrintTest, FixedTextsOutsideThePaperOrOfNoSizeAndANegativeFirstNumberPrint) {
  for (int p = 0; p < 3; ++p) addRegion(addPage(), 20, 190, 40, 120);
  FrmMojiretsu w(tp.program);
  w.Form_Load();
  showActive(w);
  for (int i : {5, 6, 7}) click(w.ChkZenPage[i]);
  typeInto(w.TxtPage[5], "右寄せ", w.TxtLeft[5]);
  typeInto(w.TxtLeft[5], "-30", w.TxtTop[5]);  // right-aligned, kept right of 30 mm
  typeInto(w.TxtTop[5], "-2", w.TxtPage[6]);   // above the paper's edge
  typeInto(w.TxtPage[6], "大きさなし", w.TxtSize[6]);
  typeInto(w.TxtSize[6], "0", w.TxtPage[7]);
  typeInto(w.TxtPage[7], "中央", w.TxtSize[7]);
  typeInto(w.TxtSize[7], "-4", w.TxtKaishi);  // a negative pitch centres
  typeInto(w.TxtKaishi, "-1", w.TxtLeft[0]);
  w.CmdReturn_Click();
  ASSERT_TRUE(tp.messages.shown.empty());

  print();
  EXPECT_EQ(sheets(), 3);
  // Sheets 1 and 2 would be numbered -1 and 0: only the third sheet has a number.
  EXPECT_EQ(pageNumbers(), QStringList({"-1-"}));
  int right = 0, sizeless = 0, centred = 0;
  for (const PrintedText& t : texts()) {
    if (t.text == "右寄せ") {
      ++right;
      EXPECT_NEAR(t.x, 30, 0.01);
      EXPECT_NEAR(t.y, -2, 0.01);
    }
    sizeless += t.text == "大きさなし";
    centred += t.text == "中央";
  }
  EXPECT_EQ(right, 3);
  EXPECT_EQ(sizeless, 3);
  EXPECT_EQ(centred, 3);
}

}  // namespace
}  // namespace qv::test
