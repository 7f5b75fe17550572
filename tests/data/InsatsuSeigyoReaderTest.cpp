#include <gtest/gtest.h>

#include <set>

#include "data/InsatsuSeigyoReader.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;
using qv::test::TestProgram;

namespace {

void addEvents(Program& p, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    ShumokuRec ev;
    ev.Name = QString::fromUtf8(name);
    p.taikai.Taikai.Shumoku.push_back(ev);
  }
  p.taikai.Taikai.ShumokuCount = static_cast<int>(p.taikai.Taikai.Shumoku.size());
}

// Reads the lines as a section that starts right after its marker; the returned line.
QString readSection(Program& p, const QStringList& lines) {
  platform::TextFileReader file(lines);
  return ReadInsatsuSeigyoData(p, file);
}

std::set<int> switchesOn(const PageRec& page) {
  std::set<int> on;
  for (int i = 0; i < kKoteiInsatsuSlots; ++i)
    if (page.KoteiInsatsu[static_cast<std::size_t>(i)]) on.insert(i);
  return on;
}

}  // namespace

TEST(ReadInsatsuSeigyoData, TwoPagesWithEveryPlacementKind) {
  TestProgram tp;
  Program& p = tp.program;
  addEvents(p, {"男子単", "女子複"});
  tp.writeFile("t.kai",
               {"【印刷制御データ】", "用紙=B5,182,257,10,11,12,13", "ポイント表示=1",
                "印刷頁指示=2,1,2", "[頁データ]", "頁固定印刷=1,1,0,0,0,0,0,0,0,0,0,0,0,1",
                "[領域データ]", "位置=10.5,100,20,140", "分割数=2,3", "トーナメント形式=４頁",
                "[配置データ]", "トーナメント=女子複,16", "[配置データ]", "上位=男子単,8",
                "[領域データ]", "位置=0,1,2,3", "[配置データ]", "リーグ=男子単",
                "[頁データ]", "頁固定印刷=0,0,0,0,0,0,0,0,0,0,0,0,0,0",
                "[領域データ]", "[配置データ]", "文章名=挨拶", "文字列=  本日は, 晴天 ",
                "文字列=a=b", "文字列=", "[配置データ]", "文章名=参加者名簿",
                "[配置データ]", "リーグ=混合複", "保存時刻=2026/12/01 10:20:30",
                "【対戦データ】", "リーグ=男子単"});
  auto file = platform::TextFileReader::open(tp.folder() + "t.kai");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->readLine(), "【印刷制御データ】");
  EXPECT_EQ(ReadInsatsuSeigyoData(p, *file), "【対戦データ】");
  EXPECT_EQ(file->readLine(), "リーグ=男子単");

  const InsatsuSeigyoRec& r = p.insatsu.InsatsuSeigyo;
  EXPECT_EQ(r.PaperName, "B5");
  EXPECT_EQ(r.PaperWidth, 182.f);
  EXPECT_EQ(r.PaperHeight, 257.f);
  EXPECT_EQ(r.MarginLeft, 10.f);
  EXPECT_EQ(r.MarginRight, 11.f);
  EXPECT_EQ(r.MarginTop, 12.f);
  EXPECT_EQ(r.MarginBottom, 13.f);
  EXPECT_EQ(r.PointHyouji, 1);
  EXPECT_EQ(r.PageSelectMode, 2);
  EXPECT_EQ(r.PageRangeFrom, 1);
  EXPECT_EQ(r.PageRangeTo, 2);
  EXPECT_EQ(p.kekka.HozonJikoku, "2026/12/01 10:20:30");
  EXPECT_EQ(p.insatsu.CurrentPage, 0);
  EXPECT_EQ(p.insatsu.CurrentRyouiki, -1);

  ASSERT_EQ(r.PageCount, 2);
  ASSERT_EQ(r.Pages.size(), 3u);
  EXPECT_EQ(r.Pages[2].RyouikiCount, 0);
  EXPECT_TRUE(r.Pages[2].Ryouiki.empty());
  EXPECT_FALSE(r.Pages[2].Selected);

  const PageRec& p0 = r.Pages[0];
  EXPECT_TRUE(p0.Selected);
  EXPECT_EQ(switchesOn(p0), (std::set<int>{0, 1, 13}));
  ASSERT_EQ(p0.RyouikiCount, 2);
  ASSERT_EQ(p0.Ryouiki.size(), 2u);
  const RyouikiRec& a = p0.Ryouiki[0];
  EXPECT_EQ(a.X1, 10.5f);
  EXPECT_EQ(a.X2, 100.f);
  EXPECT_EQ(a.Y1, 20.f);
  EXPECT_EQ(a.Y2, 140.f);
  EXPECT_EQ(a.BunkatsuH, 2);
  EXPECT_EQ(a.BunkatsuV, 3);
  EXPECT_EQ(a.TournamentKeishiki, 3);
  EXPECT_FALSE(a.Deleted);
  ASSERT_EQ(a.HaichiCount, 2);
  ASSERT_EQ(a.Haichi.size(), 2u);
  EXPECT_EQ(a.Haichi[0].Kind, "トーナメント");
  EXPECT_EQ(a.Haichi[0].ShumokuIdx, 1);
  EXPECT_EQ(a.Haichi[0].Number, 15);
  EXPECT_EQ(a.Haichi[1].Kind, "上位");
  EXPECT_EQ(a.Haichi[1].ShumokuIdx, 0);
  EXPECT_EQ(a.Haichi[1].Number, 7);
  const RyouikiRec& b = p0.Ryouiki[1];
  EXPECT_EQ(b.TournamentKeishiki, 0);
  ASSERT_EQ(b.HaichiCount, 1);
  EXPECT_EQ(b.Haichi[0].Kind, "リーグ");
  EXPECT_EQ(b.Haichi[0].ShumokuIdx, 0);
  EXPECT_EQ(b.Haichi[0].Number, 0);

  const PageRec& p1 = r.Pages[1];
  EXPECT_TRUE(p1.Selected);
  EXPECT_TRUE(switchesOn(p1).empty());
  ASSERT_EQ(p1.RyouikiCount, 1);
  const RyouikiRec& c = p1.Ryouiki[0];
  EXPECT_EQ(c.X1, 0.f);
  EXPECT_EQ(c.BunkatsuH, 0);
  ASSERT_EQ(c.HaichiCount, 3);
  ASSERT_EQ(c.Haichi.size(), 3u);
  const HaichiRec& text = c.Haichi[0];
  EXPECT_EQ(text.Kind, "文字列");
  EXPECT_EQ(text.BunshouName, "挨拶");
  EXPECT_EQ(text.ShumokuIdx, 0);
  EXPECT_EQ(text.Moji.LineCount, 3);
  EXPECT_EQ(text.Moji.Lines, (QStringList{"  本日は, 晴天", "a=b", ""}));
  EXPECT_EQ(text.Moji.X, 0.f);
  EXPECT_EQ(text.Moji.FontName, "");
  EXPECT_EQ(c.Haichi[1].Kind, "参加者名簿");
  EXPECT_EQ(c.Haichi[1].BunshouName, "参加者名簿");
  EXPECT_EQ(c.Haichi[2].Kind, "リーグ");
  EXPECT_EQ(c.Haichi[2].ShumokuIdx, -1);
}

