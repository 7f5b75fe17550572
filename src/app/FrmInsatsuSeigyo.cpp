// The main window's controls and how they are laid out and wired.

#include "app/FrmInsatsuSeigyo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/CurrentPrinter.h"
#include "app/FrmWait.h"
#include "platform/widgets/ConfirmFormClose.h"
#include "platform/widgets/SingleInstance.h"
#include "platform/widgets/WindowControls.h"
#include "platform/widgets/WindowFonts.h"
#include "program/Program.h"

namespace qv {

namespace {

// The designed back colour of the first page box: light cyan, the colour of a page that
// is selected for printing.
const QColor kLightCyan(192, 255, 255);

constexpr int kPageBoxWidth = 270;
constexpr int kPageBoxHeight = 92;

}  // namespace

FrmInsatsuSeigyo::FrmInsatsuSeigyo(Program& program, StartupEnv env, QWidget* parent)
    : QWidget(parent),
      program_(program),
      env_(std::move(env)),
      printer_(std::make_unique<CurrentPrinter>()) {
  setObjectName(QStringLiteral("FrmInsatsuSeigyo"));
  setWindowTitle(QStringLiteral("印刷制御"));
  setFont(WindowFont());
  buildControls();
  connectControls();
}

FrmInsatsuSeigyo::~FrmInsatsuSeigyo() = default;

// The title and date over three columns: the print options, the page boxes and the commands.
void FrmInsatsuSeigyo::buildControls() {
  QLayout* header = buildHeader();
  QLayout* commands = buildCommands();
  QLayout* options = buildOptions();
  QLayout* pageColumn = buildPageColumn();

  auto* body = new QHBoxLayout;
  body->setSpacing(18);
  body->addLayout(options);
  body->addLayout(pageColumn, 1);
  body->addLayout(commands);

  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(14, 10, 14, 14);
  root->addLayout(header);
  root->addLayout(body, 1);
}

QLayout* FrmInsatsuSeigyo::buildHeader() {
  Label1 = named(new QLabel(QStringLiteral("組み合わせ・Lirefen処理"), this), QStringLiteral("Label1"));
  Label1->setFont(WindowTitleFont());
  LblDate = named(new QLabel(this), QStringLiteral("LblDate"));
  QFont dateFont = WindowFont();
  dateFont.setPointSize(12);
  LblDate->setFont(dateFont);
  auto* header = new QHBoxLayout;
  header->addWidget(Label1);
  header->addStretch(1);
  header->addWidget(LblDate);
  return header;
}

QLayout* FrmInsatsuSeigyo::buildCommands() {
  CmdInsatsu = commandButton(this, "CmdInsatsu", QStringLiteral("印刷実行"));
  CmdAuto = commandButton(this, "CmdAuto", QStringLiteral("自動印刷"));
  CmdTeam = commandButton(this, "CmdTeam", QStringLiteral("団体戦明細印刷"));
  CmdTeamE = commandButton(this, "CmdTeamE", QStringLiteral("団体別"));
  CmdTeamX = commandButton(this, "CmdTeamX", QStringLiteral("団体戦明細EXCEL"));
  CmdLayout = commandButton(this, "CmdLayout", QStringLiteral("レイアウト"));
  CmdDelete = commandButton(this, "CmdDelete", QStringLiteral("選択頁削除"));
  CmdReturn = commandButton(this, "CmdReturn", QStringLiteral("戻　る"));
  CmdLT = commandButton(this, "CmdLT", QStringLiteral("リーグトーナメント"));
  CmdLT->setEnabled(false);
  CmdLT->setVisible(false);
  auto* commands = new QVBoxLayout;
  for (QPushButton* b : {CmdInsatsu, CmdAuto, CmdTeam, CmdTeamE, CmdTeamX, CmdLayout, CmdDelete, CmdLT})
    commands->addWidget(b);
  commands->addStretch(1);
  commands->addWidget(CmdReturn);
  return commands;
}

// The switches of the charts, the bracket numbering, the face and the pages to print.
QLayout* FrmInsatsuSeigyo::buildOptions() {
  ChkSeed = named(new QCheckBox(QStringLiteral("シード印刷"), this), QStringLiteral("ChkSeed"));
  ChkKNKNJ = named(new QCheckBox(QStringLiteral("カナ漢字"), this), QStringLiteral("ChkKNKNJ"));
  ChkMark = named(new QCheckBox(QStringLiteral("種目略号表示"), this), QStringLiteral("ChkMark"));
  ChkNumber = named(new QCheckBox(QStringLiteral("所属内順番"), this), QStringLiteral("ChkNumber"));
  ChkBilingal = named(new QCheckBox(QStringLiteral("二国語"), this), QStringLiteral("ChkBilingal"));
  ChkBilingal->setVisible(false);
  ChkMEntry = named(new QCheckBox(QStringLiteral("多種目参加者色表示"), this),
                    QStringLiteral("ChkMEntry"));
  buildNumberFrame();
  buildFontFrame();
  buildPageRangeFrame();

  auto* options = new QVBoxLayout;
  for (QCheckBox* box : {ChkSeed, ChkKNKNJ, ChkMark, ChkNumber, ChkBilingal, ChkMEntry})
    options->addWidget(box);
  options->addWidget(Frame1);
  options->addWidget(Frame2);
  options->addWidget(Frame3);
  options->addStretch(1);
  return options;
}

void FrmInsatsuSeigyo::buildNumberFrame() {
  Frame1 = named(new QGroupBox(QStringLiteral("トーナメント番号表示"), this), QStringLiteral("Frame1"));
  auto* frame1Layout = new QVBoxLayout(Frame1);
  const std::array<QString, 3> numberCaptions{QStringLiteral("なし"), QStringLiteral("順番"),
                                              QStringLiteral("シード順")};
  for (int i = 0; i < 3; ++i) {
    OptNumber[i] = named(new QRadioButton(numberCaptions[i], Frame1), indexed("OptNumber", i));
    frame1Layout->addWidget(OptNumber[i]);
  }
}

void FrmInsatsuSeigyo::buildFontFrame() {
  Frame2 = named(new QGroupBox(this), QStringLiteral("Frame2"));
  auto* frame2Layout = new QHBoxLayout(Frame2);
  const std::array<QString, 2> fontCaptions{QStringLiteral("明朝"), QStringLiteral("ゴシック")};
  for (int i = 0; i < 2; ++i) {
    OptFont[i] = named(new QRadioButton(fontCaptions[i], Frame2), indexed("OptFont", i));
    frame2Layout->addWidget(OptFont[i]);
  }
}

void FrmInsatsuSeigyo::buildPageRangeFrame() {
  Frame3 = named(new QGroupBox(QStringLiteral("印刷頁"), this), QStringLiteral("Frame3"));
  auto* frame3Layout = new QGridLayout(Frame3);
  const std::array<QString, 3> pageCaptions{QStringLiteral("全頁"), QStringLiteral("範囲指定"),
                                            QStringLiteral("選択頁")};
  for (int i = 0; i < 3; ++i)
    OptPage[i] = named(new QRadioButton(pageCaptions[i], Frame3), indexed("OptPage", i));
  TxtPS = named(new QLineEdit(Frame3), QStringLiteral("TxtPS"));
  TxtPE = named(new QLineEdit(Frame3), QStringLiteral("TxtPE"));
  for (QLineEdit* box : {TxtPS, TxtPE}) {
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("00000")) + 12);
  }
  auto* range = new QHBoxLayout;
  range->addWidget(TxtPS);
  range->addWidget(named(new QLabel(QStringLiteral("～"), Frame3), QStringLiteral("LblRange")));
  range->addWidget(TxtPE);
  range->addStretch(1);
  frame3Layout->addWidget(OptPage[0], 0, 0);
  frame3Layout->addWidget(OptPage[1], 1, 0);
  frame3Layout->addLayout(range, 1, 1);
  frame3Layout->addWidget(OptPage[2], 2, 0);
}

