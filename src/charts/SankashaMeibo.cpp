// The roster pages: title, heading rows, ruled rows, continuation sheets.

#include "charts/SankashaMeibo.h"

#include "charts/ChartEnv.h"
#include "charts/SankashaCsv.h"
#include "data/Fields.h"
#include "platform/Width.h"

namespace qv {

namespace {

const QString kTitle = QStringLiteral("大会参加者名簿");

// One text in printed column k, fitted between the column's edges less half a unit.
void printCell(PrintDevice& device, const std::array<float, 9>& x, size_t k, float y, float u,
               const QString& text) {
  device.PrintStr(x[k] + 0.5f * u, y, u, u, u, x[k + 1] - 0.5f * u, text);
}

void verticalRules(PrintDevice& device, const std::array<float, 9>& x, float top, float y) {
  for (const float xi : x) device.OutputLine(xi, top, xi, y);
}

}  // namespace

void PrintMeiboHeader(PrintDevice& device, const std::array<float, 9>& columnX, float y, float d,
                      float u, QStringList& csv) {
  static const std::array<QString, 8> kHeadings{
      QStringLiteral("Ｎｏ．"), QStringLiteral("複種目"), QStringLiteral("単種目"),
      QStringLiteral("氏名"),   QStringLiteral("所属"),   QStringLiteral("単種目"),
      QStringLiteral("氏名"),   QStringLiteral("所属")};
  device.OutputLine(columnX[0], y, columnX[8], y);
  for (size_t k = 0; k < kHeadings.size(); ++k) printCell(device, columnX, k, y + d, u, kHeadings[k]);
  csv << QStringLiteral("Ｎｏ．,複種目,単種目,氏名,所属,単種目,氏名,所属");
}

void PrintMeiboPage(ChartEnv env, float left, float top, float right, float bottom,
                    const std::vector<MeiboFukuRow>& rows, MeiboRun& run) {
  PrintDevice& device = env.device;
  const bool narrow = env.model.taikai.sw.NarrowEntryText;
  const auto x = MeiboColumnX(left, right);
  const float u = (right - left) / 44;
  float h = 1.3f * u;
  const auto count = static_cast<float>(rows.size());
  // A group just over a page of ordinary rows is squeezed onto the page.
  if (rows.size() >= 52 && rows.size() <= 54) h = h * 52 / (count + 1);
  const float d = (h - u) / 2;

  float& y = run.y;
  float blockTop = 0;
  // Under the title band on every sheet: page phrases placed beside the title on the
  // continuation sheets must not overprint the heading row.
  const float tableTop = top + h + 0.5f * u;
  auto headedPage = [&] {
    y = tableTop;
    blockTop = y;
    PrintMeiboHeader(device, x, y, d, u, run.csv);
    y += h;
  };
  if (run.groups == 0) {
    device.SetDrawWidth(0.15);
    const float t = 1.5f * u;
    device.PrintStr(left + 20, top, t, t, t, 0, kTitle);
    run.csv << kTitle;
    headedPage();
  } else if (bottom - u >= y + h * (count + 1)) {
    y += 0.5f * h;  // the next category follows after half a row, under the same heading
    blockTop = y;
  } else {
    device.NewPage();
    ++run.newPages;
    if (run.sheetStarted) run.sheetStarted();
    headedPage();
  }

  auto rule = [&] { device.OutputLine(left, y, x[8], y); };
  auto abbreviation = [&](const QString& s) { return narrow ? platform::toFullWidth(s) : s; };
  rule();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (y > bottom - u - h) {
      verticalRules(device, x, blockTop, y);
      device.NewPage();
      ++run.newPages;
      if (run.sheetStarted) run.sheetStarted();
      headedPage();
      rule();
    }
    const MeiboFukuRow& row = rows[r];
    const QString number = QString::number(r + 1);
    const std::array<QString, 8> cells{
        platform::toFullWidth(number.rightJustified(3, QChar(' '))),
        abbreviation(row.Fuku), abbreviation(row.Tan1), row.Name1, row.Shozoku1,
        abbreviation(row.Tan2), row.Name2, row.Shozoku2};
    for (size_t k = 0; k < cells.size(); ++k) printCell(device, x, k, y + d, u, cells[k]);
    y += h;
    rule();
    run.csv << JoinFields(platform::toFullWidth(number), cells[1], cells[2], cells[3], cells[4],
                          cells[5], cells[6], cells[7]);
  }
  verticalRules(device, x, blockTop, y);
}

ChartResult PrintSankashaMeibo(ChartEnv env, const AreaRect& box,
                               const SheetStarted& sheetStarted) {
  ChartResult printed;
  printed.Files = SankashaCsvFiles(env.model);
  MeiboRun run;
  run.sheetStarted = sheetStarted;
  for (MeiboGroup& group : CollectMeiboGroups(env.model)) {
    PrintMeiboPage(env, box.X1, box.Y1, box.X2, box.Y2, PlaceMeiboRows(std::move(group)), run);
    ++run.groups;
  }
  printed.Pages = 1 + run.newPages;
  printed.SheetsStarted = run.newPages;
  printed.Files.push_back({QStringLiteral("参加者名簿.csv"), std::move(run.csv)});
  return printed;
}

}  // namespace qv
