#pragma once
// A print run over a layout built by hand, on a recording surface, with recorders in
// place of the chart printers: each records the box and the sheet it was given.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/PrintRun.h"
#include "data/BunshouItems.h"
#include "data/LeagueResultsFixture.h"
#include "print/RecordingSurface.h"
#include "support/LayoutRegions.h"
#include "support/PrintedTexts.h"
#include "support/TestProgram.h"

namespace qv::test {

struct ChartCall {
  QString chart;  // "league", "draw", "roster"
  int event = 0;
  int number = 0;  // league: the block; draw: the placement's number
  AreaRect area;
  int sheet = 0;   // the sheet it was drawn on, 1-based
  float nameRatio = 0;
  float shozokuRatio = 0;
  QString keishiki;  // automatic draws
  int drawSize = 0;
};

class PrintRunFixture : public ::testing::Test {
 public:
  static constexpr double kPxPerMm = 10;

  void SetUp() override {
    Program& p = tp.program;
    p.device.attachSurface(&surface);
    InitBunshouItems(p.bunshou, QStringLiteral("ＭＳ 明朝"));
    // The page number alone, so that the sheets can be told apart.
    p.bunshou.BunshouItemOn.fill(false);
    p.bunshou.BunshouItemOn[13] = true;
    p.taikai.TaikaiFileName = QStringLiteral("test.tai");

    charts.league = [this](ChartEnv& env, const AreaRect& box, int e, int b) {
      record("league", e, b, env, box);
      ChartResult printed;
      printed.Pages = 1;
      return printed;
    };
    charts.tournament = [this](ChartEnv& env, TournamentChartState&, const AreaRect& box, int e,
                               int number, const RyouikiRec&, const SheetStarted& sheetStarted) {
      record("draw", e, number, env, box);
      // A draw of several pages starts its further sheets itself.
      ChartResult printed;
      printed.Pages = drawPages.count(e) ? drawPages[e] : 1;
      for (int s = 2; s <= printed.Pages; ++s) {
        env.device.NewPage();
        ++printed.SheetsStarted;
        if (sheetStarted) sheetStarted();
      }
      return printed;
    };
    charts.tournamentPages = [this](ChartEnv& env, TournamentChartState& st,
                                    const TournamentRec& t, int, const SheetStarted&) {
      ChartCall& c = record("draw", -1, t.SankaCount, env, st.TournamentInsatsu.Area);
      c.keishiki = st.TournamentInsatsu.Keishiki;
      c.drawSize = st.TournamentInsatsu.DrawSize;
      ChartResult printed;
      printed.Pages = 1;
      return printed;
    };
    charts.roster = [this](ChartEnv env, const AreaRect& box, const SheetStarted& sheetStarted) {
      record("roster", -1, 0, env, box);
      ChartResult printed;
      for (int s = 0; s < rosterSheets; ++s) {
        env.device.NewPage();
        ++printed.SheetsStarted;
        if (sheetStarted) sheetStarted();
      }
      printed.Pages = 1 + printed.SheetsStarted;
      return printed;
    };
  }

  Program& program() { return tp.program; }
  InsatsuSeigyoRec& layout() { return tp.program.insatsu.InsatsuSeigyo; }

  PageRec& addPage(bool selected = true) {
    const int p = layout().AppendPage();
    PageRec& page = layout().Pages[static_cast<size_t>(p)];
    page.Selected = selected;
    return page;
  }
  RyouikiRec& addRegion(PageRec& page, float x1, float x2, float y1, float y2, int splitH = 1,
                        int splitV = 1) {
    return AppendRegion(page, MakeRegion(x1, x2, y1, y2, splitH, splitV));
  }
  HaichiRec& place(RyouikiRec& region, const QString& kind, int e = -1, int number = 0) {
    HaichiRec h;
    h.Kind = kind;
    h.ShumokuIdx = e;
    h.Number = number;
    region.Haichi.push_back(h);
    region.HaichiCount = static_cast<int>(region.Haichi.size());
    return region.Haichi.back();
  }
  // An event with a league of blocks of these sizes (a negative size: a dummy block).
  int leagueEvent(std::initializer_list<int> sizes) {
    const int e = addEvent(tp.program, QStringLiteral("女子単"), QStringLiteral("単"), 4);
    for (int n : sizes) addBlock(event(tp.program, e), n < 0 ? 0 : n, 21, n < 0);
    return e;
  }
  // An event whose draw prints on this many pages.
  int drawEvent(int pages = 1) {
    const int e = addEvent(tp.program, QStringLiteral("男子単"), QStringLiteral("単"), 8);
    drawPages[e] = pages;
    return e;
  }

  void print() { PrintSelected(tp.program, {}, charts); }
  void printAuto() { PrintAutoLayout(tp.program, {}, charts); }

  // The calls of one chart in order.
  std::vector<ChartCall> of(const QString& chart) const {
    std::vector<ChartCall> out;
    for (const ChartCall& c : calls)
      if (c.chart == chart) out.push_back(c);
    return out;
  }
  // The last message's text.
  QString message() const {
    return tp.messages.shown.empty() ? QString() : tp.messages.shown.back().text;
  }
  std::vector<PrintedText> texts() const { return PrintedTexts(surface, kPxPerMm); }
  // The page-number texts printed, in order ("-1-", …: blanks are left out).
  QStringList pageNumbers() const {
    QStringList out;
    for (const PrintedText& t : texts())
      if (t.text.startsWith('-')) out << t.text;
    return out;
  }
  int sheets() const {
    return surface.count(SurfaceCall::Kind::BeginDocument) == 0
               ? 0
               : 1 + surface.count(SurfaceCall::Kind::NewPage);
  }

  TestProgram tp;
  RecordingSurface surface{kPxPerMm};
  LayoutCharts charts;
  std::vector<ChartCall> calls;
  std::map<int, int> drawPages;
  int rosterSheets = 0;

 private:
  ChartCall& record(const char* chart, int e, int number, const ChartEnv& env,
                    const AreaRect& box) {
    ChartCall c;
    c.chart = QString::fromLatin1(chart);
    c.event = e;
    c.number = number;
    c.area = box;
    c.sheet = env.run.InsatsuPageCount;
    c.nameRatio = tp.program.bracket.NameColumnRatio;
    c.shozokuRatio = tp.program.bracket.ShozokuColumnRatio;
    calls.push_back(c);
    return calls.back();
  }
};

inline bool sameBox(const AreaRect& a, const AreaRect& b) {
  auto near = [](float x, float y) { return std::abs(x - y) < 0.01f; };
  return near(a.X1, b.X1) && near(a.X2, b.X2) && near(a.Y1, b.Y1) && near(a.Y2, b.Y2);
}

inline std::string boxText(const AreaRect& a) {
  return QStringLiteral("(%1..%2 x %3..%4)").arg(a.X1).arg(a.X2).arg(a.Y1).arg(a.Y2).toStdString();
}

}  // namespace qv::test
