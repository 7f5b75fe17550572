#pragma once
// The data-change warning: a window of labels only, closed by a click anywhere on it.

#include <QDialog>

#include <array>

#include "data/UserErrorPrompt.h"

class QLabel;

namespace qv {

class FrmUserError : public QDialog {
  Q_OBJECT

 public:
  // userErrorContinue: whether a click lets the load go on (otherwise the click ends the
  // program, through the caller).
  explicit FrmUserError(bool userErrorContinue, QWidget* parent = nullptr);

  // Label1(0) to Label1(5); objectNames "Label1_0" to "Label1_5".
  std::array<QLabel*, 6> Label1{};

  // True once a click asked for the program to end.
  bool EndsProgram() const { return endsProgram_; }

  void Form_Click();
  void Label1_Click(int index);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();

  bool userErrorContinue_;
  bool endsProgram_ = false;
};

// Shows FrmUserError modally; throws platform::ProgramEnd when the click ends the program.
class FrmUserErrorPrompt : public UserErrorPrompt {
 public:
  explicit FrmUserErrorPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void ShowUserError(bool userErrorContinue) override;

 private:
  QWidget* parent_;
};

}  // namespace qv
