#include "print/PrinterFonts.h"

#include <QFontDatabase>
#include <QSet>

#include "data/BunshouItems.h"
#include "platform/Cp932.h"
#include "platform/FaceSubstitution.h"

namespace qv {
namespace {

bool hasFullWidthCharacter(const QString& text) {
  for (const char32_t ch : text.toUcs4())
    if (platform::isFullWidth(ch)) return true;
  return false;
}

}  // namespace

QStringList JapaneseFontNames(const QStringList& substituted, const QStringList& families,
                              const std::function<bool(const QString&)>& writesJapanese) {
  QStringList names;
  QSet<QString> seen;
  auto add = [&](const QString& name) {
    if (name.isEmpty() || name.startsWith(QChar('@')) || seen.contains(name)) return;
    seen.insert(name);
    names.append(name);
  };
  for (const QString& name : substituted) add(name);
  for (const QString& family : families)
    if (hasFullWidthCharacter(family) || writesJapanese(family)) add(family);
  return names;
}

void GetPrinterFonts(BunshouState& bunshou) {
  bunshou.FontNames = JapaneseFontNames(
      platform::substitutedJapaneseFaces(), QFontDatabase::families(), [](const QString& family) {
        return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
      });
}

}  // namespace qv
