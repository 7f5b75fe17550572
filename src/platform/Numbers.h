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

// Shortest decimal text of a number: "3", "-1", "1.5".
QString shortestNumberText(double value);

}  // namespace platform
