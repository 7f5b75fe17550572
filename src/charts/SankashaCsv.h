#pragma once
// The roster CSV files of the data folder: entries counted per affiliation and group
// (所属団体別参加数.csv) and one line per participant with the events entered
// (参加者一覧.csv). The printed roster rows go to 参加者名簿.csv (SankashaMeibo.h).
// All three: CP932, CR LF, fields joined by "," without quoting.

#include <QString>
#include <QStringList>

#include <vector>

#include "charts/ChartResult.h"

namespace qv {

struct Model;
struct ShumokuRec;
struct TaikaiSwitches;

// One player of an entry as the roster files list it.
struct RosterPlayer {
  QString name;
  QString shozoku;
};

// The players of an entry text cut at its commas: two for a doubles event (names in
// fields 0 and 1, affiliations in 2 and 3), three for a three-player event written as a
// trio (names 0 to 2, affiliations 3 to 5), otherwise one (name 0, affiliation 1).
// Missing fields are empty.
std::vector<RosterPlayer> RosterPlayers(const ShumokuRec& event, const QStringList& fields);

// A participant: the same name (blanks ignored) with exactly the same affiliation.
struct IchiranRec {
  int Sex = 1;  // 1 men, 2 women
  QString Name;
  QString Shozoku;
  QString Group;
  QString Extra;               // the kana reading
  std::vector<bool> Marks;     // per event: entered
};

// Appearances counted per affiliation and group.
struct ShozokuTallyRec {
  QString Shozoku;
  QString Group;
  int Men = 0;    // new participants only
  int Women = 0;
  int All = 0;    // every appearance
  std::vector<int> PerEvent;
};

struct SankashaCollection {
  std::vector<IchiranRec> Ichiran;         // in order of first appearance
  std::vector<ShozokuTallyRec> Tally;      // in order of first appearance
};

// Every player of every entry of every event, entry references resolved.
SankashaCollection CollectSankasha(const Model& model);

// The lines of 所属団体別参加数.csv and of 参加者一覧.csv.
QStringList ShozokuSankaLines(const Model& model, const SankashaCollection& c);
QStringList SankashaIchiranLines(const Model& model, const SankashaCollection& c);

// The text without the sex and kind letters of the abbreviations (SeibetsuPosStart to
// SeibetsuPosEnd, 1-based); "○" when nothing else is left of a non-empty text.
QString CutMarkColumn(const TaikaiSwitches& sw, const QString& text);

// 所属団体別参加数.csv and 参加者一覧.csv, for the print run to write into the data folder.
std::vector<ChartFile> SankashaCsvFiles(const Model& model);

}  // namespace qv
