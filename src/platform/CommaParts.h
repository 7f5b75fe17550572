#pragma once
// Cutting a record line at its commas, as every comma-separated format here does.

#include <QString>
#include <QStringList>

namespace platform {

// Cuts at every "," with no quoting, escaping or trimming. An empty line has no parts.
inline QStringList splitCommaParts(const QString& line) {
  if (line.isEmpty()) return {};
  return line.split(QChar(','), Qt::KeepEmptyParts);
}

}  // namespace platform
