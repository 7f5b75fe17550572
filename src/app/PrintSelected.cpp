// The print run of the selected layout pages.

#include <QStringList>

#include <algorithm>

#include "app/PageGrid.h"
#include "app/PageItems.h"
#include "app/PrintRun.h"
#include "data/ModelAccess.h"
#include "data/Taikai.h"
#include "platform/Files.h"
#include "platform/TextFile.h"
#include "platform/Width.h"
#include "program/ChartFiles.h"
#include "program/PrintRunStart.h"
#include "program/Program.h"

namespace qv {

namespace {

const QString kDumpOption = QStringLiteral("Dumpトーナメント");
const QString kRunTitle = QStringLiteral("組み合わせ印刷");

// The region's box with its edges in order: a region is stored as it was dragged.
AreaRect regionBox(const RyouikiRec& r) {
  return AreaRect{std::min(r.X1, r.X2), std::max(r.X1, r.X2), std::min(r.Y1, r.Y2),
                  std::max(r.Y1, r.Y2)};
}

class SelectedRun {
 public:
  SelectedRun(Program& program, const SheetProgress& progress, const LayoutCharts& charts)
      : p_(program), run_(program.run), device_(program.device), progress_(progress), charts_(charts) {}

  void setUp();
  void printPage(int page);
  void end();

 private:
  // The phrases of a further sheet that a chart started itself, counted in the run; the
  // chart's font is kept.
  void chartSheet(int page);
  void startSheet(int page);
  void printRegion(int page, const RyouikiRec& region, const AreaRect& box);
  // Makes cell k the box of the next chart, after the sheet-break test when the region's
  // cells are used up.
  void enterCell(int page, const AreaRect& box, const PageGrid& g, int k);
  // Whether a block was printed: dummy blocks only, or none, print nothing.
  bool printLeagues(int page, int e, const AreaRect& box, const PageGrid& g, int& k);

