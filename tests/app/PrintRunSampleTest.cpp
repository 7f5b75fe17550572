// Runs over the sample tournament with the real charts: the dump file, and layouts and
// events a run meets in damaged or unusual files (the run's own rule or a skip, never a
// crash or a read out of range).

#include <gtest/gtest.h>

#include "app/PrintRun.h"
#include "data/ModelAccess.h"
#include "platform/Width.h"
#include "platform/TextFile.h"
#include "print/RecordingSurface.h"
#include "support/LayoutRegions.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

class PrintRunSampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopySampleData(tp.folder() + "data"));
    ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
    tp.program.programFolder = tp.folder();  // the run writes there, not into samples/
    tp.messages.shown.clear();
    tp.program.device.attachSurface(&surface);
    // An event without entries, leagues or draws.
    ShumokuRec empty;
    empty.Name = QStringLiteral("空の種目");
    empty.KumiawaseSuu2 = 1;
    empty.YosenLeagueAri = 1;
    empty.YosenLeague.BlockCount = 3;  // more than it holds
    empty.TournamentCount = 2;
    auto& t = tp.program.taikai.Taikai;
    t.Shumoku.push_back(empty);
    t.ShumokuCount = static_cast<int>(t.Shumoku.size());
    emptyEvent = t.ShumokuCount - 1;
    layout() = InsatsuSeigyoRec();
  }
  InsatsuSeigyoRec& layout() { return tp.program.insatsu.InsatsuSeigyo; }
  RyouikiRec region(float x1, float x2, float y1, float y2, int h, int v) {
    RyouikiRec r = MakeRegion(x1, x2, y1, y2, h, v);
    r.TournamentKeishiki = 5;
    return r;
  }
  // Every kind of placement for event e.
  void placeAll(RyouikiRec& r, int e) {
    for (const char* kind : {"リーグ", "トーナメント", "上位", "参加者名簿", "文字列"}) {
      HaichiRec h;
      h.Kind = QString::fromUtf8(kind);
      h.ShumokuIdx = e;
      h.Number = 3;
      h.Moji.LineCount = 4;  // more than it holds
      h.Moji.Lines = QStringList{"一行"};
      r.Haichi.push_back(h);
    }
    r.HaichiCount = static_cast<int>(r.Haichi.size()) + 5;  // more than it holds
  }
  int lastSheets() const {
    const QString text = tp.messages.shown.empty() ? QString() : tp.messages.shown.back().text;
    return text.endsWith("頁印刷しました") ? platform::toHalfWidth(text.chopped(7)).toInt() : 0;
  }

  TestProgram tp;
  RecordingSurface surface{10};
  int emptyEvent = 0;
};

TEST_F(PrintRunSampleTest, OddRegionsAndEventsPrintWithoutFault) {
  const int draws = 0;  // 一般男子シングルス
  struct Case {
    const char* what;
    RyouikiRec r;
    int event;
  } cases[] = {
      {"split 0 and -2", region(20, 190, 25, 280, 0, -2), draws},
      {"zero size", region(50, 50, 60, 60, 1, 1), draws},
      {"more cells than room", region(20, 30, 25, 35, 9, 9), draws},
      {"dragged backwards", region(190, 20, 280, 25, 2, 2), draws},
      {"event without entries", region(20, 190, 25, 280, 2, 2), emptyEvent},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    layout() = InsatsuSeigyoRec();
    const int p = layout().AppendPage();
    PageRec& page = layout().Pages[static_cast<size_t>(p)];
    page.Selected = true;
    RyouikiRec r = c.r;
    placeAll(r, c.event);
    page.Ryouiki.push_back(r);
    page.RyouikiCount = 3;  // more than it holds
    PrintSelected(tp.program);
    EXPECT_GE(lastSheets(), 1);
    EXPECT_EQ(tp.program.device.DocStarted, false);
  }
}

