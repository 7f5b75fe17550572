#pragma once
// Cutting record lines into fields and joining values back into comma lines.

#include <QString>
#include <QStringList>

#include <array>
#include <type_traits>

#include "platform/Blanks.h"
#include "platform/CommaParts.h"
#include "platform/Numbers.h"

namespace qv {

struct TaikaiRec;

namespace detail {

inline void assignField(QString& target, const QString& part) { target = part; }
inline void assignField(QString& target, QStringView part) { target = part.toString(); }
template <typename T>
  requires std::is_arithmetic_v<T>
void assignField(T& target, QStringView part) {
  const auto v = platform::numericValue(part);
  if constexpr (std::is_integral_v<T>) {
    target = v ? static_cast<T>(platform::roundHalfEven(*v)) : T{0};
  } else {
    target = v ? static_cast<T>(*v) : T{0};
  }
}

inline QString joinValue(const QString& v) { return platform::trimBlanks(v); }
inline QString joinValue(const char* v) { return platform::trimBlanks(QString::fromUtf8(v)); }
inline QString joinValue(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
template <typename T>
  requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
QString joinValue(T v) {
  if constexpr (std::is_same_v<T, float>)
    return platform::shortestNumberText(v);
  else
    return platform::shortestNumberText(static_cast<double>(v));
}

}  // namespace detail

// Fields 1, 2, 3 … of the comma line land in the targets in order; a text target takes
// the part unchanged, a number target its value when numeric (whole numbers round half to
// even) and 0 otherwise. Missing parts read as the empty text or 0.
template <typename... Targets>
void SplitToFields(const QString& line, Targets&... targets) {
  platform::CommaParts parts(line);
  (detail::assignField(targets, parts.next().value_or(QStringView())), ...);
}

// One comma line of the values: texts trimmed, Booleans as True/False, numbers shortest.
template <typename... Values>
QString JoinFields(const Values&... values) {
  QString out;
  ((out += QChar(','), out += detail::joinValue(values)), ...);
  return out.mid(1);
}

// The seven colon pieces of a match text; later pieces empty.
std::array<QString, 7> SplitColonFields(const QString& text);

QString ColonToComma(const QString& text);

// The number of the text when numeric, otherwise the default.
double ValOrDefault(const QString& text, double defaultValue);
// The whole number of the text (halves to even) when numeric, otherwise the default.
int LngOrDefault(const QString& text, int defaultValue);

// One leading blank on a four-character name, so it centres in a name box.
QString PadFourCharName(const QString& text);

// Index of the first event with exactly this name, or -1.
int FindShumoku(const TaikaiRec& taikai, const QString& name);

// Progress texts of the original trace hook: kept nowhere.
inline void DebugTrace(const QString&) {}

}  // namespace qv
