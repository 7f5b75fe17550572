#include "app/TaikaiList.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include "platform/Cp932.h"

namespace qv {

namespace {

const QString kNameKey = QStringLiteral("大会名=");
const QString kDateKey = QStringLiteral("開催日=");

}  // namespace

std::optional<TaikaiTitle> ReadTaikaiTitle(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  TaikaiTitle title;
  // Line by line: the keys stand at the top, and a data file can be long.
  while (!file.atEnd() && (title.name.isEmpty() || title.date.isEmpty())) {
    QByteArray bytes = file.readLine();
    while (bytes.endsWith('\n') || bytes.endsWith('\r')) bytes.chop(1);
    const QString line = platform::decodeCp932(bytes);
    if (line.left(kNameKey.size()) == kNameKey) title.name = line.mid(kNameKey.size());
    if (line.left(kDateKey.size()) == kDateKey) title.date = line.mid(kDateKey.size());
  }
  if (title.name.isEmpty() || title.date.isEmpty()) return std::nullopt;
  return title;
}

std::vector<TaikaiListLine> ListTaikaiFiles(const QString& folder) {
  std::vector<TaikaiListLine> lines;
  const QDir dir(folder);
  const QStringList names =
      dir.entryList({QStringLiteral("*.tai")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& name : names) {
    const auto title = ReadTaikaiTitle(dir.filePath(name));
    if (title) lines.push_back({title->date + QStringLiteral("  ") + title->name, name});
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const TaikaiListLine& a, const TaikaiListLine& b) { return a.text < b.text; });
  std::reverse(lines.begin(), lines.end());
  return lines;
}

}  // namespace qv
