#include "platform/Process.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool startProgram(const QString& program, const QStringList& arguments, QString* errorText) {
  if (!QFileInfo(program).isFile()) {
    if (errorText) *errorText = QStringLiteral("ファイルが見つかりません");
    return false;
  }
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (process.startDetached()) return true;
  if (errorText) *errorText = process.errorString();
  return false;
}

}  // namespace platform
