#include <gtest/gtest.h>

#include "data/InsatsuSeigyo.h"
#include "data/InsatsuSeigyoReader.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;
using qv::test::TestProgram;

namespace {

void expectDefaultLayout(const InsatsuSeigyoState& s) {
  const InsatsuSeigyoRec& r = s.InsatsuSeigyo;
  EXPECT_EQ(r.PaperName, "A4");
  EXPECT_EQ(r.PaperWidth, 210.f);
  EXPECT_EQ(r.PaperHeight, 297.f);
  EXPECT_EQ(r.MarginLeft, 20.f);
  EXPECT_EQ(r.MarginRight, 20.f);
  EXPECT_EQ(r.MarginTop, 15.f);
  EXPECT_EQ(r.MarginBottom, 15.f);
  EXPECT_EQ(r.PageCount, 0);
  ASSERT_EQ(r.Pages.size(), 1u);
  EXPECT_EQ(r.Pages[0].RyouikiCount, 0);
  EXPECT_TRUE(r.Pages[0].Ryouiki.empty());
  EXPECT_EQ(r.Pages[0].KoteiInsatsu, (std::array<bool, kKoteiInsatsuSlots>{}));
  EXPECT_FALSE(r.Pages[0].Selected);
  EXPECT_EQ(s.CurrentPage, 0);
  EXPECT_EQ(s.CurrentRyouiki, -1);
}

}  // namespace

TEST(InsatsuSeigyo, FreshModelAndInitHoldOneEmptyPage) {
  TestProgram tp;
  expectDefaultLayout(tp.program.insatsu);

  InsatsuSeigyoState& s = tp.program.insatsu;
  InsatsuSeigyoRec& r = s.InsatsuSeigyo;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(r.AppendPage(), i);
    EXPECT_EQ(r.Pages.size(), static_cast<std::size_t>(r.PageCount) + 1);
  }
  r.Pages[1].RyouikiCount = 1;
  r.Pages[1].Ryouiki.resize(1);
  r.Pages[0].KoteiInsatsu[3] = true;
  r.PaperName = "B5";
  r.PaperWidth = 182;
  r.MarginTop = 3;
  r.PaperOrientation = "横";
  r.PointHyouji = 2;
  r.PageSelectMode = 1;
  r.PageRangeFrom = 2;
  r.PageRangeTo = 3;
  s.CurrentPage = 3;
  s.CurrentRyouiki = 0;
  tp.program.bunshou.FontNames = {"not a printer font"};

  InitInsatsuSeigyo(tp.program);
  expectDefaultLayout(s);
  EXPECT_EQ(r.PaperOrientation, "横");
  EXPECT_EQ(r.PointHyouji, 2);
  EXPECT_EQ(r.PageSelectMode, 1);
  EXPECT_EQ(r.PageRangeFrom, 2);
  EXPECT_EQ(r.PageRangeTo, 3);
  // Looked up again when first needed, not by the defaults step itself.
  EXPECT_TRUE(tp.program.bunshou.FontNames.contains("not a printer font"));
  EXPECT_FALSE(PrinterFontNames(tp.program).contains("not a printer font"));
}

TEST(InsatsuSeigyo, KnockOutLayoutCodesBothWays) {
  const char* labels[] = {"左", "左右", "２頁", "４頁", "８頁", "１６頁"};
  for (int code = 0; code < 6; ++code) {
    EXPECT_EQ(GetTournamentKeishikiName(code), QString::fromUtf8(labels[code]));
    EXPECT_EQ(GetTournamentKeishikiCode(QString::fromUtf8(labels[code])), code);
  }
  for (int code : {-1, 6, 100}) EXPECT_EQ(GetTournamentKeishikiName(code), "") << code;
  for (const char* other : {"4頁", " 左右", "左右 ", "", "16頁", "右"})
    EXPECT_EQ(GetTournamentKeishikiCode(QString::fromUtf8(other)), 0) << other;
}

// The next tournament opened must not print with the previous one's layout or page texts.
TEST(InsatsuSeigyo, TournamentOpenLeavesNoTraceOfThePreviousLayout) {
  TestProgram tp;
  Program& p = tp.program;
  p.kankyou.InsatsuFont = "ＭＳ ゴシック";
  InitBunshouItems(p);
  const BunshouState defaults = p.bunshou;

  platform::TextFileReader file(QStringList{
      "用紙=B4,257,364,5,5,5,5", "頁固定文字フォント=ＭＳ 明朝", "頁固定文字=0,1,2,3,前大会",
      "頁固定文字=1,4,5,6,&頁", "先頭頁頁番号=9", "[頁データ]", "頁固定印刷=1,1,1,1,1,1,1,1,1,1,1,1,1,1",
      "[領域データ]", "位置=1,2,3,4", "[配置データ]", "リーグ=男子単"});
  ReadInsatsuSeigyoData(p, file);
  ASSERT_EQ(p.insatsu.InsatsuSeigyo.PageCount, 1);
  p.insatsu.CurrentPage = 1;
  p.insatsu.CurrentRyouiki = 0;
  p.insatsu.InsatsuSeigyo.PageSelectMode = 1;
  p.insatsu.InsatsuSeigyo.PageRangeFrom = 2;
  p.insatsu.InsatsuSeigyo.PageRangeTo = 3;

  ResetInsatsuSeigyoForTournament(p);
  expectDefaultLayout(p.insatsu);
  EXPECT_EQ(p.insatsu.InsatsuSeigyo.PageSelectMode, 0);
  EXPECT_EQ(p.insatsu.InsatsuSeigyo.PageRangeTo, 0);
  const BunshouState& b = p.bunshou;
  EXPECT_EQ(b.BunshouItemCount, defaults.BunshouItemCount);
  EXPECT_EQ(b.FirstPageNo, 1);
  EXPECT_EQ(b.BunshouFont, "ＭＳ ゴシック");
  EXPECT_EQ(b.BunshouItemOn, defaults.BunshouItemOn);
  for (int i = 0; i < kBunshouItemSlots; ++i) {
    const BunshouItem& got = b.BunshouItems[static_cast<std::size_t>(i)];
    const BunshouItem& want = defaults.BunshouItems[static_cast<std::size_t>(i)];
    EXPECT_EQ(got.Text, want.Text) << i;
    EXPECT_EQ(got.X, want.X) << i;
    EXPECT_EQ(got.Y, want.Y) << i;
    EXPECT_EQ(got.Height, want.Height) << i;
    EXPECT_EQ(got.Pitch, want.Pitch) << i;
  }
  EXPECT_EQ(p.kankyou.InsatsuFont, "ＭＳ ゴシック");
}