TEST_F(PrintRunSampleTest, TwoHundredPagesAndACountBeyondThePages) {
  for (int i = 0; i < 200; ++i) {
    PageRec& page = layout().Pages[static_cast<size_t>(layout().AppendPage())];
    page.Selected = true;
    if (i % 2 == 0) continue;  // every other page without regions
    RyouikiRec r = region(20, 190, 25, 280, 1, 1);
    HaichiRec h;
    h.Kind = QStringLiteral("リーグ");
    h.ShumokuIdx = 1;  // 一般女子シングルス
    r.Haichi.push_back(h);
    r.HaichiCount = 1;
    page.Ryouiki.push_back(r);
    page.RyouikiCount = 1;
  }
  layout().PageCount = 500;
  PrintSelected(tp.program);
  EXPECT_GE(lastSheets(), 200);
  EXPECT_EQ(tp.program.run.InsatsuPageCount, surface.count(SurfaceCall::Kind::NewPage) + 1);
}

TEST_F(PrintRunSampleTest, AutomaticLayoutOfOddDraws) {
  ShumokuRec& e = *eventAt(tp.program.taikai.Taikai, emptyEvent);
  for (int n : {0, -3, 1, 100000}) {
    TournamentRec t;
    t.SankaCount = n;
    e.Tournaments.push_back(t);
  }
  e.TournamentCount = 9;  // more than it holds
  PrintAutoLayout(tp.program);
  EXPECT_GE(lastSheets(), 1);
  EXPECT_EQ(tp.program.run.InsatsuPageCount, surface.count(SurfaceCall::Kind::NewPage) + 1);
}

TEST_F(PrintRunSampleTest, TheRunWritesTheRosterFilesOfItsRosterPlacement) {
  ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
  const QString folder = tp.program.taikai.DataFolder;
  const QStringList files{"所属団体別参加数.csv", "参加者一覧.csv", "参加者名簿.csv"};
  for (const QString& f : files) QFile::remove(folder + f);
  // Only the pages that place the roster.
  bool any = false;
  for (PageRec& page : layout().Pages) {
    page.Selected = false;
    for (const RyouikiRec& r : page.Ryouiki)
      for (const HaichiRec& h : r.Haichi)
        if (h.Kind == QStringLiteral("参加者名簿")) page.Selected = any = true;
  }
  ASSERT_TRUE(any);
  PrintSelected(tp.program);
  for (const QString& f : files) EXPECT_TRUE(QFile::exists(folder + f)) << f.toStdString();
  const auto roster = platform::readTextLines(folder + "参加者名簿.csv");
  ASSERT_TRUE(roster && !roster->isEmpty());
  EXPECT_EQ(roster->front(), QStringLiteral("大会参加者名簿"));
}

TEST_F(PrintRunSampleTest, TheWomensSinglesFinalNamesItsQualifiers) {
  // The sample's page 3 holds 一般女子シングルス: its league blocks are all played, so
  // every qualifier of the final is a player, none a league place still to be decided.
  ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
  tp.program.programFolder = tp.folder();
  for (int i = 0; i < layout().PageCount; ++i) layout().Pages[static_cast<size_t>(i)].Selected = i == 2;
  PrintSelected(tp.program);
  QString printed;
  for (const RecordingSurface::DrawnText& t : surface.drawnTexts()) printed += t.text;
  for (const char* name : {"鈴木美咲", "田中愛", "小川遥", "山田優花"})
    EXPECT_TRUE(printed.contains(QString::fromUtf8(name))) << name;
  EXPECT_FALSE(printed.contains("－1位"));
}

TEST_F(PrintRunSampleTest, DumpFileHoldsTheDrawsOfTheLastRun) {
  const QString dump = tp.folder() + "Dump.csv";
  auto blocks = [&] {
    const auto lines = platform::readTextLines(dump);
    return lines ? static_cast<int>(lines->count("【トーナメント】")) : -1;
  };
  // The sample's page 2: an upper-rounds draw and a full draw.
  ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
  tp.program.programFolder = tp.folder();
  for (int i = 0; i < layout().PageCount; ++i) layout().Pages[static_cast<size_t>(i)].Selected = i == 1;
  PrintSelected(tp.program);
  EXPECT_FALSE(QFile::exists(dump));  // without the option word

  tp.program.taikai.sw.TaikaiOptions << "Dumpトーナメント";
  PrintSelected(tp.program);
  EXPECT_EQ(blocks(), 2);
  PrintSelected(tp.program);
  EXPECT_EQ(blocks(), 2);  // rewritten, not added to
  for (auto& page : layout().Pages) page.Selected = false;
  PrintSelected(tp.program);
  EXPECT_EQ(blocks(), 0);
}

}  // namespace
}  // namespace qv::test
