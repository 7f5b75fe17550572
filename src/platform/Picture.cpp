#include "platform/Picture.h"

#include <charconv>
#include <cmath>

namespace platform {
namespace {

// The decimal value a person reads from the double: 15 significant digits.
double toDecimalPrecision(double x) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
  double y = x;
  std::from_chars(buf, res.ptr, y);
  return y;
}

}  // namespace

QString formatPicture(double value, QStringView picture) {
  if (!std::isfinite(value)) return {};
  const qsizetype dot = picture.indexOf(QChar('.'));
  const QStringView intPic = dot < 0 ? picture : picture.left(dot);
  const QStringView fracPic = dot < 0 ? QStringView() : picture.mid(dot + 1);

  int places = 0, fixedPlaces = 0;
  for (qsizetype i = 0; i < fracPic.size(); ++i) {
    if (fracPic[i] == QChar('0') || fracPic[i] == QChar('#')) ++places;
    if (fracPic[i] == QChar('0')) fixedPlaces = places;
  }
  int minIntDigits = 0;
  bool seenZero = false;
  for (const QChar c : intPic) {
    seenZero = seenZero || c == QChar('0');
    if (seenZero && (c == QChar('0') || c == QChar('#'))) ++minIntDigits;
  }

  const double scaled = std::round(toDecimalPrecision(std::fabs(value) * std::pow(10.0, places)));
  QString digits = QString::number(scaled, 'f', 0);
  if (digits.size() < places + 1) digits = QString(places + 1 - digits.size(), QChar('0')) + digits;

  QString intDigits = digits.left(digits.size() - places);
  while (!intDigits.isEmpty() && intDigits.front() == QChar('0')) intDigits.remove(0, 1);
  if (intDigits.size() < minIntDigits)
    intDigits = QString(minIntDigits - intDigits.size(), QChar('0')) + intDigits;

  QString result = (value < 0 && scaled != 0) ? QStringLiteral("-") : QString();
  result += intDigits;
  if (dot >= 0) {
    QString frac = digits.right(places);
    while (frac.size() > fixedPlaces && frac.back() == QChar('0')) frac.chop(1);
    result += QChar('.') + frac;
  }
  return result;
}

}  // namespace platform
