#include "app/ProgramFolder.h"

#include "platform/Files.h"

namespace qv {

QString ProgramFolderOf(const QString& startFolder) {
  QString appPath = platform::withTrailingSeparator(startFolder);
  const qsizetype at = appPath.indexOf(QStringLiteral("SOURCE"));
  const qsizetype tail = appPath.size() - at;  // "SOURCE/" is 7, "SOURCEx/" is 8
  if (at >= 0 && (tail == 7 || tail == 8)) appPath.truncate(at);
  return appPath;
}

}  // namespace qv
