#include "app/QtJapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace qv {

QtJapanese::QtJapanese() {
  // Named by language, not by the machine's locale: the program is Japanese everywhere.
  const bool found = translator_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                                      QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  installed_ = found && QCoreApplication::installTranslator(&translator_);
}

QtJapanese::~QtJapanese() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace qv
