#pragma once
// Opening a tournament: the data file (.tai) read section by section, rewritten grouped by
// event when its entry list by organisation is scattered, then the team and kana files.

#include <QString>
#include <QStringList>

#include "data/TaikaiFileWriter.h"
#include "platform/TextFile.h"

namespace qv {

struct Model;

// What a section reader returns when the file ended.
inline QString TaikaiFileEof() { return QStringLiteral("eof"); }

// The open data file while its sections are read.
struct TaikaiDataFile {
  QString path;  // for messages
  platform::TextFileReader reader;
  TaikaiKeptLines kept;
  // Runs of by-organisation entry lines and the distinct abbreviations among them: the
  // file is scattered when some abbreviation began more than one run.
  int entryRuns = 0;
  QStringList runAbbreviations;
};

// Clears everything a tournament brings: events, entries, organisations, team events,
// first-round shapes, option words and switches. Configuration values stay.
void ResetTournament(Model& model);

// Reads the data file DataFolder + fileName. False when the name is blank (nothing is
// touched) or the file cannot be read (the user is told). A file that is empty or not a
// tournament data file ends the program after a message.
bool ReadTaikaiFile(Model& model, const QString& fileName);

// Reads sections until the end of the file; returns the regroup count (1 or more when
// some event's by-organisation lines are scattered).
int ReadTaikaiSections(Model& model, TaikaiDataFile& file);

}  // namespace qv
