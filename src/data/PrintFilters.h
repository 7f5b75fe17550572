#pragma once
// What the entry splitters and the print filters read: the kind of chart being printed and
// its event, which the chart passes, and the selection string of bold names. The tests
// themselves (IsSelected, GetTashumokuMark, GetArrayItem, IsSameName) are declared here too.

#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

struct Model;

// The chart being printed, as the chart itself knows it.
struct CurrentChart {
  // "L" for a league table (a one-field entry text is then an affiliation), empty otherwise.
  QString CurrentPrintKind;
  // Index of the chart's event; the other-event mark skips it. -1: no event.
  int CurrentShumoku = -1;
};

struct PrintFilterState {
  // Selection string of bold names and per-team sheets: fragments separated by "," or
  // "、". The configuration reader sets "-----" at start-up.
  QString TeamFilter = QStringLiteral("-----");
};

// True when the name, without its half-width and full-width blanks, holds one of the
// fragments of TeamFilter.
bool IsSelected(const PrintFilterState& filters, const QString& name);

// Turns an entry text that may be a reference to a result (a league rank, a placing, the
// winner of a match) into the text of the entry it denotes.
using SankashaRefResolver = std::function<QString(const QString& entryText)>;

// "S", "D" or "X": the kind of the first event other than chart.CurrentShumoku in which a
// player of that name also plays (singles, doubles, mixed doubles); empty when none, or
// when that first event is of another kind. The entries are split as the chart splits them.
QString GetTashumokuMark(const Model& model, const CurrentChart& chart, const QString& name,
                         const SankashaRefResolver& resolve);

// items[index], or the empty text when the index is out of range.
QString GetArrayItem(const QStringList& items, qsizetype index);

// True when the texts are equal once every " " and "　" is removed from both.
bool IsSameName(const QString& a, const QString& b);

}  // namespace qv