TEST(ReadInsatsuSeigyoData, DocumentKeysAndTheirDefaults) {
  TestProgram tp;
  Program& p = tp.program;
  InsatsuSeigyoRec& r = p.insatsu.InsatsuSeigyo;
  r.PointHyouji = 3;
  r.PageSelectMode = 1;
  r.PaperOrientation = "横";
  p.bunshou.FirstPageNo = 4;
  p.bunshou.BunshouFont = "ＭＳ 明朝";

  // Nothing but paper: every other value keeps what it held.
  EXPECT_EQ(readSection(p, {"用紙=B5,182,257,10,10,10,10"}), ".eof.");
  EXPECT_EQ(r.PaperName, "B5");
  EXPECT_EQ(r.PaperHeight, 257.f);
  EXPECT_EQ(r.MarginBottom, 10.f);
  EXPECT_EQ(r.PageCount, 0);
  EXPECT_EQ(r.Pages.size(), 1u);
  EXPECT_EQ(r.PointHyouji, 3);
  EXPECT_EQ(r.PageSelectMode, 1);
  EXPECT_EQ(r.PaperOrientation, "横");
  EXPECT_EQ(p.bunshou.FirstPageNo, 4);
  EXPECT_EQ(p.bunshou.BunshouFont, "ＭＳ 明朝");

  // Partial and unreadable values; a blank before "=" makes no key.
  readSection(p, {"用紙=A3", "用紙 =B4,1,2,3,4,5,6", "ポイント表示=abc", "先頭頁頁番号=",
                  "印刷頁指示=x,3", "頁固定文字フォント=", "保存時刻=  2026/01/02 03:04 "});
  EXPECT_EQ(r.PaperName, "A3");
  EXPECT_EQ(r.PaperWidth, 0.f);
  EXPECT_EQ(r.PaperHeight, 0.f);
  EXPECT_EQ(r.MarginLeft, 0.f);
  EXPECT_EQ(r.MarginBottom, 0.f);
  EXPECT_EQ(r.PointHyouji, 0);
  EXPECT_EQ(p.bunshou.FirstPageNo, 1);
  EXPECT_EQ(r.PageSelectMode, 0);
  EXPECT_EQ(r.PageRangeFrom, 3);
  EXPECT_EQ(r.PageRangeTo, 0);
  EXPECT_EQ(p.bunshou.BunshouFont, "");
  EXPECT_EQ(p.kekka.HozonJikoku, "2026/01/02 03:04");

  // Whole numbers round half to even; the later line wins.
  readSection(p, {"ポイント表示=7", "ポイント表示= 2.5 ", "先頭頁頁番号=3.5", "用紙="});
  EXPECT_EQ(r.PointHyouji, 2);
  EXPECT_EQ(p.bunshou.FirstPageNo, 4);
  EXPECT_EQ(r.PaperName, "");
  EXPECT_EQ(r.PaperWidth, 0.f);
}

