#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

bool isBlank(QChar c) { return c == QChar(' ') || c == QChar('\t') || c == QChar(0x3000); }
bool isDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }

// Scans an optional sign, digits with one point and an optional exponent from pos,
// skipping inner blanks when skipBlanks is set. Returns the ASCII form and moves pos.
std::string scanNumber(QStringView t, qsizetype& pos, bool skipBlanks) {
  std::string s;
  auto skip = [&] { while (skipBlanks && pos < t.size() && isBlank(t[pos])) ++pos; };
  skip();
  if (pos < t.size() && (t[pos] == QChar('+') || t[pos] == QChar('-'))) {
    if (t[pos] == QChar('-')) s += '-';
    ++pos;
  }
  bool digits = false, point = false;
  for (skip(); pos < t.size(); skip()) {
    const QChar c = t[pos];
    if (isDigit(c)) { s += char(c.unicode()); digits = true; ++pos; }
    else if (c == QChar('.') && !point) { s += '.'; point = true; ++pos; }
    else break;
  }
  if (!digits) return {};
  if (pos < t.size() && (t[pos] == QChar('E') || t[pos] == QChar('e') || t[pos] == QChar('D') ||
                         t[pos] == QChar('d'))) {
    qsizetype p = pos + 1;
    std::string e = "e";
    if (p < t.size() && (t[p] == QChar('+') || t[p] == QChar('-'))) {
      e += char(t[p].unicode());
      ++p;
    }
    bool expDigits = false;
    while (p < t.size() && isDigit(t[p])) { e += char(t[p].unicode()); ++p; expDigits = true; }
    if (expDigits) { s += e; pos = p; }
  }
  return s;
}

double toDouble(const std::string& s) {
  if (s.empty()) return 0;
  double v = 0;
  const char* b = s.data();
  std::from_chars(b, b + s.size(), v);
  return v;
}

}  // namespace

double Val(QStringView text) {
  qsizetype pos = 0;
  return toDouble(scanNumber(text, pos, true));
}

std::optional<double> numericValue(QStringView text) {
  qsizetype pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  const std::string s = scanNumber(text, pos, false);
  if (s.empty()) return std::nullopt;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  if (pos != text.size()) return std::nullopt;
  return toDouble(s);
}

int32_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double r = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
  if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

namespace {

template <typename Real>
QString shortestText(Real value) {
  if (value == std::floor(value) && std::fabs(value) < Real(1e15))
    return QString::number(static_cast<long long>(value));
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return QString::fromLatin1(buf, res.ptr - buf);
}

}  // namespace

QString shortestNumberText(double value) { return shortestText(value); }
QString shortestNumberText(float value) { return shortestText(value); }

}  // namespace platform
