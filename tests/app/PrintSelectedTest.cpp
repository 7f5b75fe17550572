// The run over the selected layout pages: sheets, cells and sheet breaks, each kind of
// placement, and the end-of-run message.

#include <cmath>

#include "PrintRunFixture.h"
#include "app/PageGrid.h"
#include "platform/Width.h"

namespace qv::test {
namespace {

using PrintSelectedTest = PrintRunFixture;

TEST_F(PrintSelectedTest, NothingSelectedOpensNothing) {
  for (int pages : {0, 3}) {
    SCOPED_TRACE(pages);
    for (int p = 0; p < pages; ++p) addPage(false);
    print();
    EXPECT_EQ(surface.calls.size(), 0u);
    EXPECT_EQ(message(), "印刷する頁がありませんでした");
    EXPECT_EQ(tp.messages.shown.back().title, "組み合わせ印刷");
  }
}

TEST_F(PrintSelectedTest, SelectedPagesBecomeNumberedSheets) {
  for (int p = 0; p < 5; ++p) addPage(p == 1 || p == 3);
  print();
  EXPECT_EQ(sheets(), 2);
  EXPECT_EQ(pageNumbers(), QStringList({"-1-", "-2-"}));
  EXPECT_EQ(message(), "２頁印刷しました");
  EXPECT_EQ(tp.messages.shown.back().icon, platform::MsgIcon::None);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::EndDocument), 1);
}

// Where each chart of a region goes: the cells, the sheet breaks and the widened box of a
// draw after league tables. Region 20..190 × 25..280.
TEST_F(PrintSelectedTest, ChartsFillTheCellsOfTheirRegion) {
  struct Expect {
    const char* chart;
    AreaRect area;
    int sheet;
  };
  struct Case {
    const char* what;
    int splitH, splitV;
    std::function<void(PrintSelectedTest&, RyouikiRec&)> place;
    std::vector<Expect> want;
    int sheets;
  };
  // 2 × 2: cells 80 wide, 122.5 high, gaps 10; three columns are 53.33 wide with gaps 5.
  const AreaRect c00{20, 100, 25, 147.5f}, c01{110, 190, 25, 147.5f}, c10{20, 100, 157.5f, 280},
      c11{110, 190, 157.5f, 280};
  const AreaRect whole{20, 190, 25, 280};
  const auto twoBlocksThenADraw = [](PrintSelectedTest& f, RyouikiRec& r) {
    f.place(r, "リーグ", f.leagueEvent({3, 3}));
    f.place(r, "トーナメント", f.drawEvent());
  };
  const Case cases[] = {
      {"five blocks in 2 x 2",
       2, 2,
       [](PrintSelectedTest& f, RyouikiRec& r) { f.place(r, "リーグ", f.leagueEvent({3, 3, 3, 3, 3})); },
       {{"league", c00, 1}, {"league", c01, 1}, {"league", c10, 1}, {"league", c11, 1}, {"league", c00, 2}},
       2},
      {"a dummy block between two printed ones takes no cell",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) { f.place(r, "リーグ", f.leagueEvent({3, -1, 3})); },
       {{"league", whole, 1}, {"league", whole, 2}},
       2},
      {"two draws in 1 x 1",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", f.drawEvent());
         f.place(r, "トーナメント", f.drawEvent());
       },
       {{"draw", whole, 1}, {"draw", whole, 2}},
       2},
      {"3 x 2: the draw after two blocks takes the rest of the row",
       3, 2,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "リーグ", f.leagueEvent({3, 3}));
         f.place(r, "上位", f.drawEvent(), 7);
         f.place(r, "トーナメント", f.drawEvent());
       },
       {{"league", {20, 73.33f, 25, 147.5f}, 1},
        {"league", {78.33f, 131.67f, 25, 147.5f}, 1},
        {"draw", {136.67f, 190, 25, 147.5f}, 1},
        {"draw", {20, 73.33f, 157.5f, 280}, 1}},
       1},
      {"3 x 3: the last draw after two blocks gets the next row",
       3, 3,
       twoBlocksThenADraw,
       {{"league", {20, 73.33f, 25, 103.33f}, 1},
        {"league", {78.33f, 131.67f, 25, 103.33f}, 1},
        {"draw", {20, 190, 113.33f, 191.67f}, 1}},
       1},
      {"3 x 1: no next row, the draw keeps the third cell's left edge",
       3, 1,
       twoBlocksThenADraw,
       {{"league", {20, 73.33f, 25, 280}, 1},
        {"league", {78.33f, 131.67f, 25, 280}, 1},
        {"draw", {136.67f, 190, 25, 280}, 1}},
       1},
      {"a three-page draw uses three cells and its sheets are counted once",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", f.drawEvent(3));
         f.place(r, "トーナメント", f.drawEvent(1));
       },
       {{"draw", whole, 1}, {"draw", whole, 4}},
       4},
      {"3 x 1: a league of dummy blocks only is no league table before the draw",
       3, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "リーグ", f.leagueEvent({-1, -1}));
         f.place(r, "トーナメント", f.drawEvent());
       },
       {{"draw", {20, 73.33f, 25, 280}, 1}},
       1},
      {"3 x 3: a league of no blocks after two printed ones leaves the draw after leagues",
       3, 3,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "リーグ", f.leagueEvent({3, 3}));
         f.place(r, "リーグ", f.leagueEvent({}));
         f.place(r, "トーナメント", f.drawEvent());
       },
       {{"league", {20, 73.33f, 25, 103.33f}, 1},
        {"league", {78.33f, 131.67f, 25, 103.33f}, 1},
        {"draw", {20, 190, 113.33f, 191.67f}, 1}},
       1},
      // A placement that prints no chart of its own still takes the sheet-break test.
      {"a text block after a full region starts a new sheet",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", f.drawEvent());
         HaichiRec& text = f.place(r, "文字列");
         text.Moji.LineCount = 1;
         text.Moji.Lines = {"表彰式"};
       },
       {{"draw", whole, 1}},
       2},
      {"a roster after a full region starts a new sheet",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", f.drawEvent());
         f.place(r, "参加者名簿");
       },
       {{"draw", whole, 1}, {"roster", whole, 2}},
       2},
      {"an unknown kind after a full region starts a new sheet",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", f.drawEvent());
         f.place(r, "未知");
       },
       {{"draw", whole, 1}},
       2},
      {"placements naming no event are left out without a cell",
       1, 1,
       [](PrintSelectedTest& f, RyouikiRec& r) {
         f.place(r, "トーナメント", -1);
         f.place(r, "リーグ", 99);
         f.place(r, "上位", f.drawEvent(), 3);
         f.place(r, "未知", f.drawEvent());
       },
       {{"draw", whole, 1}},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tp.messages.shown.clear();
    surface.calls.clear();
    calls.clear();
    drawPages.clear();
    program().taikai.Taikai = TaikaiRec();
    layout() = InsatsuSeigyoRec();
    PageRec& page = addPage();
    RyouikiRec& region = addRegion(page, 20, 190, 25, 280, c.splitH, c.splitV);
    c.place(*this, region);
    print();
    ASSERT_EQ(calls.size(), c.want.size());
    for (size_t i = 0; i < c.want.size(); ++i) {
      EXPECT_EQ(calls[i].chart, c.want[i].chart) << i;
      EXPECT_TRUE(sameBox(calls[i].area, c.want[i].area)) << i << " " << boxText(calls[i].area);
      EXPECT_EQ(calls[i].sheet, c.want[i].sheet) << i;
    }
    EXPECT_EQ(sheets(), c.sheets);
    EXPECT_EQ(message(), platform::toFullWidth(QString::number(c.sheets)) + "頁印刷しました");
  }
}

