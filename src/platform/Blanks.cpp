#include "platform/Blanks.h"

namespace platform {
namespace {

template <typename IsBlank>
QString trimBy(const QString& text, bool leading, IsBlank isBlank) {
  qsizetype from = 0;
  qsizetype to = text.size();
  while (leading && from < to && isBlank(text[from])) ++from;
  while (to > from && isBlank(text[to - 1])) --to;
  return text.mid(from, to - from);
}

bool halfBlank(QChar c) { return c == QChar(' '); }
bool anyBlank(QChar c) { return c == QChar(' ') || c == QChar(0x3000); }

}  // namespace

QString trimBlanks(const QString& text) { return trimBy(text, true, halfBlank); }
QStringView trimBlanks(QStringView text) {
  while (!text.isEmpty() && halfBlank(text.front())) text = text.sliced(1);
  while (!text.isEmpty() && halfBlank(text.back())) text.chop(1);
  return text;
}
QString trimTrailingBlanks(const QString& text) { return trimBy(text, false, halfBlank); }
QString trimAllBlanks(const QString& text) { return trimBy(text, true, anyBlank); }

}  // namespace platform
