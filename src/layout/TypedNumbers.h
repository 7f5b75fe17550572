#pragma once
// Numbers typed into the layout windows' boxes. A box that does not hold a number inside
// its range is refused with a message that names the box and the range, so that no
// garbage reaches the layout or the print.

#include <QString>

#include <limits>
#include <optional>

namespace platform {
class MessageSink;
}

namespace qv {

// Where a typed value may lie: low <= value <= high, or low < value when lowExcluded.
struct NumberRange {
  double low = 0;
  double high = 0;
  bool lowExcluded = false;
};

// The bounds of the values typed in the layout windows, one for each kind of value and
// the same in every box that takes it. They refuse only what would make the editor or a
// print run loop or allocate without end; everything the printing can use passes.
//
// The first page number of a print run: any whole number. The sheets whose number comes
// out below 1 print none, so a negative first number leaves the first sheets unnumbered.
inline constexpr int kFirstPageNoLow = std::numeric_limits<int>::min();
inline constexpr int kFirstPageNoHigh = std::numeric_limits<int>::max();
// A position or character size of a page text, in mm. A negative left edge right-aligns
// the text, a negative size (the pitch) centres it, 0 prints nothing visible; a metre
// either way lies beyond every paper and keeps the device coordinates far inside Qt's
// fixed-point range, and the printing makes no character larger.
inline constexpr NumberRange kPageTextMm{-1000, 1000};
// Columns or rows of a region, as region creation and placement take them: a count below
// 1 prints as one cell, and a few thousand cells would take a print run or the picture of
// the page a long time for nothing readable.
inline constexpr int kMinSplit = 1;
inline constexpr int kMaxSplit = 50;

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

// The split count a box asks for: its number, or otherwise when it holds none, rounded
// (halves to even) and brought within kMinSplit … kMaxSplit.
int SplitCount(const QString& text, double otherwise);

// The shortest decimal text that reads back as the same value: 20, 3.5, 0.1.
QString NumberText(float value);

}  // namespace qv
