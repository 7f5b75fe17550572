#pragma once

#include <functional>
// The tie-sheet layout window "団体戦対戦結果詳細印刷レイアウト": the box on the paper the tie
// sheets fill, sheets across and down, the first page number, the arrangement, and per team
// event whether it prints, starts a new page and starts a new row. The team commands show
// it before they print and read what it stored.

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace qv {

struct Program;

class FrmTeamMeisaiLayout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 14;

  explicit FrmTeamMeisaiLayout(Program& program, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // the title
  QLineEdit* TxtL = nullptr;  // 左位置mm
  QLineEdit* TxtT = nullptr;  // 上位置mm
  QLineEdit* TxtR = nullptr;  // 右位置mm
  QLineEdit* TxtB = nullptr;  // 下位置mm
  QLineEdit* TxtH = nullptr;  // 横分割数
  QLineEdit* TxtV = nullptr;  // 縦分割数
  QLineEdit* TxtPage = nullptr;  // 先頭頁番号
  QCheckBox* ChkBlock = nullptr;  // ブロック別
  // Grid rows, named "Name_row"; row k shows team event VScShumoku value + k.
  std::array<QLineEdit*, kRows> TxtShumoku{};
  std::array<QCheckBox*, kRows> ChkPrint{};
  std::array<QCheckBox*, kRows> ChkPage{};
  std::array<QCheckBox*, kRows> ChkCR{};
  QScrollBar* VScShumoku = nullptr;
  QPushButton* CmdQuit = nullptr;    // 設定完了
  QPushButton* CmdCancel = nullptr;  // キャンセル

  void Form_Load();
  void ShowTeamShumokuGrid();
  void VScShumoku_Change();
  void ChkPrint_Click(int index);
  void ChkPage_Click(int index);
  void ChkCR_Click(int index);
  void ChkBlock_Click();
  void CmdQuit_Click();
  void CmdCancel_Click();

 private:
  void buildControls();
  QLayout* buildSettings();
  QLayout* buildEventGrid();
  void connectControls();
  // The event of a grid row at the present scroll position, -1 when the row shows none.
  int eventOfRow(int index) const;
  struct BoxValues;
  // The values of the seven boxes; nothing when one is refused, which then has the focus.
  std::optional<BoxValues> readBoxes();

  Program& program_;
  bool ready_ = false;
  // Ticks of every team event, also those scrolled out of view; stored by 設定完了.
  std::vector<bool> print_;
  std::vector<bool> newPage_;
  std::vector<bool> newRow_;
};

// Shows the window modally (through execDialog when given, so tests drive it); the team
// commands read its values afterwards, whichever button closed it.
void ShowTeamLayoutForm(Program& program, QWidget* parent = nullptr,
                        const std::function<int(QDialog&)>& execDialog = {});

}  // namespace qv
