#pragma once
// File-system helpers the readers and the rewrite need.

#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {

bool fileExists(const QString& path);
bool folderExists(const QString& path);
// Copies, replacing an existing target. False when the copy did not complete.
bool copyFile(const QString& from, const QString& to);
// Last-modified time in local time; empty when the file does not exist.
std::optional<QDateTime> lastModifiedLocal(const QString& path);
bool isReadOnly(const QString& path);
// Joins a folder and a name with exactly one separator between them.
QString joinPath(const QString& folder, const QString& name);
// The folder with a trailing separator (the form the suite keeps folders in).
QString withTrailingSeparator(const QString& folder);

}  // namespace platform
