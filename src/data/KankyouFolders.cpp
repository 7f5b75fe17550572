// The user file and the choice of the data folder.

#include "data/Kankyou.h"

#include "data/KankyouState.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// The first value of a line as a list input reads it: up to a comma or the line's end;
// a value in double quotes runs to its closing quote and may hold commas.
QString firstListValue(const QString& line) {
  const QString s = platform::trimBlanks(line);
  if (s.startsWith(QChar('"'))) {
    const qsizetype close = s.indexOf(QChar('"'), 1);
    return close < 0 ? s.mid(1) : s.mid(1, close - 1);
  }
  const qsizetype comma = s.indexOf(QChar(','));
  return comma < 0 ? s : s.left(comma);
}

}  // namespace

void ReadUserDat(KankyouState& kankyou, const QString& programFolder) {
  kankyou.UserName.clear();
  const QString path = platform::joinPath(programFolder, QStringLiteral("User.dat"));
  if (!platform::fileExists(path)) return;
  const auto lines = platform::readTextLines(path);
  if (!lines || lines->isEmpty()) return;
  kankyou.UserName = platform::trimBlanks(firstListValue(lines->first()));
}

QString ChooseDataFolder(const QString& programFolder, const QDate& today) {
  QString dataFolder = programFolder;

  // The fiscal year starts in April.
  const int year = today.month() < 4 ? today.year() - 1 : today.year();
  const QString yearFolder =
      platform::joinPath(programFolder, QStringLiteral("%1Data").arg(year, 4, 10, QChar('0')));
  if (platform::folderExists(yearFolder)) dataFolder = yearFolder + QChar('/');

  const QString lastPath = platform::joinPath(programFolder, QStringLiteral("前回ファイル.cfg"));
  if (platform::fileExists(lastPath)) {
    const auto lines = platform::readTextLines(lastPath);
    const QString remembered = lines && !lines->isEmpty() ? lines->first() : QString();
    // A remembered folder that is gone (or an empty file) falls back to the program
    // folder, not to the year folder.
    dataFolder = platform::folderExists(remembered) ? remembered : programFolder;
  }
  return dataFolder;
}

}  // namespace qv
