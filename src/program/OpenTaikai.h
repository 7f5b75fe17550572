#pragma once
// Opening a tournament, the one sequence that start-up, the selection window, the tests and
// the benchmarks share.

#include <QString>

namespace qv {

struct Model;

enum class OpenTaikaiResult {
  NotOpened,  // blank name or unreadable data file: the open tournament stays as it was
  NoEvents,   // opened; the data file defines no events, so no results file was read
  Opened,     // opened with its results file (when there is one) and its printable units
};

// Opens DataFolder + fileName (the configuration is read already): the data file with its
// team and kana files (it clears the previous tournament first), the layout reset of a new
// tournament, the results file, and the list of printable units. The results file is read
// only when the data file defines at least one event: it holds results of events, and a
// tournament without events has nothing for it to fill.
OpenTaikaiResult OpenTaikai(Model& model, const QString& fileName);

}  // namespace qv
