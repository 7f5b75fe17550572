#pragma once
// Cutting a record line at its commas, as every comma-separated format here does.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace platform {

// Cuts at every "," with no quoting, escaping or trimming. An empty line has no parts.
inline QStringList splitCommaParts(const QString& line) {
  if (line.isEmpty()) return {};
  return line.split(QChar(','), Qt::KeepEmptyParts);
}

// The same parts one after another, as views into the line (valid while it is): no text
// is copied, so a reader that converts each field in place allocates nothing for the cut.
class CommaParts {
 public:
  explicit CommaParts(QStringView line) : rest_(line), more_(!line.isEmpty()) {}
  // The next part; none after the last.
  std::optional<QStringView> next() {
    if (!more_) return std::nullopt;
    const qsizetype comma = rest_.indexOf(u',');
    if (comma < 0) {
      more_ = false;
      return rest_;
    }
    const QStringView part = rest_.first(comma);
    rest_ = rest_.sliced(comma + 1);
    return part;
  }

 private:
  QStringView rest_;
  bool more_;
};

}  // namespace platform
