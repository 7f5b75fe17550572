#pragma once
// The phrase window "印刷文章の編集": pick a phrase of the phrase list by name, add one by
// typing a new name, edit its text and choose a font. 戻る leaves the choice in
// SelBunshouName, SelBunshouText and SelBunshouFont for the text-block placement.

#include <QDialog>
#include <QString>

#include "layout/FocusWatch.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qv {

struct Model;

class FrmBunshou : public QDialog {
  Q_OBJECT

 public:
  explicit FrmBunshou(Model& model, QWidget* parent = nullptr);

  QPushButton* CmdReturn = nullptr;  // 戻る; first in the tab order
  QLabel* Label1 = nullptr;          // the heading
  QLabel* Label2 = nullptr;          // 文章名
  QComboBox* CmbBunshou = nullptr;   // phrase names in chain order; a name can be typed
  QListWidget* LstBunshou = nullptr;  // hidden: the phrase index of each CmbBunshou entry
  QLabel* Label3 = nullptr;          // 文章
  QPlainTextEdit* TxtBunshou = nullptr;
  QLabel* Label5 = nullptr;          // フォント名
  QComboBox* CmbFont = nullptr;

  void Form_Load();
  void ShowBunshouList();
  void CmbBunshou_Click();
  void CmbBunshou_GotFocus();
  void CmbBunshou_LostFocus();
  void TxtBunshou_GotFocus();
  void TxtBunshou_LostFocus();
  void CmdReturn_Click();

  // True when 戻る closed the window; any other close is no choice.
  bool Returned() const { return returned_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The phrase listed under the name, the current one first; -1 when none is.
  int listedPhrase(const QString& name) const;
  // Shows the current phrase's entry and text again.
  void showCurrent();

  Model& model_;
  FocusWatch focus_{*this};
  QString cmbTag_;
  QString txtTag_;
  bool returned_ = false;
};

// Shows the window modally; true when 戻る closed it (the choice is then in the three
// Sel variables of the phrase list).
bool ShowBunshouForm(Model& model, QWidget* parent = nullptr);

}  // namespace qv
