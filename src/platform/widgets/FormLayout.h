#pragma once
// Proportional rescaling of a window: the geometry and font size of every control are
// recorded once, and each resize recomputes them from the record with one factor, so
// that the layout keeps its proportions and repeated resizing does not drift. The
// windows call it only behind a switch that nothing turns on.

#include <QPointer>
#include <QWidget>

#include <vector>

namespace platform {

// The value of a coordinate that is not recorded, and so never set.
inline constexpr int kNotRecorded = -99999;

struct ControlLayout {
  QPointer<QWidget> Ctl;  // record 0: the window itself
  int Left = kNotRecorded;
  int Top = kNotRecorded;
  int Width = kNotRecorded;   // record 0: the window's inner width
  int Height = kNotRecorded;  // record 0: the window's inner height
  float FontSize = -1;        // points; 0 or less: no font to scale
};

// Records the window and each of its named controls, in the order Qt lists them. A combo
// box keeps the height its font gives it; scroll bars and plain frames (shapes, picture
// boxes) have no font to scale.
void SaveFormLayout(QWidget& window, std::vector<ControlLayout>& records);

// Scales the controls by the smaller of the window's width and height ratios to the
// recorded ones; nothing happens while the window has no width (minimised).
void ResizeFormLayout(QWidget& window, std::vector<ControlLayout>& records);

// Sets every recorded control from its record with the factors; a control that no
// longer exists is passed over.
void ApplyFormLayout(QWidget& window, double factorX, double factorY, double factorFont,
                     const std::vector<ControlLayout>& records);

void ClearFormLayout(QWidget& window, std::vector<ControlLayout>& records);

// The whole part of the scaled size: a size that scales below one point gives 0.
int ScaledFontSize(float fontSize, double factor);

}  // namespace platform
