#pragma once
// What a chart hands back to the print run that called it: how much it printed, and the
// lines of the files that go with it. The run counts the sheets and writes the files, so
// a chart itself never touches the data folder.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace qv {

// A file of the data folder that the run replaces with these lines.
struct ChartFile {
  QString FileName;
  QStringList Lines;
};

struct ChartResult {
  int Pages = 0;          // chart pages printed (a draw may span several); 0: nothing printed
  int SheetsStarted = 0;  // further sheets the chart began itself, beyond the one its box is on
  QStringList DumpLines;  // lines for the run's dump file
  std::vector<ChartFile> Files;
};

// Called as a chart begins a further sheet, before it draws on it, so that the run can
// give the sheet its page phrases and count it.
using SheetStarted = std::function<void()>;

}  // namespace qv
