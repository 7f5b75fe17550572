#pragma once
// The participant roster "大会参加者名簿": every entry of the tournament in a ruled table,
// one table per sex category, printed into a layout region and continued on further
// sheets when long; the same rows go to 参加者名簿.csv, and the two other roster files are
// written first.

#include <QStringList>

#include <array>
#include <functional>
#include <vector>

#include "charts/MeiboRows.h"

namespace qv {

struct ChartEnv;
class PrintDevice;

// The roster so far: where the next group starts, how many groups and further sheets
// were printed, and the lines of 参加者名簿.csv.
struct MeiboRun {
  float y = 0;
  int groups = 0;
  int newPages = 0;
  QStringList csv;
  std::function<void()> sheetStarted;  // called on each further sheet, before its rows
};

// Prints the roster into the region (millimetres) and writes the three roster files.
// Returns the number of further sheets it started with NewPage (the sheet the region lies
// on is not counted); sheetStarted, when given, is called on each of them as it begins,
// so that the print run can give it its page phrases and count it.
int PrintSankashaMeibo(ChartEnv env, float left, float top, float right, float bottom,
                       std::function<void()> sheetStarted = {});

// Prints one category group from its placed rows.
void PrintMeiboPage(ChartEnv env, float left, float top, float right, float bottom,
                    const std::vector<MeiboFukuRow>& rows, MeiboRun& run);

// The heading row at y, and the heading line of the roster file.
void PrintMeiboHeader(PrintDevice& device, const std::array<float, 9>& columnX, float y, float d,
                      float u, QStringList& csv);

}  // namespace qv