TEST(ReadInsatsuSeigyoData, PagePhraseFieldsFillInOrder) {
  TestProgram tp;
  Program& p = tp.program;
  InitBunshouItems(p);
  p.bunshou.BunshouItems[0].X2 = 99;
  p.bunshou.BunshouItems[0].FontName = "ＭＳ ゴシック";
  p.bunshou.BunshouItems[0].Bold = 2;
  const BunshouState before = p.bunshou;

  readSection(p, {"頁固定文字=1,20,7,5,&大会名", "頁固定文字=0,115,9,3.5,&開催日,会場",
                  "頁固定文字=2,abc"});
  const BunshouState& b = p.bunshou;
  EXPECT_EQ(b.BunshouItemCount, 3);
  const BunshouItem& f0 = b.BunshouItems[0];
  EXPECT_EQ(f0.X, 20.f);
  EXPECT_EQ(f0.Y, 7.f);
  EXPECT_EQ(f0.Height, 5.f);
  EXPECT_EQ(f0.Width, 5.f);
  EXPECT_EQ(f0.Pitch, 5.f);
  EXPECT_EQ(f0.Text, "&大会名");
  EXPECT_EQ(f0.X2, 99.f);
  EXPECT_EQ(f0.FontName, "ＭＳ ゴシック");
  EXPECT_EQ(f0.Bold, 2);
  EXPECT_TRUE(b.BunshouItemOn[0]);
  EXPECT_EQ(b.BunshouItems[1].Text, "&開催日");  // a comma ends the text
  EXPECT_EQ(b.BunshouItems[1].Pitch, 3.5f);
  EXPECT_FALSE(b.BunshouItemOn[1]);
  EXPECT_EQ(b.BunshouItems[2].X, 0.f);
  EXPECT_EQ(b.BunshouItems[2].Height, 0.f);
  EXPECT_EQ(b.BunshouItems[2].Text, "");
  EXPECT_FALSE(b.BunshouItemOn[2]);
  for (std::size_t i = 3; i < kBunshouItemSlots; ++i) {
    EXPECT_EQ(b.BunshouItems[i].Text, before.BunshouItems[i].Text) << i;
    EXPECT_EQ(b.BunshouItems[i].X, before.BunshouItems[i].X) << i;
    EXPECT_EQ(b.BunshouItemOn[i], before.BunshouItemOn[i]) << i;
  }

  // A second section starts again at field 0; lines past the 14th are ignored.
  QStringList many;
  for (int i = 0; i < 16; ++i) many << QStringLiteral("頁固定文字=1,%1,1,1,F%1").arg(i);
  readSection(p, many);
  EXPECT_EQ(b.BunshouItemCount, kBunshouItemSlots);
  EXPECT_EQ(b.BunshouItems[0].Text, "F0");
  EXPECT_EQ(b.BunshouItems[13].Text, "F13");
  EXPECT_EQ(b.BunshouItems[13].X, 13.f);
}

