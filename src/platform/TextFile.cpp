#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Cp932.h"
#include "platform/Files.h"
#include "platform/Messages.h"

namespace platform {

QStringList splitLines(const QString& content) {
  QStringList lines;
  if (content.isEmpty()) return lines;
  lines.reserve(content.count(QChar('\n')) + 1);
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

qsizetype firstUndecodableLine(const QStringList& lines) {
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (lines[i].contains(QChar(QChar::ReplacementCharacter))) return i + 1;
  return 0;
}

void warnUndecodable(MessageSink& messages, const QString& path, const QStringList& lines) {
  const qsizetype line = firstUndecodableLine(lines);
  if (line == 0) return;
  messages.warn(path, QStringLiteral("%1行目: Shift_JIS（CP932）として読めない文字があります。"
                                     "別の文字コード（UTF-8 など）で保存されたファイルかもしれません。"
                                     "読めない文字は置き換えて読み込みを続けます。")
                          .arg(line));
}

std::optional<QStringList> readTextLines(const QString& path) {
  QFile f(path);
  // Read whole in one go: the device's own buffer would only be copied through.
  if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
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
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += encodeCp932(line);
    bytes += "\r\n";
  }
  return writeFileReplacing(path, bytes, errorText);
}

bool mayReplace(const QString& path, QString* errorText) {
  auto refuse = [&](const QString& why) {
    if (errorText) *errorText = why;
    return false;
  };
  // Decided by the permission bits, also for a user (root) whom the system would let write:
  // a file or folder marked read-only must not change.
  if (isReadOnly(path)) return refuse(QStringLiteral("読み取り専用のファイルです"));
  const QFileInfo folder(QFileInfo(path).absolutePath());
  constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  if (folder.exists() && !(folder.permissions() & anyWrite))
    return refuse(QStringLiteral("読み取り専用のフォルダです"));
  return true;
}

// Every write is checked for its full length and the data is synced before the rename:
// a short write (full disk, size limit) must never replace the target with a cut-off file.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* errorText) {
  auto fail = [&](const QString& why) {
    if (errorText) *errorText = why;
    return false;
  };
  if (!mayReplace(path, errorText)) return false;
  const QFileInfo target(path);
  QTemporaryFile tmp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
  if (!tmp.open()) return fail(tmp.errorString());
  const int fd = tmp.handle();
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC)));
    done += n;
  }
  if (::fsync(fd) != 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
  // Keep the permissions of the file being replaced (the temporary file is owner-only).
  if (target.exists()) tmp.setPermissions(QFile(path).permissions());
  else tmp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  tmp.close();
  if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
    return fail(QString::fromLocal8Bit(std::strerror(errno)));
  tmp.setAutoRemove(false);
  return true;
}

}  // namespace platform
