#include "print/PrinterFonts.h"

#include <QFontDatabase>

#include "data/BunshouItems.h"
#include "platform/Cp932.h"

namespace qv {
namespace {

bool hasFullWidthCharacter(const QString& text) {
  for (const char32_t ch : text.toUcs4())
    if (platform::isFullWidth(ch)) return true;
  return false;
}

}  // namespace

QStringList JapaneseFontNames(const QStringList& families) {
  QStringList names;
  for (const QString& family : families)
    if (!family.startsWith(QChar('@')) && hasFullWidthCharacter(family)) names.append(family);
  return names;
}

void GetPrinterFonts(BunshouState& bunshou) {
  bunshou.FontNames = JapaneseFontNames(QFontDatabase::families());
}

}  // namespace qv
