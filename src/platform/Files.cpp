#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

bool fileExists(const QString& path) {
  const QFileInfo fi(path);
  return fi.exists() && fi.isFile();
}

bool folderExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QFileInfo fi(path);
  return fi.exists() && fi.isDir();
}

bool copyFile(const QString& from, const QString& to) {
  if (!fileExists(from)) return false;
  const QString tmp = to + ".part";
  QFile::remove(tmp);
  if (!QFile::copy(from, tmp)) return false;
  if (QFileInfo(tmp).size() != QFileInfo(from).size()) {
    QFile::remove(tmp);
    return false;
  }
  if (QFileInfo::exists(to) && !QFile::remove(to)) {
    QFile::remove(tmp);
    return false;
  }
  return QFile::rename(tmp, to);
}

std::optional<QDateTime> lastModifiedLocal(const QString& path) {
  const QFileInfo fi(path);
  if (!fi.exists()) return std::nullopt;
  return fi.lastModified().toLocalTime();
}

bool isReadOnly(const QString& path) {
  const QFileInfo fi(path);
  // The owner's write bit, as the file says; what the current user may do differs for root.
  return fi.exists() && !(fi.permissions() & QFileDevice::WriteOwner);
}

QString joinPath(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  return withTrailingSeparator(folder) + name;
}

QString withTrailingSeparator(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(QChar('/')) || folder.endsWith(QDir::separator()))
    return folder;
  return folder + QChar('/');
}

}  // namespace platform
