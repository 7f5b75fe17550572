// The automatic layout run: every league block and draw of every event stacked down A4
// portrait sheets, without the page layout.

#include <algorithm>

#include "app/PageGrid.h"
#include "app/PrintRun.h"
#include "data/ModelAccess.h"
#include "program/PrintRunStart.h"
#include "program/Program.h"

namespace qv {

namespace {

// The box of the run on an A4 portrait sheet, millimetres.
constexpr float kLeft = 20;
constexpr float kRight = 185;
constexpr float kTop = 15;
constexpr float kBottom = 285;
// Row height of a draw per pair of entrants.
constexpr float kDrawRowHeight = 13;

class AutoRun {
 public:
  AutoRun(Program& program, const SheetProgress& progress, const LayoutCharts& charts)
      : p_(program), run_(program.run), device_(program.device), progress_(progress), charts_(charts) {}

  void run();

 private:
  // Starts a sheet when the chart of height h would run past the bottom, or when nothing
  // has been printed yet.
  void makeRoom(float h);
  void printDraw(const ShumokuRec& event, const TournamentRec& t);

  Program& p_;
  PrintRunState& run_;
  PrintDevice& device_;
  const SheetProgress& progress_;
  const LayoutCharts& charts_;
  float baseName_ = 0.25f;
  float baseShozoku_ = 0.25f;
  float y_ = kTop;
  PageGrid grid_;
  AreaRect box_{kLeft, kRight, kTop, kBottom};  // the box of the next chart
};

void AutoRun::makeRoom(float h) {
  if (y_ + h <= kBottom + 1 && run_.InsatsuPageCount > 0) return;
  if (progress_) progress_(run_.InsatsuPageCount + 1);
  if (run_.InsatsuPageCount == 0) {
    device_.OpenPrint(p_);
    device_.StartPrintDoc();
  } else {
    device_.NewPage();
    device_.PrintStr(0, 0, 5, 5, 5, 0, QStringLiteral("　"));
  }
  ++run_.InsatsuPageCount;
  y_ = kTop;
  run_.PageItemCount = 0;
}

void AutoRun::printDraw(const ShumokuRec& event, const TournamentRec& t) {
  const int rows = std::max(4, (t.SankaCount + 1) / 2) + (t.KetteiJuni == 0 ? 1 : 0);
  const float h = std::min(kDrawRowHeight * static_cast<float>(rows), kBottom - kTop);
  makeRoom(h);
  box_.Y1 = y_;
  box_.Y2 = y_ + h;
  TournamentChartState& st = p_.bracket;
  TournamentInsatsuRec& ti = st.TournamentInsatsu;
  ti.Keishiki = t.SankaCount > kTournamentMinEntries ? QStringLiteral("左右") : QStringLiteral("左");
  ti.PairMode = QStringLiteral("並列");
  ti.PageCount = 1;
  // Always the full draw: an upper-rounds size left by a layout run must not reduce it.
  ti.DrawSize = 0;
  ti.Area = box_;
  ti.TitleSize = 4.0f;
  if (event.MaxLen1 > event.MaxLen2) {
    st.NameColumnRatio = 0.25f;
    st.ShozokuColumnRatio = 0.25f;
  }
  ti.ScoreShow = true;
  ti.ShiaiBangouKeep = false;
  ChartEnv env = p_.chartEnv();
  charts_.tournamentPages(env, st, t, -1, {});
  y_ += h + grid_.gapY;
  ++run_.PageItemCount;
  st.NameColumnRatio = baseName_;
  st.ShozokuColumnRatio = baseShozoku_;
}

void AutoRun::run() {
  run_.InsatsuTitle = QStringLiteral("自動レイアウト出力");
  p_.taikai.sw.ShozokuHyouji = true;
  baseName_ = baseShozoku_ = 0.25f;
  if (!p_.taikai.Shozoku.empty() && p_.taikai.Shozoku.front().Name == QStringLiteral("所属なし")) {
    p_.taikai.sw.ShozokuHyouji = false;
    baseName_ = 0.5f;
    baseShozoku_ = 0.f;
  }
  p_.bracket.NameColumnRatio = baseName_;
  p_.bracket.ShozokuColumnRatio = baseShozoku_;
  device_.OutputOn = true;
  run_.InsatsuPageCount = 0;
  box_ = AreaRect{kLeft, kRight, kTop, kBottom};
  grid_ = CalcPageGrid(box_, 1, 4, p_.kankyou);
  y_ = kTop;

  PreparePrintRun(p_, run_.KanaKanji);
  TaikaiRec& taikai = p_.taikai.Taikai;
  ChartEnv env = p_.chartEnv();
  for (int e = 0; e < eventCount(taikai); ++e) {
    const ShumokuRec& event = *eventAt(taikai, e);
    run_.PageItemCount = 0;
    if (event.KumiawaseSuu2 <= 0) continue;
    if (event.YosenLeagueAri > 0) {
      const float h = (kBottom - kTop) / 4;
      for (int b = 0; b < blockCount(event.YosenLeague); ++b) {
        if (blockAt(event.YosenLeague, b)->Dummy) continue;
        makeRoom(h);
        box_.Y1 = y_;
        box_.Y2 = y_ + grid_.cellH;
        charts_.league(env, box_, e, b);
        y_ += h;
        ++run_.PageItemCount;
      }
    }
    const int draws = usableCount(event.TournamentCount, event.Tournaments);
    for (int t = 0; t < draws; ++t) printDraw(event, event.Tournaments.at(t));
  }
  if (run_.InsatsuPageCount > 0) device_.ClosePrint();
  ReportPrintedSheets(p_, run_.InsatsuPageCount);
}

}  // namespace

void PrintAutoLayout(Program& program, const SheetProgress& progress, const LayoutCharts& charts) {
  AutoRun(program, progress, charts).run();
}

}  // namespace qv
