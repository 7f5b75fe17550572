#pragma once
// The number semantics the suite's text formats assume.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace platform {

// Leading-number parse: blanks and tabs are skipped (also between digits), then an
// optional sign, digits with at most one decimal point and an optional exponent (E or D);
// reading stops at the first other character. No number at all gives 0.
double Val(QStringView text);

// The number a text spells when, surrounding blanks ignored, it reads whole as a decimal
// number (optional sign, digits with at most one point, optional exponent); empty otherwise.
std::optional<double> numericValue(QStringView text);
inline bool isNumericText(QStringView text) { return numericValue(text).has_value(); }

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// clamped to the 32-bit range.
int32_t roundHalfEven(double value);

// Lenient whole number: the leading number (Val) rounded half to even; 0 when the text
// begins with no number ("12組" -> 12, "x" -> 0).
inline int32_t lenientWholeNumber(QStringView text) { return roundHalfEven(Val(text)); }

// Strict whole number: the whole text must be a number (numericValue), which is then
// rounded half to even; nothing otherwise ("12組" -> nothing, "2.5" -> 2).
inline std::optional<int32_t> strictWholeNumber(QStringView text) {
  const auto v = numericValue(text);
  if (!v) return std::nullopt;
  return roundHalfEven(*v);
}

// Shortest decimal text of a number: "3", "-1", "1.5". A single-precision value is written
// in its own shortest form (30.2f gives "30.2", not its double expansion).
QString shortestNumberText(double value);
QString shortestNumberText(float value);

}  // namespace platform