// The six page boxes with their captions, the paging bar and the notice shown while printing.
QLayout* FrmInsatsuSeigyo::buildPageColumn() {
  auto* pages = new QGridLayout;
  pages->setHorizontalSpacing(12);
  for (int k = 0; k < 6; ++k) {
    LblPage[k] = named(new QLabel(this), indexed("LblPage", k));
    TxtPage[k] = named(new QPlainTextEdit(this), indexed("TxtPage", k));
    TxtPage[k]->setReadOnly(true);
    TxtPage[k]->setTextInteractionFlags(Qt::NoTextInteraction);
    TxtPage[k]->setMinimumSize(kPageBoxWidth, kPageBoxHeight);
    TxtPage[k]->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtPage[k]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtPage[k]->viewport()->setCursor(Qt::PointingHandCursor);
    TxtPage[k]->viewport()->installEventFilter(this);
    keepPlaceWhenHidden(LblPage[k]);
    keepPlaceWhenHidden(TxtPage[k]);
    const int row = (k % 3) * 2;
    const int column = k / 3;
    pages->addWidget(LblPage[k], row, column);
    pages->addWidget(TxtPage[k], row + 1, column);
  }
  // The designed colours: the first box as a selected page, the others as the window's
  // own background; the load takes the two colours from them.
  QPalette first = TxtPage[0]->palette();
  first.setColor(QPalette::Base, kLightCyan);
  TxtPage[0]->setPalette(first);
  LblPage[6] = named(new QLabel(QStringLiteral("全１頁"), this), indexed("LblPage", 6));
  HScPage = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScPage"));
  HScPage->setPageStep(1);
  keepPlaceWhenHidden(HScPage);
  auto* pageFoot = new QHBoxLayout;
  pageFoot->addWidget(HScPage, 1);
  pageFoot->addWidget(LblPage[6]);
  buildWaitNotice();

  auto* pageColumn = new QVBoxLayout;
  pageColumn->addLayout(pages);
  pageColumn->addLayout(pageFoot);
  pageColumn->addWidget(FraWait);
  pageColumn->addStretch(1);
  return pageColumn;
}

