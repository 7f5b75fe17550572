#pragma once
// Trimming as the suite's files need it: the formats pad with half-width blanks only, so
// tabs and other white space stay part of a value.

#include <QString>

namespace platform {

// Leading and trailing half-width blanks removed.
QString trimBlanks(const QString& text);
// Trailing half-width blanks removed.
QString trimTrailingBlanks(const QString& text);
// The same over a view, without a copy.
QStringView trimBlanks(QStringView text);
// Leading and trailing half-width and full-width (U+3000) blanks removed.
QString trimAllBlanks(const QString& text);

}  // namespace platform