TEST_F(PrintSelectedTest, ContinuationSheetsRepeatThePagePhrases) {
  addPage(false);
  PageRec& page = addPage();
  page.KoteiInsatsu[4] = true;  // 協会名 on this layout page only
  program().bunshou.BunshouItems[4].Text = "県協会";
  RyouikiRec& region = addRegion(page, 20, 190, 25, 280);
  place(region, "トーナメント", drawEvent(2));
  place(region, "参加者名簿");
  rosterSheets = 2;
  print();
  // The draw's second page, the roster's sheet break, and its two further sheets.
  EXPECT_EQ(sheets(), 5);
  EXPECT_EQ(pageNumbers(), QStringList({"-1-", "-2-", "-3-", "-4-", "-5-"}));
  int kyoukai = 0;
  for (const PrintedText& t : texts()) kyoukai += t.text == "県協会";
  EXPECT_EQ(kyoukai, 5);
  EXPECT_EQ(message(), "５頁印刷しました");
}

TEST_F(PrintSelectedTest, TextBlockFillsItsRegion) {
  PageRec& page = addPage();
  RyouikiRec& region = addRegion(page, 30, 130, 40, 70, 2, 2);
  HaichiRec& empty = place(region, "文字列");
  empty.Moji.LineCount = 0;
  HaichiRec& h = place(region, "文字列");
  h.Moji.Lines = QStringList{"一二三四五", "abc", "六"};
  h.Moji.LineCount = 3;
  print();
  std::vector<PrintedText> lines;
  for (const PrintedText& t : texts())
    if (!t.text.startsWith('-')) lines.push_back(t);
  ASSERT_EQ(lines.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(lines[i].y, 40 + 10.0 * static_cast<double>(i), 0.11) << i;
    EXPECT_NEAR(lines[i].size, 7, 0.11) << i;
  }
  EXPECT_NEAR(lines[0].x, 30, 0.11);
  // The layout keeps its own block as it was.
  EXPECT_EQ(layout().Pages[0].Ryouiki[0].Haichi[1].Moji.Height, 0.f);
}

