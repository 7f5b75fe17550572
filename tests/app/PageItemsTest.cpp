// The page phrases of a sheet and the page overlay file.

#include "PrintRunFixture.h"
#include "app/PageItems.h"
#include "data/TextVars.h"
#include "platform/TextFile.h"

namespace qv::test {
namespace {

class PageItemsTest : public PrintRunFixture {
 protected:
  void SetUp() override {
    PrintRunFixture::SetUp();
    program().taikai.DataFolder = tp.folder();
    for (int p = 0; p < 4; ++p) addPage();
    program().device.OpenPrint(program());
  }
  // The texts printed for one sheet, page numbers included.
  QStringList printed(int layoutPage, int sheetNo) {
    surface.calls.clear();
    PrintPageItems(program(), program().device, layoutPage, sheetNo);
    QStringList out;
    for (const PrintedText& t : texts()) out << t.text;
    return out;
  }
};

TEST_F(PageItemsTest, PageNumberFromTheFirstPageNumber) {
  struct Case {
    int first, sheet;
    const char* text;
  } cases[] = {{1, 1, "- 1 -"}, {1, 3, "- 3 -"}, {5, 1, "- 5 -"}, {0, 1, ""}, {0, 2, "- 1 -"}, {-3, 1, ""}};
  for (const Case& c : cases) {
    program().bunshou.FirstPageNo = c.first;
    const QStringList texts = printed(0, c.sheet);
    EXPECT_EQ(LookupTextVars(program().textVars, "頁"), QString::fromUtf8(c.text)) << c.first << " " << c.sheet;
    EXPECT_EQ(texts.size(), c.text[0] ? 1 : 0) << c.first << " " << c.sheet;
  }
}

TEST_F(PageItemsTest, FieldsForAllPagesOrForOneLayoutPage) {
  program().bunshou.BunshouItemOn[13] = false;
  program().bunshou.BunshouItems[4].Text = "県協会";
  program().bunshou.BunshouItemOn[0] = true;
  program().bunshou.BunshouItems[0].Text = "大会";
  layout().Pages[2].KoteiInsatsu[4] = true;
  EXPECT_EQ(printed(2, 1), QStringList({"大会", "県協会"}));
  EXPECT_EQ(printed(2, 7), QStringList({"大会", "県協会"}));  // a continuation sheet too
  EXPECT_EQ(printed(1, 2), QStringList({"大会"}));
  EXPECT_EQ(printed(-1, 1), QStringList({"大会"}));
  EXPECT_EQ(printed(99, 1), QStringList({"大会"}));
}

TEST_F(PageItemsTest, OverlayItemsByLayoutPage) {
  ASSERT_TRUE(platform::writeTextLines(tp.folder() + "重ね.csv",
                                       {"10,20,5,5,5,0,全頁Ａ", "[頁指定]2-4,7", "10,30,5,5,5,0,指定Ｂ",
                                        "[頁解除]", "10,40,5,5,5,0,全頁Ｃ", "[頁指定]3", "[頁指定]5",
                                        "10,50,5,5,5,0,五頁Ｄ", "short,line", "", "x,1,2,3,4,5,非数値",
                                        "[頁指定]a-b,", "10,60,5,5,5,0,無効Ｅ"}));
  BunshouState& b = program().bunshou;
  b.BunshouItemOn[13] = false;
  b.BunshouItemOn[5] = true;
  b.BunshouItems[5] = BunshouItem{0, 0, 5, 5, 5, 0, "重ね.csv", {}, 0, 0};
  b.BunshouItemOn[6] = true;
  b.BunshouItems[6] = BunshouItem{0, 5, 5, 5, 5, 0, "普通", {}, 0, 0};
  struct Case {
    int layoutPage;
    QStringList want;
  } cases[] = {
      {0, {"全頁Ａ", "全頁Ｃ", "普通"}},
      {1, {"全頁Ａ", "指定Ｂ", "全頁Ｃ", "普通"}},
      {2, {"全頁Ａ", "指定Ｂ", "全頁Ｃ", "普通"}},
      {4, {"全頁Ａ", "全頁Ｃ", "五頁Ｄ", "普通"}},
      {6, {"全頁Ａ", "指定Ｂ", "全頁Ｃ", "普通"}},
  };
  for (const Case& c : cases) EXPECT_EQ(printed(c.layoutPage, 1), c.want) << c.layoutPage;
  b.BunshouItems[5].Text = "無い.csv";
  EXPECT_EQ(printed(0, 1), QStringList({"普通"}));
}

}  // namespace
}  // namespace qv::test
