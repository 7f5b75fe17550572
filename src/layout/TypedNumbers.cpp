#include "layout/TypedNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "data/Fields.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {
namespace {

std::optional<double> numberOf(const QString& text) {
  const auto v = platform::numericValue(platform::toHalfWidth(text));
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

}  // namespace

std::optional<float> TypedNumber(const QString& text, const QString& box, NumberRange range,
                                 const BoxMessage& message) {
  const auto v = numberOf(text);
  const bool aboveLow = v && (range.lowExcluded ? *v > range.low : *v >= range.low);
  if (aboveLow && *v <= range.high) return static_cast<float>(*v);
  const QString low = NumberText(static_cast<float>(range.low));
  const QString high = NumberText(static_cast<float>(range.high));
  const QString span = range.lowExcluded
                           ? QStringLiteral("%1 より大きく %2 以下").arg(low, high)
                           : QStringLiteral("%1 から %2 まで").arg(low, high);
  message.messages.warn(message.title,
                        QStringLiteral("%1には %2の数値を入力して下さい。").arg(box, span));
  return std::nullopt;
}

std::optional<int> TypedWholeNumber(const QString& text, const QString& box, int low, int high,
                                    const BoxMessage& message) {
  const auto v = numberOf(text);
  if (v && *v >= low - 0.5 && *v <= high + 0.5) {
    const int whole = platform::roundHalfEven(*v);
    if (whole >= low && whole <= high) return whole;
  }
  const bool anyWhole = low == std::numeric_limits<int>::min() && high == std::numeric_limits<int>::max();
  message.messages.warn(
      message.title,
      anyWhole ? QStringLiteral("%1には整数を入力して下さい。").arg(box)
               : QStringLiteral("%1には %2 から %3 までの整数を入力して下さい。").arg(box).arg(low).arg(high));
  return std::nullopt;
}

int SplitCount(const QString& text, double otherwise) {
  const double v = ValOrDefault(text, otherwise);
  if (!std::isfinite(v)) return v > 0 ? kMaxSplit : kMinSplit;
  return platform::roundHalfEven(std::clamp(v, double{kMinSplit}, double{kMaxSplit}));
}

QString NumberText(float value) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return QString::fromLatin1(buf, res.ptr - buf);
}

}  // namespace qv