TEST(ReadInsatsuSeigyoData, PageSwitchesOfBothForms) {
  struct Case {
    const char* value;
    std::set<int> on;
  };
  const Case cases[] = {
      {"1,1,0,0,0,0,0,0,0,0,0,0,0,1", {0, 1, 13}},
      {"1,1,0,0,0,0,0,0,0,0,1", {0, 1, 13}},  // older form: position 10 is the page number
      {"1,1,0,0,0,0,0,0,0,0,0", {0, 1}},
      {"0,0,0,0,0,0,0,0,0,0,1,0,0,0", {10}},
      {"0,0,0,0,0,0,0,0,0,0,1,0,0,1", {10, 13}},
      {"1,1,1,1,1", {0, 1, 2, 3, 4}},
      {"1,True,2, 1,-1,1.0", {0}},
      {"", {}},
      {"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
  };
  for (const Case& c : cases) {
    TestProgram tp;
    readSection(tp.program, {"[頁データ]", QStringLiteral("頁固定印刷=") + c.value});
    ASSERT_EQ(tp.program.insatsu.InsatsuSeigyo.PageCount, 1);
    EXPECT_EQ(switchesOn(tp.program.insatsu.InsatsuSeigyo.Pages[0]), c.on) << c.value;
  }
}

TEST(ReadInsatsuSeigyoData, ReturnsTheLineThatEndsTheSection) {
  struct Case {
    QStringList lines;
    QString returned;
  };
  const Case cases[] = {
      {{}, ".eof."},
      {{"用紙=A4,210,297,20,20,15,15", ""}, ".eof."},
      {{"ポイント表示=1", "【対戦データ】", "ポイント表示=2"}, "【対戦データ】"},
      {{"【】 x,y "}, "【】 x,y "},
      {{" 【対戦データ】", "[その他]", "[頁データ] ", "=1"}, ".eof."},
  };
  for (const Case& c : cases) {
    TestProgram tp;
    EXPECT_EQ(readSection(tp.program, c.lines), c.returned) << c.lines.join('|').toStdString();
    EXPECT_EQ(tp.program.insatsu.InsatsuSeigyo.PageCount, 0);
  }
  TestProgram tp;
  readSection(tp.program, {"ポイント表示=1", "【対戦データ】", "ポイント表示=2"});
  EXPECT_EQ(tp.program.insatsu.InsatsuSeigyo.PointHyouji, 1);
}

// Lines the suite never writes: misplaced keys, bare key words, odd values.
TEST(ReadInsatsuSeigyoData, MisplacedAndMalformedLinesAreSkipped) {
  TestProgram tp;
  Program& p = tp.program;
  addEvents(p, {"男子単"});
  readSection(p, {"位置=1,2,3,4", "[配置データ]", "リーグ=男子単", "[領域データ]", "位置=5,6,7,8",
                  "頁固定印刷=0,1", "[頁データ]", "分割数=2,2", "文字列=x", "[配置データ]",
                  "[領域データ]", "[領域データ]", "[配置データ]", "[配置データ]", "[配置データ]",
                  "[頁データ]", "位置=9,9,9,9", "[領域データ]", "リーグ=男子単",
                  "トーナメント形式=左右", "トーナメント形式=4頁", "用紙", "文字列", "上位",
                  "[配置データ]", "トーナメント=男子単 ,abc", "文章名", "文字列",
                  "\xef\xbf\xbd=\xef\xbf\xbd"});
  const InsatsuSeigyoRec& r = p.insatsu.InsatsuSeigyo;
  ASSERT_EQ(r.PageCount, 2);
  ASSERT_EQ(r.Pages.size(), 3u);
  EXPECT_TRUE(r.Pages[2].Ryouiki.empty());
  EXPECT_EQ(switchesOn(r.Pages[2]), std::set<int>{});

  // A page key before the first page marker belongs to what becomes page 0.
  const PageRec& p0 = r.Pages[0];
  EXPECT_EQ(switchesOn(p0), std::set<int>{1});
  ASSERT_EQ(p0.RyouikiCount, 2);
  EXPECT_EQ(p0.Ryouiki[0].X1, 0.f);
  EXPECT_EQ(p0.Ryouiki[0].BunkatsuH, 0);
  EXPECT_EQ(p0.Ryouiki[0].HaichiCount, 0);
  EXPECT_EQ(p0.Ryouiki[1].HaichiCount, 3);
  for (const HaichiRec& h : p0.Ryouiki[1].Haichi) EXPECT_EQ(h.Kind, "");

  // Region 0 of page 1 was addressed before it existed; its placement 2 never existed.
  const PageRec& p1 = r.Pages[1];
  ASSERT_EQ(p1.RyouikiCount, 1);
  const RyouikiRec& g = p1.Ryouiki[0];
  EXPECT_EQ(g.X1, 0.f);
  EXPECT_EQ(g.TournamentKeishiki, 0);
  ASSERT_EQ(g.HaichiCount, 1);
  const HaichiRec& h = g.Haichi[0];
  EXPECT_EQ(h.Kind, "文字列");
  EXPECT_EQ(h.BunshouName, "文章名");
  EXPECT_EQ(h.ShumokuIdx, -1);
  EXPECT_EQ(h.Number, -1);
  EXPECT_EQ(h.Moji.Lines, QStringList{"文字列"});
  EXPECT_EQ(r.PaperName, "用紙");
  EXPECT_EQ(r.PaperWidth, 0.f);
}

// Regions need an opened page: the empty page after the last one stays empty.
TEST(ReadInsatsuSeigyoData, RegionsWithoutAPageAreSkipped) {
  TestProgram tp;
  readSection(tp.program, {"[領域データ]", "位置=1,2,3,4", "[配置データ]", "文字列=x"});
  const InsatsuSeigyoRec& r = tp.program.insatsu.InsatsuSeigyo;
  EXPECT_EQ(r.PageCount, 0);
  ASSERT_EQ(r.Pages.size(), 1u);
  EXPECT_EQ(r.Pages[0].RyouikiCount, 0);
  EXPECT_TRUE(r.Pages[0].Ryouiki.empty());
}

// A number no draw can have counts as missing: the placement's number is -1, with no
// arithmetic on the hostile value.
TEST(ReadInsatsuSeigyoData, HostilePlacementNumbersCountAsMissing) {
  TestProgram tp;
  Program& p = tp.program;
  addEvents(p, {"男子単"});
  QStringList lines{"[頁データ]", "[領域データ]"};
  const std::vector<std::pair<QString, int>> cases{
      {"上位=男子単,-3e9", -1},         {"トーナメント=男子単,-1e99", -1},
      {"上位=男子単,1e99", -1},         {"トーナメント=男子単,-2147483648", -1},
      {"上位=男子単,8", 7},             {"トーナメント=男子単,1", 0}};
  for (const auto& c : cases) {
    lines << "[配置データ]" << c.first;
  }
  readSection(p, lines);
  const RyouikiRec& g = p.insatsu.InsatsuSeigyo.Pages[0].Ryouiki[0];
  ASSERT_EQ(g.Haichi.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(g.Haichi[i].Number, cases[i].second) << cases[i].first.toStdString();
    EXPECT_EQ(g.Haichi[i].ShumokuIdx, 0) << cases[i].first.toStdString();
  }
}
