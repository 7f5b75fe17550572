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

}  // namespace
}  // namespace qv::test
