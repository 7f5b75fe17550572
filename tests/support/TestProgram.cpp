#include "support/TestProgram.h"

#include <QDir>
#include <QFileInfo>

#include "platform/TextFile.h"

namespace qv::test {

QString TestProgram::writeFile(const QString& name, const QStringList& lines) const {
  const QString path = folder() + name;
  QDir().mkpath(QFileInfo(path).absolutePath());
  platform::writeTextLines(path, lines);
  return path;
}

}  // namespace qv::test
