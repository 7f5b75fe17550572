#pragma once
// The data-change warning as the loader sees it: a window in the program, a recorder in
// tests. Kept free of widgets so that the data side does not depend on them.

#include <QString>

namespace qv {

class UserErrorPrompt {
 public:
  virtual ~UserErrorPrompt() = default;
  // Shows the warning and waits for the user's click. Returns when loading may go on;
  // throws platform::ProgramEnd when userErrorContinue is false.
  virtual void ShowUserError(bool userErrorContinue) = 0;
};

// The warning's caption.
QString UserErrorCaption();

// Text of Label1(index), index 0 to 5; labels 4 and 5 depend on whether the user may go on.
// The empty text outside 0 to 5.
QString UserErrorLabelText(int index, bool userErrorContinue);

}  // namespace qv
