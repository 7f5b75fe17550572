#include "platform/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/Cp932.h"

namespace platform {

QStringList splitLines(const QString& content) {
  QStringList lines;
  if (content.isEmpty()) return lines;
  qsizetype start = 0;
  while (start < content.size()) {
    qsizetype end = content.indexOf(QChar('\n'), start);
    const bool last = end < 0;
    if (last) end = content.size();
    qsizetype len = end - start;
    if (len > 0 && content[start + len - 1] == QChar('\r')) --len;
    lines.append(content.mid(start, len));
    start = end + 1;
  }
  return lines;
}

std::optional<QStringList> readTextLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return splitLines(decodeCp932(bytes));
}

std::optional<TextFileReader> TextFileReader::open(const QString& path) {
  auto lines = readTextLines(path);
  if (!lines) return std::nullopt;
  return TextFileReader(std::move(*lines));
}

QString TextFileReader::readLine() {
  if (atEnd()) return {};
  return lines_[next_++];
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* errorText) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) {
    if (errorText) *errorText = f.errorString();
    return false;
  }
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += encodeCp932(line);
    bytes += "\r\n";
  }
  if (f.write(bytes) != bytes.size() || !f.commit()) {
    if (errorText) *errorText = f.errorString();
    f.cancelWriting();
    return false;
  }
  return true;
}

}  // namespace platform
