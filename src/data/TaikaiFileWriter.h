#pragma once
// Rewriting the tournament data file grouped by event, from the model just read.

#include <QString>
#include <QStringList>

namespace qv {

struct Model;

// Lines of the old file that the model does not hold; a rewrite carries them through as
// they were read, so regrouping never loses data.
struct TaikaiKeptLines {
  QStringList keyLines;   // 【大会データ】 lines: 会長=, keys that only became text
                          // variables, OPTION words that only set a switch
  QStringList tailLines;  // from the 【団体別参加者名簿】 marker to the end of the file
};

// The new content of the data file: 【大会データ】 from the model, then one
// 【申込団体別参加者名簿】 section holding every entry grouped by event. An entry marked
// deleted gets "削除" put before its name, in the model too.
QStringList TaikaiFileLines(Model& model, const TaikaiKeptLines& kept);

// Does nothing and returns false unless RewriteNeeded is set. Otherwise backs the file up
// to <name less its last three characters>bak (unless keepEarlierBackup: a second rewrite
// within one open keeps the backup of the original), then writes the new content through
// a temporary file that replaces the data file only when complete. On failure the user is
// told which file, the data file stays as it was, and false is returned.
bool WriteTaikaiFile(Model& model, const QString& fileName, const TaikaiKeptLines& kept,
                     bool keepEarlierBackup);

}  // namespace qv
