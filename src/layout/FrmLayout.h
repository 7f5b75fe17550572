#pragma once
// The layout editor "印刷レイアウト": the paper, the pages of the print layout, the regions
// drawn on each page with the mouse and what is placed in them. It edits the layout model
// and the page marks of the events in place; nothing is written to a file.
//
// The window is built in parts, one file each, in the order of the declarations below:
//   FrmLayout.cpp            the controls, how they are laid out and wired, load and closing
//   FrmLayoutPageDrawing.cpp the page preview and its regions, the region's settings, paging
//   FrmLayoutPaper.cpp       the paper size and orientation
//   FrmLayoutGrid.cpp        the event grid and its marks
//   FrmLayoutMouse.cpp       drawing and changing regions with the mouse
//   FrmLayoutRegions.cpp     adding, selecting and deleting regions
//   FrmLayoutCommands.cpp    the placement and page commands of the buttons
// The commands close the window with Unload().

#include <QColor>
#include <QDialog>
#include <QString>

#include <array>
#include <vector>

#include "layout/RegionGeometry.h"
#include "platform/widgets/FormLayout.h"

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qv {

struct Program;
struct PageRec;
struct RyouikiRec;
class PagePicture;

class FrmLayout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kGridRows = 12;

  explicit FrmLayout(Program& program, bool layoutResizeEnabled = false,
                     QWidget* parent = nullptr);
  ~FrmLayout() override;

  // Controls.
  QLabel* LblTitle = nullptr;
  QWidget* PicArea = nullptr;  // the box the preview is fitted into
  PagePicture* PicPage = nullptr;
  std::vector<QLabel*> LblHaichi;  // element 0 designed, hidden at load
  QLabel* LblPage = nullptr;
  QScrollBar* HScPage = nullptr;
  QLabel* LblRyouiki = nullptr;
  std::array<QRadioButton*, 4> OptSize{};      // A3, B4, A4, B5
  std::array<QRadioButton*, 2> OptHoukou{};    // 縦, 横
  QGroupBox* FraTournament = nullptr;
  std::array<QRadioButton*, 6> OptTournament{};
  QLineEdit* TxtBunkatsuH = nullptr;
  QLineEdit* TxtBunkatsuV = nullptr;
  QLineEdit* TxtYohakuL = nullptr;
  QLineEdit* TxtYohakuR = nullptr;
  QLineEdit* TxtYohakuT = nullptr;
  QLineEdit* TxtYohakuB = nullptr;
  std::array<QLineEdit*, kGridRows> TxtShumoku{};
  std::array<QLineEdit*, kGridRows> TxtLeague{};
  std::array<QLineEdit*, kGridRows> TxtTournament{};
  std::array<QLineEdit*, kGridRows> TxtTop{};
  QScrollBar* VScShumoku = nullptr;
  QLabel* LblTop = nullptr;
  QPushButton* CmdRyouiki = nullptr;    // 領域作成
  QPushButton* CmdSakujo = nullptr;     // 現領域削除
  QPushButton* CmdHaichi = nullptr;     // 配 置 →
  QPushButton* CmdTorikeshi = nullptr;  // ← 取 消
  QPushButton* CmdMojiretsu = nullptr;  // 文字列 →
  QPushButton* CmdSankasha = nullptr;   // 参加名簿→
  QPushButton* CmdPageMoji = nullptr;   // 頁共通固定文字編集
  QPushButton* CmdClear = nullptr;      // 頁クリアー
  QPushButton* CmdReturn = nullptr;     // 戻　る

  // Window state.
  QRectF PreviewArea;  // the box of PicArea the preview is fitted into, in its pixels
  QColor MarkedColour;
  QColor UsedColour;
  QColor NormalColour;
  bool GridReady = false;
  QString EditMode;    // 領域作成, 領域作成中, 領域変更, 領域変形, 変形処理
  QString DragHandle;  // "", 移動, 左, 右, 上, 下, 左上, 左下, 右上, 右下
  int DragOriginX = 0;
  int DragOriginY = 0;
  RegionRect EditRect;  // the rubber band, in mm
  int HaichiLabelMax = 0;
  int HaichiLabelCount = 0;

  // The window: its load and closing (FrmLayout.cpp).
  void Form_Load();
  // Closes the window from the program's own code (the close box is refused).
  void Unload();
  // Each selects its box's whole text, ready to be typed over.
  void TxtBunkatsuH_Click();
  void TxtBunkatsuV_DblClick();
  void TxtYohakuL_Click();
  void TxtYohakuR_Click();
  void TxtYohakuT_Click();
  void TxtYohakuB_Click();

  // The page preview (FrmLayoutPageDrawing.cpp).
  void ShowPage();
  void DrawPage();
  void DrawRegion(const RegionRect& rect, int splitH, int splitV);
  void DrawCurrentRegion(const RegionRect& rect, int splitH, int splitV);
  void EraseRegionBox(const RegionRect& rect);
  void AddHaichiLabel(const RyouikiRec& region, int k, const QString& caption);
  void ShowRegionProperties(int r);
  void ShowPageCaption();
  void HScPage_Change();
  // The page shown and its selected region; nullptr when there is none.
  PageRec* currentPage();
  RyouikiRec* currentRegion();

  // The paper (FrmLayoutPaper.cpp).
  void SetPaperSize();
  void OptSize_Click(int index);
  void OptHoukou_Click(int index);

  // The event grid (FrmLayoutGrid.cpp).
  void ShowShumokuGrid();
  void TxtShumoku_Click(int index);
  void TxtLeague_Click(int index);
  void TxtTournament_Click(int index);
  void TxtTop_Click(int index);
  void TxtTop_LostFocus(int index);
  void VScShumoku_Change();

  // The mouse on the page; x and y in mm of the paper (FrmLayoutMouse.cpp).
  void PicPage_MouseDown(double x, double y);
  void PicPage_MouseMove(double x, double y);
  void PicPage_MouseUp(double x, double y);
  void DrawXorBox(const RegionRect& rect);
  void SetDragHandle(int x, int y);
  void DragRegion(int x, int y);

  // The regions of the page shown; x and y in mm of the paper (FrmLayoutRegions.cpp).
  void AddRegion();
  void DeselectRegion();
  void DeleteRegion();
  void SelectRegionAt(int x, int y);

  // The placement commands (FrmLayoutCommands.cpp).
  void CmdRyouiki_Click();
  void CmdSakujo_Click();
  void CmdHaichi_Click();
  void CmdTorikeshi_Click();
  void CmdMojiretsu_Click();
  void CmdSankasha_Click();
  void CmdPageMoji_Click();
  void CmdClear_Click();
  void CmdReturn_Click();
  void EnableButtons(bool b);
  void ClearRegionPlacements();
  // Makes the page a layout page that the next print run prints (a placement on the
  // empty page after the last one makes it a page of its own).
  void TakePage();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // FrmLayout.cpp
  void buildControls();
  QLayout* buildEventGrid();
  QLayout* buildPlaceCommands();
  QLayout* buildPagePreview();
  QLayout* buildPageSettings();
  QWidget* buildPaperSize();
  QWidget* buildOrientation();
  void buildTournamentForm();
  QWidget* buildRegionSplit();
  QWidget* buildMargins();
  void connectControls();
  // FrmLayoutPageDrawing.cpp
  int splitBoxCount(const QLineEdit* box) const;
  // FrmLayoutPaper.cpp
  void showPaperOptions();
  // FrmLayoutGrid.cpp
  void SetUpShumokuGrid();
  void toggleMark(int& mark, QLineEdit* box);
  void setBoxColour(QLineEdit* box, const QColor& colour);
  // FrmLayoutCommands.cpp
  void connectCommands();
  // The selected region when it is one that still exists.
  RyouikiRec* selectedRegion();

  Program& program_;
  bool layoutResizeEnabled_ = false;
  std::vector<platform::ControlLayout> layout_;
  bool unloading_ = false;
};


}  // namespace qv
