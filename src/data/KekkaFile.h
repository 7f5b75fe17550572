#pragma once
// The results file (.kai) of the open tournament: its frame, the 【大会データ】 section and
// the warning shown when the file was changed after the suite saved it.

#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {
class TextFileReader;
}

namespace qv {

struct Model;

// What a results-file section reader returns when the file ended.
inline QString KekkaFileEof() { return QStringLiteral(".eof."); }

// The results file's name: the data file's name with "kai" for its last three characters.
QString KekkaFileName(const QString& taikaiFileName);

// Loads DataFolder + the results file of TaikaiFileName: sections in file order, then the
// data-change warning, then the league slots of every event. Nothing happens without a
// data file name or without a results file. An empty or unreadable results file ends the
// program after a message.
void ReadKekkaFile(Model& model);

// Reads the 【大会データ】 section from the line after its marker; returns the line that
// ended it (its first character is "【") or ".eof." at the end of the file.
QString ReadKekkaTaikaiData(Model& model, platform::TextFileReader& file);

// The save time "yyyy/mm/dd hh:mm:ss" as a local date and time to the minute; empty when
// the text does not hold a real date and time.
std::optional<QDateTime> ParseHozonJikoku(const QString& hozonJikoku);

// True when the file was modified more than two whole minutes after it was saved and is
// not read-only. Both times count to the minute in local wall-clock time. A save time that
// is not valid counts as changed: nothing vouches for the file.
bool KekkaFileChanged(const QDateTime& saved, const QDateTime& fileTime, bool readOnly);

}  // namespace qv
