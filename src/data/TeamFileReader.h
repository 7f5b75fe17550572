#pragma once
// The team file reader's working state, shared by the files that handle its line forms.

#include <QString>
#include <QStringList>

#include <optional>

#include "data/FatalRead.h"
#include "data/ReadLimits.h"

namespace qv {

struct Model;
struct TeamShumokuRec;
struct TeamSankashaRec;

namespace teamfile {

// The team file's fatal messages carry the exclamation icon.
inline constexpr platform::MsgIcon kFatalIcon = platform::MsgIcon::Exclamation;

class Reader {
 public:
  Reader(Model& target, QString filePath) : model(target), path(std::move(filePath)) {
    limits.start(path);
  }

  Model& model;
  const QString path;       // the team file, the title of its messages
  qsizetype lineNumber = 0; // 1-based number of the line being handled
  QString line;             // the line being handled

  // Indexes into the model; -1 none. The team and division are kept across a section
  // header, so every use checks them against the current event.
  int event = -1;
  int team = -1;
  int stage = -1;
  int division = -1;
  // Set when a team line was refused for the limits: the lines of that team are skipped.
  bool teamRefused = false;
  ReadLimits limits;  // what the file has laid out so far

  TeamShumokuRec& currentEvent();
  TeamSankashaRec* currentTeam();

  // The line being handled, for a fatal message whose title is the file.
  ReadPlace place() const { return {QString(), lineNumber, line}; }
  // Warns (once per limit) that the current line is refused for the limit.
  void refuse(ReadLimit limit);
};

// Line forms inside a section; fields are the line cut at every ",".
// Both return false when the line was refused for the limits.
bool readKousei(Reader& r, const QStringList& fields);
bool readKubun(Reader& r, const QStringList& fields);
void readTeamLine(Reader& r, const QStringList& fields);
void readOrder(Reader& r, const QStringList& fields);
void readMemberTexts(Reader& r, const QStringList& fields, bool furigana);
void readMembers(Reader& r, const QStringList& fields);
void readBlock(Reader& r);
void readTaisen(Reader& r, const QStringList& fields);

}  // namespace teamfile
}  // namespace qv