void FrmInsatsuSeigyo::buildWaitNotice() {
  FraWait = named(new QGroupBox(this), QStringLiteral("FraWait"));
  auto* waitLayout = new QVBoxLayout(FraWait);
  LblStatus = named(new QLabel(QStringLiteral("ＸＸページ目を出力しています"), FraWait),
                    QStringLiteral("LblStatus"));
  Label2 = named(new QLabel(QStringLiteral("しばらくお待ち下さい"), FraWait), QStringLiteral("Label2"));
  waitLayout->addWidget(LblStatus);
  waitLayout->addWidget(Label2);
  FraWait->setVisible(false);
  PicImage = named(new QFrame(this), QStringLiteral("PicImage"));
  PicSmall = named(new QFrame(this), QStringLiteral("PicSmall"));
  PicImage->setVisible(false);
  PicSmall->setVisible(false);
}

void FrmInsatsuSeigyo::connectControls() {
  // Only what the user does raises these handlers; the window setting a control from the
  // model does not.
  connect(ChkBilingal, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkBilingal_Click);
  connect(ChkKNKNJ, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkKNKNJ_Click);
  connect(ChkMark, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkMark_Click);
  connect(ChkNumber, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkNumber_Click);
  connect(ChkSeed, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkSeed_Click);
  connect(ChkMEntry, &QCheckBox::clicked, this, &FrmInsatsuSeigyo::ChkMEntry_Click);
  for (int i = 0; i < 2; ++i)
    connect(OptFont[i], &QRadioButton::clicked, this, [this, i] { OptFont_Click(i); });
  for (int i = 0; i < 3; ++i) {
    connect(OptNumber[i], &QRadioButton::clicked, this, [this, i] { OptNumber_Click(i); });
    connect(OptPage[i], &QRadioButton::clicked, this, [this, i] { OptPage_Click(i); });
  }
  connect(HScPage, &QScrollBar::valueChanged, this, &FrmInsatsuSeigyo::HScPage_Change);
  connect(CmdDelete, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdDelete_Click);
  connect(CmdLayout, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdLayout_Click);
  connect(CmdReturn, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdReturn_Click);
  connect(CmdInsatsu, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdInsatsu_Click);
  connect(CmdAuto, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdAuto_Click);
  connect(CmdTeam, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdTeam_Click);
  connect(CmdTeamE, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdTeamE_Click);
  connect(CmdTeamX, &QPushButton::clicked, this, &FrmInsatsuSeigyo::CmdTeamX_Click);
}

bool FrmInsatsuSeigyo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int k = 0; k < 6; ++k) {
      if (watched == TxtPage[k]->viewport()) {
        TxtPage_Click(k);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FrmInsatsuSeigyo::closeEvent(QCloseEvent* event) {
  if (!ended_ && ConfirmFormClose(UnloadMode::CloseBox, program_.messages) != 0) {
    event->ignore();
    return;
  }
  event->accept();
}

void FrmInsatsuSeigyo::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (LayoutResizeEnabled) platform::ResizeFormLayout(*this, layout_);
  ShowPageList();
}

}  // namespace qv
