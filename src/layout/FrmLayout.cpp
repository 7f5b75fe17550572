// The layout editor's controls, how they are laid out and wired, its load and its closing.

#include "layout/FrmLayout.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "layout/EditModes.h"
#include "layout/PagePicture.h"
#include "platform/widgets/ConfirmFormClose.h"
#include "platform/widgets/WindowControls.h"
#include "platform/widgets/WindowFonts.h"
#include "program/Program.h"

namespace qv {

namespace {

// The designed back colours of the first two name boxes, which the load takes as the
// colours of a box just marked and of a marked or placed item.
const QColor kMarkedDesign(192, 192, 255);
const QColor kUsedDesign(0xE0, 0xE0, 0xE0);

QColor baseColour(const QLineEdit* box) { return box->palette().color(QPalette::Base); }

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& text, int chars) {
  auto* box = named(new QLineEdit(text, parent), name);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(QString(chars, QChar('0'))) + 14);
  return box;
}

QLabel* label(QWidget* parent, const QString& text, const QString& name = {}) {
  auto* l = new QLabel(text, parent);
  if (!name.isEmpty()) l->setObjectName(name);
  return l;
}

}  // namespace

FrmLayout::FrmLayout(Program& program, bool layoutResizeEnabled, QWidget* parent)
    : QDialog(parent), program_(program), layoutResizeEnabled_(layoutResizeEnabled) {
  setObjectName(QStringLiteral("FrmLayout"));
  setWindowTitle(QStringLiteral("印刷レイアウト"));
  setFont(WindowFont());
  buildControls();
  connectControls();
  resize(1180, 780);
}

FrmLayout::~FrmLayout() = default;

// The window from left to right: the event grid under the title, the placement commands, the
// page preview and the page settings with their commands.
void FrmLayout::buildControls() {
  QLayout* gridColumn = buildEventGrid();
  QLayout* placeColumn = buildPlaceCommands();
  QLayout* pageColumn = buildPagePreview();
  QLayout* rightColumn = buildPageSettings();

  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(12, 10, 12, 12);
  root->setSpacing(12);
  root->addLayout(gridColumn);
  root->addLayout(placeColumn);
  root->addLayout(pageColumn, 1);
  root->addLayout(rightColumn);
}

