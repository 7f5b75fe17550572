#pragma once
// The please-wait window shown while the program starts.

#include <QWidget>

class QFrame;
class QLabel;

namespace qv {

class FrmWait : public QWidget {
  Q_OBJECT

 public:
  explicit FrmWait(QWidget* parent = nullptr);

  QFrame* ShpCommand = nullptr;
  QLabel* LblMember = nullptr;
};

}  // namespace qv
