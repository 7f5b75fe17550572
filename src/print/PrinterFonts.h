#pragma once
// The printer font list offered for page texts.

#include <QStringList>

#include <functional>

namespace qv {

struct BunshouState;

// The faces a user can choose for page texts: first the Windows faces the data name that
// print in substitutes here, then each family with a Japanese name or one that writes
// Japanese (installed families are named in Latin letters), in list order, each once and
// without vertical-writing faces ("@" first).
QStringList JapaneseFontNames(const QStringList& substituted, const QStringList& families,
                              const std::function<bool(const QString&)>& writesJapanese);

// Rebuilds FontNames from the system's fonts (the printer's fonts under CUPS).
void GetPrinterFonts(BunshouState& bunshou);

}  // namespace qv
