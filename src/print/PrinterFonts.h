#pragma once
// The printer font list offered for page texts.

#include <QStringList>

namespace qv {

struct BunshouState;

// The names of the list that can be offered for page texts: no vertical-writing face
// ("@" first) and at least one full-width character (a Japanese name), in list order.
QStringList JapaneseFontNames(const QStringList& families);

// Rebuilds FontNames from the system's fonts (the printer's fonts under CUPS).
void GetPrinterFonts(BunshouState& bunshou);

}  // namespace qv
