#pragma once
// The main window "印刷制御": the program's start-up runs in its load; the user sets the
// print switches, picks the layout pages to print and starts the print commands here.

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/PrintRun.h"
#include "app/StartupEnv.h"
#include "platform/ProgramEnd.h"
#include "platform/widgets/FormLayout.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace platform {
class SingleInstanceLock;
}

namespace qv {

struct Program;
class CurrentPrinter;
class FrmWait;

class FrmInsatsuSeigyo : public QWidget {
  Q_OBJECT

 public:
  FrmInsatsuSeigyo(Program& program, StartupEnv env, QWidget* parent = nullptr);
  ~FrmInsatsuSeigyo() override;

  // Controls. Arrays of controls are named "Name_index" (OptPage_0, TxtPage_5, …).
  QLabel* Label1 = nullptr;  // the title
  QLabel* LblDate = nullptr;
  QPushButton* CmdInsatsu = nullptr;
  QPushButton* CmdAuto = nullptr;
  QPushButton* CmdTeam = nullptr;
  QPushButton* CmdTeamE = nullptr;
  QPushButton* CmdTeamX = nullptr;
  QPushButton* CmdLayout = nullptr;
  QPushButton* CmdDelete = nullptr;
  QPushButton* CmdReturn = nullptr;
  QPushButton* CmdLT = nullptr;  // disabled and hidden
  QCheckBox* ChkSeed = nullptr;
  QCheckBox* ChkKNKNJ = nullptr;
  QCheckBox* ChkMark = nullptr;
  QCheckBox* ChkNumber = nullptr;
  QCheckBox* ChkBilingal = nullptr;  // shown only under the option word "YOJ"
  QCheckBox* ChkMEntry = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 3> OptNumber{};
  QGroupBox* Frame2 = nullptr;
  std::array<QRadioButton*, 2> OptFont{};
  QGroupBox* Frame3 = nullptr;
  std::array<QRadioButton*, 3> OptPage{};
  QLineEdit* TxtPS = nullptr;
  QLineEdit* TxtPE = nullptr;
  std::array<QPlainTextEdit*, 6> TxtPage{};  // 0-2 the left column, 3-5 the right one
  std::array<QLabel*, 7> LblPage{};          // 0-5 above the boxes, 6 the page total
  QScrollBar* HScPage = nullptr;
  QGroupBox* FraWait = nullptr;
  QLabel* LblStatus = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* PicImage = nullptr;
  QFrame* PicSmall = nullptr;

  // Window-level values.
  bool PageListReady = false;
  QColor SelectedPageColor;
  QColor NormalPageColor;
  bool HasTeamEvents = false;
  // Proportional rescaling of the windows; nothing switches it on.
  bool LayoutResizeEnabled = false;

  // The start of the program: start-up, then the controls from the loaded tournament.
  void Form_Load();
  void InitProgram();
  void CheckTemplateFile(const QString& fileName);
  void OpenTaikaiFile(const QString& path);
  void SelectTaikai();
  void CmdReturn_Click();

  void ShowPageList();
  void SetMEntryOption();
  void ChkBilingal_Click();
  void ChkKNKNJ_Click();
  void ChkMark_Click();
  void ChkNumber_Click();
  void ChkSeed_Click();
  void ChkMEntry_Click();
  void OptFont_Click(int index);
  void OptNumber_Click(int index);
  void OptPage_Click(int index);
  void TxtPage_Click(int index);
  void HScPage_Change();
  void CmdDelete_Click();
  void CmdLayout_Click();
  void CmdInsatsu_Click();
  void CmdAuto_Click();
  // Team-match commands.
  void CmdTeam_Click();
  void CmdTeamE_Click();
  void CmdTeamX_Click();

  // True once 戻る ended the program.
  bool Ended() const { return ended_; }

  // The printer the print commands draw on (CurrentPrinter.h: how a command opens a job).
  CurrentPrinter& printer() { return *printer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetTaikaiTextVars();
  void buildControls();
  QLayout* buildHeader();
  QLayout* buildCommands();
  QLayout* buildOptions();
  void buildNumberFrame();
  void buildFontFrame();
  void buildPageRangeFrame();
  QLayout* buildPageColumn();
  void buildWaitNotice();
  void connectControls();
  void setPageColour(int box, bool selected);
  // The command buttons during a print command: off, then on again (the team commands
  // only when the tournament has team events).
  void setPrintCommandsEnabled(bool enabled);
  // Runs a print over a job on the printer with the status frame showing the sheet being
  // printed; a job that cannot be opened is reported by its printer or file.
  void runPrintJob(const std::function<void(const SheetProgress&)>& print);
  // The tie sheets of the marked events, or of each team by name.
  void runTeamSheets(bool byTeam);

  Program& program_;
  StartupEnv env_;
  std::unique_ptr<platform::SingleInstanceLock> instanceLock_;
  std::unique_ptr<CurrentPrinter> printer_;
  FrmWait* wait_ = nullptr;
  std::vector<platform::ControlLayout> layout_;
  bool ended_ = false;
};

}  // namespace qv
