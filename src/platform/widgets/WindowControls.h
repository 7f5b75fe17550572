#pragma once
// Small helpers for windows built in code: controls carry their names (arrays as
// "Name_index"), command buttons never take Enter as their own, and a control can keep its
// place in a layout while hidden.

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "platform/widgets/WindowFonts.h"

namespace qv {

template <class W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

inline QString indexed(const char* name, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index);
}

inline QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                                  int minimumHeight = 34) {
  auto* b = named(new QPushButton(caption, parent), QString::fromLatin1(name));
  b->setAutoDefault(false);
  b->setMinimumHeight(minimumHeight);
  return b;
}

inline void keepPlaceWhenHidden(QWidget* w) {
  QSizePolicy p = w->sizePolicy();
  p.setRetainSizeWhenHidden(true);
  w->setSizePolicy(p);
}

// A modal window with its name, caption and the windows' face.
inline void SetUpDialog(QDialog& dialog, const QString& name, const QString& caption) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(caption);
  dialog.setModal(true);
  dialog.setFont(WindowFont());
}

}  // namespace qv