// The title over the grid of events and their league, knock-out and top-rank marks.
QLayout* FrmLayout::buildEventGrid() {
  LblTitle = named(new QLabel(QStringLiteral("印刷レイアウト"), this), QStringLiteral("LblTitle"));
  LblTitle->setFont(WindowTitleFont());

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  grid->addWidget(label(this, QStringLiteral("種　目"), QStringLiteral("LblShumokuHead")), 0, 0, 2, 1,
                  Qt::AlignCenter);
  grid->addWidget(label(this, QStringLiteral("配置対象"), QStringLiteral("LblHaichiTaishou")), 0, 1, 1, 3,
                  Qt::AlignCenter);
  grid->addWidget(label(this, QStringLiteral("L   T"), QStringLiteral("LblLT")), 1, 1, 1, 2,
                  Qt::AlignCenter);
  LblTop = label(this, QStringLiteral("Top"), QStringLiteral("LblTop"));
  keepPlaceWhenHidden(LblTop);
  grid->addWidget(LblTop, 1, 3, Qt::AlignCenter);
  for (int i = 0; i < kGridRows; ++i) {
    TxtShumoku[i] = named(new QLineEdit(this), indexed("TxtShumoku", i));
    TxtShumoku[i]->setReadOnly(true);
    TxtShumoku[i]->setMinimumWidth(150);
    TxtLeague[i] = numberBox(this, indexed("TxtLeague", i), QString(), 2);
    TxtLeague[i]->setReadOnly(true);
    TxtTournament[i] = numberBox(this, indexed("TxtTournament", i), QString(), 2);
    TxtTournament[i]->setReadOnly(true);
    TxtTop[i] = numberBox(this, indexed("TxtTop", i), QString(), 3);
    TxtTop[i]->setVisible(false);
    for (QLineEdit* box : {TxtShumoku[i], TxtLeague[i], TxtTournament[i], TxtTop[i]}) {
      keepPlaceWhenHidden(box);
      box->setCursor(Qt::PointingHandCursor);
      box->installEventFilter(this);
    }
    grid->addWidget(TxtShumoku[i], i + 2, 0);
    grid->addWidget(TxtLeague[i], i + 2, 1);
    grid->addWidget(TxtTournament[i], i + 2, 2);
    grid->addWidget(TxtTop[i], i + 2, 3);
  }
  for (int i = 0; i < 2; ++i) {
    QPalette p = TxtShumoku[i]->palette();
    p.setColor(QPalette::Base, i == 0 ? kMarkedDesign : kUsedDesign);
    TxtShumoku[i]->setPalette(p);
  }
  VScShumoku = named(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScShumoku"));
  VScShumoku->setPageStep(1);
  keepPlaceWhenHidden(VScShumoku);
  grid->addWidget(VScShumoku, 2, 4, kGridRows, 1);

  auto* gridColumn = new QVBoxLayout;
  gridColumn->addWidget(LblTitle);
  gridColumn->addSpacing(8);
  gridColumn->addLayout(grid);
  gridColumn->addStretch(1);
  return gridColumn;
}

// The placement commands between the grid and the page.
QLayout* FrmLayout::buildPlaceCommands() {
  CmdHaichi = commandButton(this, "CmdHaichi", QStringLiteral("配 置 →"), 30);
  CmdTorikeshi = commandButton(this, "CmdTorikeshi", QStringLiteral("← 取 消"), 30);
  CmdMojiretsu = commandButton(this, "CmdMojiretsu", QStringLiteral("文字列 →"), 30);
  CmdSankasha = commandButton(this, "CmdSankasha", QStringLiteral("参加名簿→"), 30);
  auto* placeColumn = new QVBoxLayout;
  placeColumn->addStretch(1);
  for (QPushButton* b : {CmdHaichi, CmdTorikeshi, CmdMojiretsu, CmdSankasha}) placeColumn->addWidget(b);
  placeColumn->addStretch(2);
  return placeColumn;
}

// The page preview, its caption and paging.
QLayout* FrmLayout::buildPagePreview() {
  PicArea = named(new QWidget(this), QStringLiteral("PicArea"));
  PicArea->setMinimumSize(360, 500);
  PicArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  PicPage = named(new PagePicture(PicArea), QStringLiteral("PicPage"));
  LblHaichi.push_back(named(new QLabel(QStringLiteral("配置内容"), PicPage), indexed("LblHaichi", 0)));
  LblHaichi[0]->resize(LblHaichi[0]->sizeHint());
  LblPage = named(new QLabel(QStringLiteral("99/99 頁"), this), QStringLiteral("LblPage"));
  HScPage = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScPage"));
  HScPage->setPageStep(1);
  LblRyouiki = named(new QLabel(QStringLiteral("(30,30)-(180,260)"), this), QStringLiteral("LblRyouiki"));
  LblRyouiki->setMinimumWidth(QFontMetrics(LblRyouiki->font()).horizontalAdvance(
                                   QStringLiteral("(-999,-999)-(-999,-999)")));
  auto* pageFoot = new QHBoxLayout;
  pageFoot->addWidget(LblPage);
  pageFoot->addWidget(HScPage, 1);
  pageFoot->addSpacing(12);
  pageFoot->addWidget(LblRyouiki);
  auto* pageColumn = new QVBoxLayout;
  pageColumn->addWidget(PicArea, 1);
  pageColumn->addLayout(pageFoot);
  return pageColumn;
}

// Paper, the selected region's properties, margins and the page commands.
QLayout* FrmLayout::buildPageSettings() {
  QWidget* sizeBox = buildPaperSize();
  QWidget* houkouBox = buildOrientation();
  buildTournamentForm();
  QWidget* bunkatsu = buildRegionSplit();
  QWidget* yohaku = buildMargins();
  for (QLineEdit* box : {TxtBunkatsuH, TxtBunkatsuV, TxtYohakuL, TxtYohakuR, TxtYohakuT, TxtYohakuB})
    box->installEventFilter(this);

  CmdRyouiki = commandButton(this, "CmdRyouiki", QStringLiteral("領域作成"), 30);
  CmdSakujo = commandButton(this, "CmdSakujo", QStringLiteral("現領域削除"), 30);
  CmdPageMoji = commandButton(this, "CmdPageMoji", QStringLiteral("頁共通固定文字編集"), 30);
  CmdClear = commandButton(this, "CmdClear", QStringLiteral("頁クリアー"), 30);
  CmdReturn = commandButton(this, "CmdReturn", QStringLiteral("戻　る"), 30);

  auto* rightColumn = new QVBoxLayout;
  rightColumn->addWidget(sizeBox);
  rightColumn->addWidget(houkouBox);
  rightColumn->addWidget(FraTournament);
  rightColumn->addWidget(bunkatsu);
  rightColumn->addWidget(yohaku);
  rightColumn->addSpacing(10);
  for (QPushButton* b : {CmdRyouiki, CmdSakujo, CmdPageMoji, CmdClear}) rightColumn->addWidget(b);
  rightColumn->addStretch(1);
  rightColumn->addWidget(CmdReturn);
  return rightColumn;
}

QWidget* FrmLayout::buildPaperSize() {
  auto* sizeBox = named(new QWidget(this), QStringLiteral("FraSize"));
  auto* sizeLayout = new QHBoxLayout(sizeBox);
  sizeLayout->setContentsMargins(0, 0, 0, 0);
  sizeLayout->addWidget(label(sizeBox, QStringLiteral("用紙"), QStringLiteral("LblYoushi")));
  const std::array<QString, 4> sizes{QStringLiteral("A3"), QStringLiteral("B4"), QStringLiteral("A4"),
                                     QStringLiteral("B5")};
  for (int i = 0; i < 4; ++i) {
    OptSize[i] = named(new QRadioButton(sizes[i], sizeBox), indexed("OptSize", i));
    sizeLayout->addWidget(OptSize[i]);
  }
  OptSize[2]->setChecked(true);
  sizeLayout->addStretch(1);
  return sizeBox;
}

QWidget* FrmLayout::buildOrientation() {
  auto* houkouBox = named(new QWidget(this), QStringLiteral("FraHoukou"));
  auto* houkouLayout = new QHBoxLayout(houkouBox);
  houkouLayout->setContentsMargins(0, 0, 0, 0);
  houkouLayout->addWidget(label(houkouBox, QStringLiteral("向き"), QStringLiteral("LblMuki")));
  const std::array<QString, 2> houkou{QStringLiteral("縦"), QStringLiteral("横")};
  for (int i = 0; i < 2; ++i) {
    OptHoukou[i] = named(new QRadioButton(houkou[i], houkouBox), indexed("OptHoukou", i));
    houkouLayout->addWidget(OptHoukou[i]);
  }
  OptHoukou[0]->setChecked(true);
  houkouLayout->addStretch(1);
  return houkouBox;
}

void FrmLayout::buildTournamentForm() {
  FraTournament = named(new QGroupBox(QStringLiteral("トーナメント形式"), this),
                        QStringLiteral("FraTournament"));
  auto* keishiki = new QGridLayout(FraTournament);
  const std::array<QString, 6> keishikiCaptions{QStringLiteral("左"),   QStringLiteral("左右"),
                                                QStringLiteral("２頁"), QStringLiteral("４頁"),
                                                QStringLiteral("８頁"), QStringLiteral("16頁")};
  for (int i = 0; i < 6; ++i) {
    OptTournament[i] = named(new QRadioButton(keishikiCaptions[i], FraTournament), indexed("OptTournament", i));
    keishiki->addWidget(OptTournament[i], i / 2, i % 2);
  }
  OptTournament[1]->setChecked(true);
}

QWidget* FrmLayout::buildRegionSplit() {
  auto* bunkatsu = named(new QGroupBox(QStringLiteral("領域分割"), this), QStringLiteral("FraBunkatsu"));
  auto* bunkatsuLayout = new QHBoxLayout(bunkatsu);
  TxtBunkatsuH = numberBox(bunkatsu, QStringLiteral("TxtBunkatsuH"), QStringLiteral("1"), 3);
  TxtBunkatsuV = numberBox(bunkatsu, QStringLiteral("TxtBunkatsuV"), QStringLiteral("1"), 3);
  bunkatsuLayout->addWidget(label(bunkatsu, QStringLiteral("横")));
  bunkatsuLayout->addWidget(TxtBunkatsuH);
  bunkatsuLayout->addWidget(label(bunkatsu, QStringLiteral("縦")));
  bunkatsuLayout->addWidget(TxtBunkatsuV);
  bunkatsuLayout->addStretch(1);
  return bunkatsu;
}

QWidget* FrmLayout::buildMargins() {
  auto* yohaku = named(new QGroupBox(QStringLiteral("余白 mm"), this), QStringLiteral("FraYohaku"));
  auto* yohakuLayout = new QGridLayout(yohaku);
  TxtYohakuL = numberBox(yohaku, QStringLiteral("TxtYohakuL"), QStringLiteral("20"), 3);
  TxtYohakuR = numberBox(yohaku, QStringLiteral("TxtYohakuR"), QStringLiteral("20"), 3);
  TxtYohakuT = numberBox(yohaku, QStringLiteral("TxtYohakuT"), QStringLiteral("15"), 3);
  TxtYohakuB = numberBox(yohaku, QStringLiteral("TxtYohakuB"), QStringLiteral("15"), 3);
  yohakuLayout->addWidget(label(yohaku, QStringLiteral("左")), 0, 0);
  yohakuLayout->addWidget(TxtYohakuL, 0, 1);
  yohakuLayout->addWidget(label(yohaku, QStringLiteral("右")), 0, 2);
  yohakuLayout->addWidget(TxtYohakuR, 0, 3);
  yohakuLayout->addWidget(label(yohaku, QStringLiteral("上")), 1, 0);
  yohakuLayout->addWidget(TxtYohakuT, 1, 1);
  yohakuLayout->addWidget(label(yohaku, QStringLiteral("下")), 1, 2);
  yohakuLayout->addWidget(TxtYohakuB, 1, 3);
  return yohaku;
}

void FrmLayout::connectControls() {
  // Only what the user does raises these handlers; the window setting a control does not.
  connect(PicPage, &PagePicture::MouseDown, this, &FrmLayout::PicPage_MouseDown);
  connect(PicPage, &PagePicture::MouseMove, this, &FrmLayout::PicPage_MouseMove);
  connect(PicPage, &PagePicture::MouseUp, this, &FrmLayout::PicPage_MouseUp);
  connect(HScPage, &QScrollBar::valueChanged, this, &FrmLayout::HScPage_Change);
  connectCommands();
  connect(VScShumoku, &QScrollBar::valueChanged, this, &FrmLayout::VScShumoku_Change);
  for (int i = 0; i < 4; ++i)
    connect(OptSize[i], &QRadioButton::clicked, this, [this, i] { OptSize_Click(i); });
  for (int i = 0; i < 2; ++i)
    connect(OptHoukou[i], &QRadioButton::clicked, this, [this, i] { OptHoukou_Click(i); });
}

bool FrmLayout::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // The preview follows the box it is fitted into when the window is resized.
  if (watched == PicArea && type == QEvent::Resize && GridReady) ShowPage();
  if (type == QEvent::MouseButtonRelease) {
    for (int i = 0; i < kGridRows; ++i) {
      if (watched == TxtShumoku[i]) TxtShumoku_Click(i);
      else if (watched == TxtLeague[i]) TxtLeague_Click(i);
      else if (watched == TxtTournament[i]) TxtTournament_Click(i);
      else if (watched == TxtTop[i]) TxtTop_Click(i);
    }
    // After the box's own handling of the click, which places the cursor.
    if (watched == TxtBunkatsuH) QTimer::singleShot(0, this, &FrmLayout::TxtBunkatsuH_Click);
    if (watched == TxtYohakuL) QTimer::singleShot(0, this, &FrmLayout::TxtYohakuL_Click);
    if (watched == TxtYohakuR) QTimer::singleShot(0, this, &FrmLayout::TxtYohakuR_Click);
    if (watched == TxtYohakuT) QTimer::singleShot(0, this, &FrmLayout::TxtYohakuT_Click);
    if (watched == TxtYohakuB) QTimer::singleShot(0, this, &FrmLayout::TxtYohakuB_Click);
  } else if (type == QEvent::MouseButtonDblClick && watched == TxtBunkatsuV) {
    QTimer::singleShot(0, this, &FrmLayout::TxtBunkatsuV_DblClick);
  } else if (type == QEvent::FocusOut) {
    for (int i = 0; i < kGridRows; ++i)
      if (watched == TxtTop[i]) TxtTop_LostFocus(i);
  }
  return QDialog::eventFilter(watched, event);
}

