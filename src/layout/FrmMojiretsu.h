#pragma once
// The fixed page texts window "各頁に印刷する固定文字": the fourteen page phrase fields as
// rows, each switched on for every page or for the page being edited, with its position,
// size and text; the first page number and the page-phrase font. Every edit is written
// into the model at once.

#include <QDialog>
#include <QString>

#include "layout/FocusWatch.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

struct Model;
struct PageRec;

class FrmMojiretsu : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 14;
  static constexpr int kPageNumberRow = 13;

  explicit FrmMojiretsu(Model& model, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // the heading
  QLabel* Label2 = nullptr;  // the column headings, in one label
  // Rows, named "Name_row"; row i is field i.
  std::array<QCheckBox*, kRows> ChkZenPage{};  // 全頁
  std::array<QCheckBox*, kRows> ChkPage{};     // 現頁
  std::array<QLineEdit*, kRows> TxtLeft{};
  std::array<QLineEdit*, kRows> TxtTop{};
  std::array<QLineEdit*, kRows> TxtSize{};
  std::array<QLineEdit*, kRows> TxtPage{};  // the text; hidden in the page-number row
  QLabel* LblPageNo = nullptr;              // "頁番号", in the page-number row
  QLabel* Label3 = nullptr;                 // 先頭の頁番号
  QLineEdit* TxtKaishi = nullptr;
  QLabel* Label4 = nullptr;                 // フォント名
  QComboBox* CmbFont = nullptr;
  QPushButton* CmdReturn = nullptr;

  void Form_Load();
  void ShowMojiretsuList();
  void ChkZenPage_Click(int index);
  void ChkPage_Click(int index);
  void CmbFont_Click();
  void TxtLeft_GotFocus(int index);
  void TxtLeft_LostFocus(int index);
  void TxtTop_GotFocus(int index);
  void TxtTop_LostFocus(int index);
  void TxtSize_GotFocus(int index);
  void TxtSize_LostFocus(int index);
  void TxtPage_GotFocus(int index);
  void TxtPage_LostFocus(int index);
  void TxtKaishi_GotFocus();
  void TxtKaishi_LostFocus();
  void CmdReturn_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  PageRec* currentPage();
  // A number of a position or size box; a refused text is put back to the tag.
  std::optional<float> typedNumber(QLineEdit* box, const QString& tag, const QString& caption,
                                   struct NumberRange range);

  Model& model_;
  FocusWatch focus_{*this};
  bool FormReady = false;
  std::array<QString, kRows> leftTag_;
  std::array<QString, kRows> topTag_;
  std::array<QString, kRows> sizeTag_;
  std::array<QString, kRows> pageTag_;
  QString kaishiTag_;
};

// Shows the window modally; it returns once 戻る (or the close box) has closed it.
void ShowMojiretsuForm(Model& model, QWidget* parent = nullptr);

}  // namespace qv
