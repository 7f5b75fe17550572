#pragma once
// Splitting an entry text into the names and affiliations that a chart prints.
//
// An entry text holds comma fields without quoting: 1 field a team or organisation,
// 2 name and affiliation, 4 two names then two affiliations, 6 three names then three
// affiliations. The joining mode is "並列" (players kept apart), "直列" (one line of
// names and affiliations in field order) or "組合せ" (one line of names, affiliations in
// ascending order); any other mode acts as "並列".

#include <QString>

namespace qv {

struct CurrentChart;
struct Model;
struct TaikaiSwitches;

// Names and affiliations of up to two players; parts a case does not fill are empty.
struct SankashaPair {
  QString name1, name2;
  QString aff1, aff2;
  friend bool operator==(const SankashaPair&, const SankashaPair&) = default;
};

// Names and affiliations of up to three players; parts a case does not fill are empty.
struct SankashaTrio {
  QString name1, name2, name3;
  QString aff1, aff2, aff3;
  friend bool operator==(const SankashaTrio&, const SankashaTrio&) = default;
};

// The three-player split of the bracket page and the league table. The chart's print kind
// decides how a one-field text reads.
SankashaTrio SplitSankasha3(const CurrentChart& chart, const TaikaiSwitches& sw,
                            const QString& text, const QString& mode);
SankashaTrio SplitSankasha3(const Model& model, const CurrentChart& chart, const QString& text,
                            const QString& mode);

// The two-player split. A trio text gives its first two names and, in aff1 and aff2, its
// third name and first affiliation: the callers only read the names of a trio.
SankashaPair SplitSankasha(const CurrentChart& chart, const TaikaiSwitches& sw,
                           const QString& text, const QString& mode);
SankashaPair SplitSankasha(const Model& model, const CurrentChart& chart, const QString& text,
                           const QString& mode);

}  // namespace qv