TEST_F(PrintSelectedTest, FitTextBlockAndCalcPageGrid) {
  MojiretsuItem moji;
  moji.Lines = QStringList{"0123456789", "短い", ""};
  moji.LineCount = 3;
  FitTextBlock(AreaRect{10, 110, 20, 50}, moji);
  EXPECT_FLOAT_EQ(moji.LineStep, 10);
  EXPECT_FLOAT_EQ(moji.Pitch, 20);
  EXPECT_FLOAT_EQ(moji.Height, 7);
  EXPECT_FLOAT_EQ(moji.Width, 7);
  EXPECT_FLOAT_EQ(moji.X, 10);
  EXPECT_FLOAT_EQ(moji.Y, 20);
  moji.Lines = QStringList{"x"};
  moji.LineCount = 1;
  FitTextBlock(AreaRect{0, 1, 0, 1}, moji);  // tiny: never below 1 mm
  EXPECT_FLOAT_EQ(moji.Height, 1);

  const KankyouState gaps;
  struct Case {
    int h, v;
    int cols, rows;
    float gapX, gapY;
  } cases[] = {{0, -2, 1, 1, 10, 10}, {2, 4, 2, 4, 10, 10}, {3, 5, 3, 5, 5, 5}, {7, 1, 7, 1, 5, 10}};
  for (const Case& c : cases) {
    const PageGrid g = CalcPageGrid(AreaRect{0, 100, 0, 200}, c.h, c.v, gaps);
    EXPECT_EQ(g.cols, c.cols);
    EXPECT_EQ(g.rows, c.rows);
    EXPECT_FLOAT_EQ(g.gapX, c.gapX);
    EXPECT_FLOAT_EQ(g.gapY, c.gapY);
    EXPECT_FLOAT_EQ(g.cellW * static_cast<float>(c.cols) + g.gapX * static_cast<float>(c.cols - 1), 100);
    EXPECT_FLOAT_EQ(g.cellH * static_cast<float>(c.rows) + g.gapY * static_cast<float>(c.rows - 1), 200);
  }
}

TEST_F(PrintSelectedTest, RunSwitchesForTheDraws) {
  struct Case {
    const char* firstShozoku;
    float name, shozoku;
    bool hyouji;
  } cases[] = {{"所属なし", 0.4f, 0.f, false}, {"青葉クラブ", 0.2f, 0.3f, true}, {nullptr, 0.2f, 0.3f, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.firstShozoku ? c.firstShozoku : "none");
    calls.clear();
    program().taikai.Shozoku.clear();
    if (c.firstShozoku) program().taikai.Shozoku.push_back({QString::fromUtf8(c.firstShozoku), 0});
    layout() = InsatsuSeigyoRec();
    place(addRegion(addPage(), 20, 190, 25, 280), "トーナメント", drawEvent());
    print();
    ASSERT_EQ(of("draw").size(), 1u);
    EXPECT_FLOAT_EQ(calls[0].nameRatio, c.name);
    EXPECT_FLOAT_EQ(calls[0].shozokuRatio, c.shozoku);
    EXPECT_EQ(program().taikai.sw.ShozokuHyouji, c.hyouji);
    EXPECT_EQ(program().run.InsatsuTitle, "組み合わせ印刷");
  }
}

TEST_F(PrintSelectedTest, OneTournamentsLeaguePrintsOnlyTheBlocksBeforeTheFirstOfFour) {
  for (const char* file : {"20050612.tai", "20050613.tai"}) {
    SCOPED_TRACE(file);
    calls.clear();
    layout() = InsatsuSeigyoRec();
    program().taikai.TaikaiFileName = QString::fromLatin1(file);
    place(addRegion(addPage(), 20, 190, 25, 280, 2, 2), "リーグ", leagueEvent({3, 3, 4, 4}));
    print();
    EXPECT_EQ(of("league").size(), QString::fromLatin1(file).startsWith("20050612") ? 2u : 4u);
  }
}

}  // namespace
}  // namespace qv::test
