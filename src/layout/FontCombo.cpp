#include "layout/FontCombo.h"

#include <QComboBox>

#include "data/BunshouItems.h"
#include "data/Model.h"
#include "platform/FaceSubstitution.h"

namespace qv {

void SetFontCombo(QComboBox& combo, Model& model) {
  QStringList names = PrinterFontNames(model);
  if (names.isEmpty()) names = platform::substitutedJapaneseFaces();
  combo.clear();
  combo.addItems(names);
}

}  // namespace qv
