#pragma once
// Numbers typed into the layout windows' boxes. A box that does not hold a number inside
// its range is refused with a message that names the box and the range, so that no
// garbage reaches the layout or the print.

#include <QString>

#include <optional>

namespace platform {
class MessageSink;
}

namespace qv {

// The largest first page number a box takes.
inline constexpr int kPageNumberLimit = 99999;

// Where a typed value may lie: low <= value <= high, or low < value when lowExcluded.
struct NumberRange {
  double low = 0;
  double high = 0;
  bool lowExcluded = false;
};

// Where the message of a refused box goes.
struct BoxMessage {
  platform::MessageSink& messages;
  QString title;  // the window's caption
};

// The number the box's text spells (full-width digits too, surrounding blanks ignored),
// when it lies in the range; otherwise nothing, after the message.
std::optional<float> TypedNumber(const QString& text, const QString& box, NumberRange range,
                                 const BoxMessage& message);

// The same for a whole number: a fraction rounds to the nearest, halves to even.
std::optional<int> TypedWholeNumber(const QString& text, const QString& box, int low, int high,
                                    const BoxMessage& message);

// The shortest decimal text that reads back as the same value: 20, 3.5, 0.1.
QString NumberText(float value);

}  // namespace qv
