#pragma once
// The tournaments of a data folder as the selection window lists them: one line per data
// file, its date, two blanks and its name, newest first.

#include <QString>

#include <optional>
#include <vector>

namespace qv {

struct TaikaiListLine {
  QString text;      // date, two blanks, name
  QString fileName;  // the data file within the folder
};

// The 大会名= and 開催日= values of a data file, read from its start until both are
// found; empty when the file lacks either or cannot be read.
struct TaikaiTitle {
  QString name;
  QString date;
};
std::optional<TaikaiTitle> ReadTaikaiTitle(const QString& path);

// Every normal *.tai file of the folder that has both keys, in descending order of its
// line (the dates sort when the files write them in one fixed-width form). An unreadable
// folder lists nothing.
std::vector<TaikaiListLine> ListTaikaiFiles(const QString& folder);

}  // namespace qv
