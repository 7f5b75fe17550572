#pragma once
// Line-oriented CP932 text files, the way every reader and writer of the suite sees them.

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

class MessageSink;

// Reads a whole CP932 file and hands it out line by line. Lines end at LF; a CR before
// the LF is dropped (files from the suite have CR LF). Undecodable bytes become U+FFFD.
class TextFileReader {
 public:
  // Empty when the file is missing or cannot be read.
  static std::optional<TextFileReader> open(const QString& path);
  explicit TextFileReader(QStringList lines) : lines_(std::move(lines)) {}

  bool atEnd() const { return next_ >= lines_.size(); }
  // The next line; the empty text at the end of the file.
  QString readLine();
  // The number of lines handed out so far (1-based number of the last line read).
  qsizetype lineNumber() const { return next_; }
  const QStringList& lines() const { return lines_; }

 private:
  QStringList lines_;
  qsizetype next_ = 0;
};

// Splits decoded file content into lines (LF, CR LF; a last line without LF counts).
QStringList splitLines(const QString& content);

// Reads all lines of a CP932 file; empty optional when it cannot be read.
std::optional<QStringList> readTextLines(const QString& path);

// The 1-based number of the first line that held bytes CP932 cannot decode (they read as
// U+FFFD); 0 when every byte was CP932.
qsizetype firstUndecodableLine(const QStringList& lines);
// Warns, naming the file and that first line, when the lines hold such bytes (a file
// saved in another encoding); the caller reads on as it would anyway.
void warnUndecodable(MessageSink& messages, const QString& path, const QStringList& lines);

// Writes lines in CP932 with CR LF after each, through a temporary file beside the target
// that replaces it only when everything was written. Returns false (target untouched)
// on any failure; errorText then says why.
bool writeTextLines(const QString& path, const QStringList& lines, QString* errorText = nullptr);

// False (errorText says why) when the file or its folder is marked read-only: such a file
// is never replaced.
bool mayReplace(const QString& path, QString* errorText = nullptr);

// Replaces the file with the bytes the same way: temporary file, full-length writes, sync,
// rename. False (target untouched) on any failure.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* errorText = nullptr);

}  // namespace platform
