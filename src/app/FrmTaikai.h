#pragma once
// The tournament selection window: browse drives and folders, pick a tournament of the
// shown folder, and open it with 決定. キャンセル leaves everything as it was.

#include <QDialog>
#include <QStringList>

#include <optional>
#include <vector>

#include "platform/ProgramEnd.h"
#include "program/OpenTaikai.h"
#include "platform/widgets/FormLayout.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace platform {
class DirListBox;
class DriveListBox;
}  // namespace platform

namespace qv {

struct Program;

class FrmTaikai : public QDialog {
  Q_OBJECT

 public:
  FrmTaikai(Program& program, bool layoutResizeEnabled, QWidget* parent = nullptr);

  QLabel* LblTitle = nullptr;
  QLabel* LblKaisaiBi = nullptr;     // column heading "開催日"
  QLabel* LblTaikaiName = nullptr;   // column heading "大会名称"
  platform::DriveListBox* DrvData = nullptr;
  platform::DirListBox* DirData = nullptr;
  QListWidget* LstTaikai = nullptr;  // date, two blanks, name
  QStringList LstFile;               // the data file of each LstTaikai line
  QLabel* LblMember = nullptr;
  QPushButton* CmdReturn = nullptr;   // 決定
  QPushButton* CmdCancel = nullptr;   // キャンセル
  QPushButton* CmdShinki = nullptr;   // 新規大会: shown, never enabled
  QPushButton* CmdHenshuu = nullptr;  // 諸元編集: enabled, does nothing

  void Form_Load();
  void DrvData_Change();
  void DirData_Change();
  void LstTaikai_Click();
  void LstTaikai_DblClick();
  void CmdReturn_Click();
  void CmdCancel_Click();
  void ListTaikai();
  void OpenSelectedTaikai();

  // True once a tournament was chosen; OpenResult says how far it opened.
  bool Opened() const { return opened_; }
  OpenTaikaiResult OpenResult() const { return openResult_; }
  // The end of the program that opening the tournament asked for while the window ran:
  // it cannot pass through the window's event loop, so the opener throws it again here.
  void ThrowIfEnded() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void reject() override;

 private:
  void setFolderPath();  // DataFolder := the shown folder
  void unload();

  Program& program_;
  bool layoutResizeEnabled_;
  std::vector<platform::ControlLayout> layout_;
  QString dataFolderAtLoad_;
  bool opened_ = false;
  OpenTaikaiResult openResult_ = OpenTaikaiResult::NotOpened;
  bool unloading_ = false;
  std::optional<platform::ProgramEnd> ended_;
};

}  // namespace qv
