#pragma once
// The participant roster "大会参加者名簿": every entry of the tournament in a ruled table,
// one table per sex category, printed into a layout region and continued on further
// sheets when long; the same rows go to 参加者名簿.csv, returned with the two other roster
// files for the run to write.

#include <QStringList>

#include <array>
#include <vector>

#include "charts/ChartResult.h"
#include "charts/MeiboRows.h"

namespace qv {

struct AreaRect;
struct ChartEnv;
class PrintDevice;

// The roster so far: where the next group starts, how many groups and further sheets
// were printed, and the lines of 参加者名簿.csv.
struct MeiboRun {
  float y = 0;
  int groups = 0;
  int newPages = 0;
  QStringList csv;
  SheetStarted sheetStarted;  // called on each further sheet, before its rows
};

// Prints the roster into box and returns the further sheets it started with NewPage (the
// sheet the box lies on is not counted) and the three roster files, 所属団体別参加数.csv,
// 参加者一覧.csv and 参加者名簿.csv, for the run to write; sheetStarted, when given, is
// called on each further sheet as it begins.
ChartResult PrintSankashaMeibo(ChartEnv env, const AreaRect& box,
                               const SheetStarted& sheetStarted = {});

// Prints one category group from its placed rows.
void PrintMeiboPage(ChartEnv env, float left, float top, float right, float bottom,
                    const std::vector<MeiboFukuRow>& rows, MeiboRun& run);

// The heading row at y, and the heading line of the roster file.
void PrintMeiboHeader(PrintDevice& device, const std::array<float, 9>& columnX, float y, float d,
                      float u, QStringList& csv);

}  // namespace qv
