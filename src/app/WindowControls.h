#pragma once
// Naming the controls of the windows: each control carries its designed name as its
// objectName, and an array of controls is named "Name_index" (OptPage_0, TxtPage_5, …).

#include <QDialog>
#include <QString>

#include "app/WindowFonts.h"

namespace qv {

template <class W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

inline QString indexed(const char* name, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index);
}

// A modal window with its name, caption and the windows' face.
inline void SetUpDialog(QDialog& dialog, const QString& name, const QString& caption) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(caption);
  dialog.setModal(true);
  dialog.setFont(WindowFont());
}

}  // namespace qv