void FrmLayout::TxtBunkatsuH_Click() { TxtBunkatsuH->selectAll(); }
void FrmLayout::TxtBunkatsuV_DblClick() { TxtBunkatsuV->selectAll(); }
void FrmLayout::TxtYohakuL_Click() { TxtYohakuL->selectAll(); }
void FrmLayout::TxtYohakuR_Click() { TxtYohakuR->selectAll(); }
void FrmLayout::TxtYohakuT_Click() { TxtYohakuT->selectAll(); }
void FrmLayout::TxtYohakuB_Click() { TxtYohakuB->selectAll(); }

void FrmLayout::Form_Load() {
  GridReady = false;
  if (layout()) layout()->activate();
  PreviewArea = QRectF(PicArea->rect());
  HaichiLabelMax = 0;
  HaichiLabelCount = 0;
  MarkedColour = baseColour(TxtShumoku[0]);
  UsedColour = baseColour(TxtShumoku[1]);
  NormalColour = baseColour(TxtShumoku[2]);
  SetUpShumokuGrid();
  LblHaichi[0]->setVisible(false);
  EditMode = editmode::kEdit;
  DragHandle.clear();
  program_.insatsu.CurrentPage = 0;
  // A selection left from an earlier opening may name a region of another page or of
  // another tournament: every opening starts with none.
  program_.insatsu.CurrentRyouiki = -1;
  showPaperOptions();
  ShowRegionProperties(program_.insatsu.CurrentRyouiki);
  ShowPage();
  GridReady = true;
  if (layoutResizeEnabled_) platform::SaveFormLayout(*this, layout_);
  PicArea->installEventFilter(this);
}

void FrmLayout::Unload() {
  unloading_ = true;
  if (layoutResizeEnabled_) platform::ClearFormLayout(*this, layout_);
  done(QDialog::Accepted);
  close();
}

void FrmLayout::closeEvent(QCloseEvent* event) {
  if (!unloading_ && ConfirmFormClose(UnloadMode::CloseBox, program_.messages) != 0) {
    event->ignore();
    return;
  }
  event->accept();
}

// Esc is no way out of the editor: only 戻る closes it.
void FrmLayout::reject() {}

// The page is shown again when the box of the preview has its new size (eventFilter).
void FrmLayout::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (layoutResizeEnabled_) platform::ResizeFormLayout(*this, layout_);
}

}  // namespace qv
