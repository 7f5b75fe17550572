#pragma once
// Qt's own texts in Japanese: the printer, page set-up and file dialogs and the standard
// buttons speak the language of every other word of the program, whatever the machine's
// locale.

#include <QTranslator>

namespace qv {

// Installs Qt's Japanese translations ("qtbase_ja.qm" of the Qt installation) into the
// application for as long as it lives. Without the file (package qt6-translations-l10n
// missing) Qt keeps its English texts.
class QtJapanese {
 public:
  QtJapanese();
  ~QtJapanese();
  QtJapanese(const QtJapanese&) = delete;
  QtJapanese& operator=(const QtJapanese&) = delete;

  bool loaded() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace qv
