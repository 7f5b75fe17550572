#pragma once
// The font boxes of the page-text windows.

class QComboBox;

namespace qv {

struct Model;

// Clears the box and lists the Japanese faces a user can choose for printed texts: the
// printer's list, or, when the system reports none, the Windows faces that print in
// their substitutes here, so that the box is never empty.
void SetFontCombo(QComboBox& combo, Model& model);

}  // namespace qv
