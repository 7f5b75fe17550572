#pragma once
// The faces of the windows: the Windows Japanese faces, shown in the IPA faces that
// stand in for them.

#include <QFont>

#include "platform/FaceSubstitution.h"

namespace qv {

inline QFont WindowFont() {
  return QFont(platform::windowFamilies(QStringLiteral("ＭＳ Ｐゴシック")), 10);
}

inline QFont WindowTitleFont() {
  QFont f = WindowFont();
  f.setPointSize(16);
  f.setBold(true);
  return f;
}

// Fixed pitch, so that the lines of a list stand in columns.
inline QFont ListFont() {
  return QFont(platform::windowFamilies(QStringLiteral("ＭＳ ゴシック")), 10);
}

}  // namespace qv