  Program& p_;
  PrintRunState& run_;
  PrintDevice& device_;
  const SheetProgress& progress_;
  const LayoutCharts& charts_;
  bool dump_ = false;
  QStringList dumpLines_;  // the draws' dump lines, written at the end when dump_ is set
  AreaRect cell_;          // the box of the next chart
};

void SelectedRun::setUp() {
  run_.InsatsuTitle = kRunTitle;
  dump_ = IsTaikaiOption(p_.taikai.sw, kDumpOption);
  device_.OutputOn = true;
  p_.bracket.NameColumnRatio = 0.2f;
  p_.bracket.ShozokuColumnRatio = 0.3f;
  p_.taikai.sw.ShozokuHyouji = true;
  if (!p_.taikai.Shozoku.empty() && p_.taikai.Shozoku.front().Name == QStringLiteral("所属なし")) {
    p_.taikai.sw.ShozokuHyouji = false;
    p_.bracket.NameColumnRatio = 0.4f;
    p_.bracket.ShozokuColumnRatio = 0.f;
  }
  PreparePrintRun(p_, run_.KanaKanji);
  p_.spreadsheet->ExcelClose();
  run_.InsatsuPageCount = 0;
}

void SelectedRun::startSheet(int page) {
  const int sheetNo = run_.InsatsuPageCount + 1;
  if (progress_) progress_(sheetNo);
  if (run_.InsatsuPageCount == 0) {
    device_.OpenPrint(p_);
    // The printer or file is opened here, before anything is drawn, so that one that
    // cannot be opened fails the run at its start.
    device_.StartPrintDoc();
  } else {
    device_.NewPage();
    device_.PrintBlank(QStringLiteral(" "));
  }
  PrintPageItems(p_, device_, page, sheetNo);
  ++run_.InsatsuPageCount;
  run_.PageItemCount = 0;
}

void SelectedRun::chartSheet(int page) {
  const int sheetNo = run_.InsatsuPageCount + 1;
  if (progress_) progress_(sheetNo);
  const QString face = device_.PrintFontName;
  const int bold = device_.FontBold;
  PrintPageItems(p_, device_, page, sheetNo);
  device_.SetFontName(face);
  device_.FontBold = bold;
  ++run_.InsatsuPageCount;
}

void SelectedRun::printPage(int page) {
  run_.PageItemCount = 0;
  const auto& pages = p_.insatsu.InsatsuSeigyo.Pages;
  const PageRec& rec = pages.at(page);
  if (!rec.Selected) return;
  startSheet(page);
  const int regions = usableCount(rec.RyouikiCount, rec.Ryouiki);
  for (int r = 0; r < regions; ++r) {
    const RyouikiRec& region = rec.Ryouiki.at(r);
    if (!region.Deleted) printRegion(page, region, regionBox(region));
  }
}

void SelectedRun::enterCell(int page, const AreaRect& box, const PageGrid& g, int k) {
  const int cells = g.cols * g.rows;
  AreaRect& a = cell_;
  a.X1 = box.X1 + static_cast<float>(k % g.cols) * g.stepX();
  a.X2 = a.X1 + g.cellW;
  a.Y1 = box.Y1 + static_cast<float>((k % cells) / g.cols) * g.stepY();
  a.Y2 = a.Y1 + g.cellH;
  if (k > 0 && k % cells == 0) {
    // The region's cells are used up on this sheet: the next ones are on a new sheet of
    // the same layout page.
    startSheet(page);
  }
}

bool SelectedRun::printLeagues(int page, int e, const AreaRect& box, const PageGrid& g, int& k) {
  ShumokuRec& event = *eventAt(p_.taikai.Taikai, e);
  const LeagueStageRec& stage = event.YosenLeague;
  int n = blockCount(stage);
  // The league of this one tournament's data prints only its blocks before the first
  // block of four.
  const QString& file = p_.taikai.TaikaiFileName;
  if (file.size() >= 4 && file.chopped(4) == QStringLiteral("20050612")) {
    for (int b = 0; b < n; ++b) {
      if (blockAt(stage, b)->SankashaSuu == 4) {
        n = b;
        break;
      }
    }
  }
  ChartEnv env = p_.chartEnv();
  const int first = k;
  bool cellReady = true;  // the placement's own cell has been entered
  for (int b = 0; b < n; ++b) {
    if (blockAt(stage, b)->Dummy) continue;
    // Every printed block takes its own cell, with the sheet-break test, also after a
    // dummy block between two printed ones.
    if (!cellReady) enterCell(page, box, g, k);
    cellReady = false;
    charts_.league(env, cell_, e, b);
    ++k;
  }
  return k > first;
}

void SelectedRun::printRegion(int page, const RyouikiRec& region, const AreaRect& box) {
  const PageGrid g = CalcPageGrid(box, region.BunkatsuH, region.BunkatsuV, p_.kankyou);
  const int cells = g.cols * g.rows;
  QString lastKind;
  int k = 0;
  const int count = usableCount(region.HaichiCount, region.Haichi);
  for (int h = 0; h < count; ++h) {
    const HaichiRec& haichi = region.Haichi.at(h);
    const QString& kind = haichi.Kind;
    const bool league = kind == QStringLiteral("リーグ");
    const bool draw = kind == QStringLiteral("トーナメント") || kind == QStringLiteral("上位");
    // A chart of an event that does not exist is left out, without taking a cell.
    if ((league || draw) && eventAt(p_.taikai.Taikai, haichi.ShumokuIdx) == nullptr) continue;

    enterCell(page, box, g, k);
    if (kind == QStringLiteral("文字列")) {
      if (haichi.Moji.LineCount > 0) {
        // The block fills the whole region; the layout keeps its own copy untouched.
        MojiretsuItem moji = haichi.Moji;
        FitTextBlock(box, moji);
        device_.PrintLayoutItemLines(moji);
        lastKind = kind;
      }
    } else if (kind == QStringLiteral("参加者名簿")) {
      // A long roster goes on over further sheets of this layout page: each gets the
      // page's phrases and is counted.
      const ChartResult roster = charts_.roster(p_.chartEnv(), box, [this, page] { chartSheet(page); });
      WriteChartFiles(p_, roster.Files);
      lastKind = kind;
    } else if (league) {
      // A placement that printed no block leaves the kind of the last chart as it was, so
      // that a draw after it is laid out as if the placement were not there.
      if (printLeagues(page, haichi.ShumokuIdx, box, g, k)) lastKind = kind;
    } else if (draw) {
      const bool last = h == count - 1;
      if (lastKind == QStringLiteral("リーグ") && (last || k % g.cols != 0)) {
        // After league tables a draw takes the rest of the row, or as the region's last
        // chart after a part-filled row, a whole row of its own.
        const int row = (k % cells) / g.cols;
        AreaRect& a = cell_;
        if (last && k % g.cols != 0 && row < g.rows - 1) {
          a.X1 = box.X1;
          a.Y1 = box.Y1 + static_cast<float>(row + 1) * g.stepY();
        }
        a.X2 = box.X2;
        a.Y2 = a.Y1 + g.cellH;
      }
      ChartEnv env = p_.chartEnv();
      const ChartResult drawn = charts_.tournament(env, p_.bracket, cell_, haichi.ShumokuIdx,
                                                   haichi.Number, region,
                                                   [this, page] { chartSheet(page); });
      dumpLines_ += drawn.DumpLines;
      lastKind = QStringLiteral("トーナメント");
      // The further sheets of the draw were counted as they began; here they only use up
      // cells.
      k += drawn.Pages;
    }
    ++run_.PageItemCount;
  }
}

void SelectedRun::end() {
  const int sheets = run_.InsatsuPageCount;
  if (sheets > 0) device_.ClosePrint();
  ReportPrintedSheets(p_, sheets);
  p_.spreadsheet->ExcelClose();
  if (dump_) {
    const QString path = platform::joinPath(p_.programFolder, QStringLiteral("Dump.csv"));
    QString why;
    if (!platform::writeTextLines(path, dumpLines_, &why))
      p_.messages.warn(kRunTitle, QStringLiteral("%1 に書き込めませんでした\n%2").arg(path, why));
  }
}

}  // namespace

void ReportPrintedSheets(Program& program, int sheets) {
  const QString text = sheets > 0 ? platform::toFullWidth(QString::number(sheets)) +
                                        QStringLiteral("頁印刷しました")
                                  : QStringLiteral("印刷する頁がありませんでした");
  program.messages.show(kRunTitle, text, platform::MsgIcon::None, platform::MsgButtons::Ok);
}

void PrintSelected(Program& program, const SheetProgress& progress, const LayoutCharts& charts) {
  SelectedRun run(program, progress, charts);
  run.setUp();
  const auto& layout = program.insatsu.InsatsuSeigyo;
  const int pages = usableCount(layout.PageCount, layout.Pages);
  for (int page = 0; page < pages; ++page) run.printPage(page);
  run.end();
}

}  // namespace qv
