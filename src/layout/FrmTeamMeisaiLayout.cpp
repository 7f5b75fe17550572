#include "layout/FrmTeamMeisaiLayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "layout/TypedNumbers.h"
#include "platform/widgets/WindowControls.h"
#include "program/Program.h"
#include "team/TeamMeisaiLayout.h"

namespace qv {

namespace {

const QString kTitle = QStringLiteral("団体戦対戦結果詳細印刷レイアウト");
const QString kRenki = QStringLiteral("種目連記");
const QString kBlock = QStringLiteral("ブロック");

// The sheets print on A4, turned to landscape when the box is at least as wide as high.
constexpr float kA4Long = 297;
constexpr float kA4Short = 210;
constexpr int kMaxSheetsAcross = 20;

QLineEdit* numberBox(QWidget* parent, const char* name) {
  auto* box = named(new QLineEdit(parent), QString::fromLatin1(name));
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("000000")) + 14);
  return box;
}

}  // namespace

struct FrmTeamMeisaiLayout::BoxValues {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
  int cols = 0;
  int rows = 0;
  int firstPage = 0;
};

FrmTeamMeisaiLayout::FrmTeamMeisaiLayout(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
  SetUpDialog(*this, QStringLiteral("FrmTeamMeisaiLayout"), kTitle);
  buildControls();
}

// The title over the sheet settings and the grid of team events, the commands below.
void FrmTeamMeisaiLayout::buildControls() {
  Label1 = named(new QLabel(kTitle, this), QStringLiteral("Label1"));
  Label1->setFont(WindowTitleFont());
  QLayout* settings = buildSettings();
  QLayout* grid = buildEventGrid();

  CmdQuit = commandButton(this, "CmdQuit", QStringLiteral("設定完了"), 30);
  CmdCancel = commandButton(this, "CmdCancel", QStringLiteral("キャンセル"), 30);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(CmdQuit);
  buttons->addWidget(CmdCancel);

  auto* body = new QHBoxLayout;
  body->setSpacing(24);
  body->addLayout(settings);
  body->addLayout(grid, 1);
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(14, 10, 14, 14);
  root->addWidget(Label1);
  root->addLayout(body, 1);
  root->addLayout(buttons);
  connectControls();
}

// The edges of the sheet area, its split into sheets, the first page number and the
// one-sheet-per-block switch.
QLayout* FrmTeamMeisaiLayout::buildSettings() {
  // The four edges stand like a cross, each box under its caption.
  TxtL = numberBox(this, "TxtL");
  TxtT = numberBox(this, "TxtT");
  TxtR = numberBox(this, "TxtR");
  TxtB = numberBox(this, "TxtB");
  auto* edges = new QGridLayout;
  edges->setVerticalSpacing(2);
  const auto edge = [&](QLineEdit* box, const char* label, const QString& caption, int row,
                        int column) {
    edges->addWidget(named(new QLabel(caption, this), QString::fromLatin1(label)), row, column,
                     Qt::AlignHCenter | Qt::AlignBottom);
    edges->addWidget(box, row + 1, column, Qt::AlignHCenter);
  };
  edge(TxtT, "LblT", QStringLiteral("上位置mm"), 0, 1);
  edge(TxtL, "LblL", QStringLiteral("左位置mm"), 2, 0);
  edge(TxtR, "LblR", QStringLiteral("右位置mm"), 2, 2);
  edge(TxtB, "LblB", QStringLiteral("下位置mm"), 4, 1);

  TxtH = numberBox(this, "TxtH");
  TxtV = numberBox(this, "TxtV");
  auto* counts = new QGridLayout;
  counts->setVerticalSpacing(2);
  counts->addWidget(named(new QLabel(QStringLiteral("横分割数"), this), QStringLiteral("LblH")), 0, 0);
  counts->addWidget(named(new QLabel(QStringLiteral("縦分割数"), this), QStringLiteral("LblV")), 0, 1);
  counts->addWidget(TxtH, 1, 0);
  counts->addWidget(TxtV, 1, 1);

  TxtPage = numberBox(this, "TxtPage");
  auto* firstPage = new QHBoxLayout;
  firstPage->addWidget(named(new QLabel(QStringLiteral("先頭頁番号"), this), QStringLiteral("LblPage")));
  firstPage->addWidget(TxtPage);
  firstPage->addStretch(1);
  ChkBlock = named(new QCheckBox(QStringLiteral("ブロック別"), this), QStringLiteral("ChkBlock"));

  auto* settings = new QVBoxLayout;
  settings->addLayout(edges);
  settings->addSpacing(12);
  settings->addLayout(counts);
  settings->addSpacing(12);
  settings->addLayout(firstPage);
  settings->addWidget(ChkBlock);
  settings->addStretch(100);
  return settings;
}

// One row per team event: print it, start a new page, start a new line.
QLayout* FrmTeamMeisaiLayout::buildEventGrid() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  const std::array<QString, 4> heads{QStringLiteral("団体戦種目名"), QStringLiteral("印刷"),
                                     QStringLiteral("改頁"), QStringLiteral("改行")};
  const std::array<const char*, 4> headNames{"LblShumoku", "LblPrint", "LblKaipage", "LblKaigyou"};
  for (int c = 0; c < 4; ++c)
    grid->addWidget(named(new QLabel(heads[c], this), QString::fromLatin1(headNames[c])), 0, c,
                    c == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
  for (int k = 0; k < kRows; ++k) {
    TxtShumoku[k] = named(new QLineEdit(this), indexed("TxtShumoku", k));
    TxtShumoku[k]->setReadOnly(true);
    TxtShumoku[k]->setFocusPolicy(Qt::NoFocus);
    TxtShumoku[k]->setMinimumWidth(
        QFontMetrics(TxtShumoku[k]->font()).horizontalAdvance(QStringLiteral("一般男子団体戦　")) + 12);
    ChkPrint[k] = named(new QCheckBox(this), indexed("ChkPrint", k));
    ChkPage[k] = named(new QCheckBox(this), indexed("ChkPage", k));
    ChkCR[k] = named(new QCheckBox(this), indexed("ChkCR", k));
    grid->addWidget(TxtShumoku[k], k + 1, 0);
    grid->addWidget(ChkPrint[k], k + 1, 1, Qt::AlignHCenter);
    grid->addWidget(ChkPage[k], k + 1, 2, Qt::AlignHCenter);
    grid->addWidget(ChkCR[k], k + 1, 3, Qt::AlignHCenter);
  }
  VScShumoku = named(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScShumoku"));
  VScShumoku->setPageStep(kRows);
  grid->addWidget(VScShumoku, 1, 4, kRows, 1);
  return grid;
}

void FrmTeamMeisaiLayout::connectControls() {
  // Only what the user does raises the handlers; filling the grid does not.
  for (int k = 0; k < kRows; ++k) {
    connect(ChkPrint[k], &QCheckBox::clicked, this, [this, k] { ChkPrint_Click(k); });
    connect(ChkPage[k], &QCheckBox::clicked, this, [this, k] { ChkPage_Click(k); });
    connect(ChkCR[k], &QCheckBox::clicked, this, [this, k] { ChkCR_Click(k); });
  }
  connect(ChkBlock, &QCheckBox::clicked, this, &FrmTeamMeisaiLayout::ChkBlock_Click);
  connect(VScShumoku, &QScrollBar::valueChanged, this, &FrmTeamMeisaiLayout::VScShumoku_Change);
  connect(CmdQuit, &QPushButton::clicked, this, &FrmTeamMeisaiLayout::CmdQuit_Click);
  connect(CmdCancel, &QPushButton::clicked, this, &FrmTeamMeisaiLayout::CmdCancel_Click);
}

void FrmTeamMeisaiLayout::Form_Load() {
  TeamMeisaiLayout& layout = program_.teamMeisaiLayout;
  if (layout.TeamMeisaiCols == 0) SetTeamMeisaiDefaults(layout);
  TxtL->setText(NumberText(layout.TeamMeisaiLeft));
  TxtT->setText(NumberText(layout.TeamMeisaiTop));
  TxtR->setText(NumberText(layout.TeamMeisaiRight));
  TxtB->setText(NumberText(layout.TeamMeisaiBottom));
  TxtH->setText(QString::number(layout.TeamMeisaiCols));
  TxtV->setText(QString::number(layout.TeamMeisaiRows));
  // The number the page phrases use now, so that closing untouched keeps it.
  TxtPage->setText(QString::number(program_.bunshou.FirstPageNo));

  const std::vector<TeamShumokuRec>& events = program_.team.TeamShumokus;
  const int count = std::min<int>(program_.team.TeamShumokuCount, static_cast<int>(events.size()));
  VScShumoku->setRange(0, std::max(0, count - kRows));
  VScShumoku->setVisible(count > kRows);
  print_.assign(static_cast<std::size_t>(count), false);
  newPage_.assign(static_cast<std::size_t>(count), false);
  newRow_.assign(static_cast<std::size_t>(count), false);
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    print_[i] = events[i].InsatsuFlag;
    newPage_[i] = events[i].KaipageFlag;
    newRow_[i] = events[i].KaigyouFlag;
  }
  // Every opening starts with the events following one another.
  layout.TeamMeisaiKeishiki = kRenki;
  ShowTeamShumokuGrid();
}

int FrmTeamMeisaiLayout::eventOfRow(int index) const {
  const int i = VScShumoku->value() + index;
  return index >= 0 && index < kRows && i < static_cast<int>(print_.size()) ? i : -1;
}

void FrmTeamMeisaiLayout::ShowTeamShumokuGrid() {
  ready_ = false;
  ChkBlock->setChecked(program_.teamMeisaiLayout.TeamMeisaiKeishiki == kBlock);
  for (int k = 0; k < kRows; ++k) {
    const int i = eventOfRow(k);
    if (i < 0) {
      for (QWidget* w : {static_cast<QWidget*>(TxtShumoku[k]), static_cast<QWidget*>(ChkPrint[k]),
                         static_cast<QWidget*>(ChkPage[k]), static_cast<QWidget*>(ChkCR[k])})
        w->setVisible(false);
      continue;
    }
    const auto e = static_cast<std::size_t>(i);
    TxtShumoku[k]->setText(program_.team.TeamShumokus[e].Meishou);
    TxtShumoku[k]->setCursorPosition(0);
    ChkPrint[k]->setChecked(print_[e]);
    ChkPage[k]->setChecked(newPage_[e]);
    ChkCR[k]->setChecked(newRow_[e]);
  }
  ready_ = true;
}

void FrmTeamMeisaiLayout::VScShumoku_Change() { ShowTeamShumokuGrid(); }

void FrmTeamMeisaiLayout::ChkPrint_Click(int index) {
  const int i = eventOfRow(index);
  if (ready_ && i >= 0) print_[static_cast<std::size_t>(i)] = ChkPrint[index]->isChecked();
}

void FrmTeamMeisaiLayout::ChkPage_Click(int index) {
  const int i = eventOfRow(index);
  if (ready_ && i >= 0) newPage_[static_cast<std::size_t>(i)] = ChkPage[index]->isChecked();
}

void FrmTeamMeisaiLayout::ChkCR_Click(int index) {
  const int i = eventOfRow(index);
  if (ready_ && i >= 0) newRow_[static_cast<std::size_t>(i)] = ChkCR[index]->isChecked();
}

void FrmTeamMeisaiLayout::ChkBlock_Click() {
  program_.teamMeisaiLayout.TeamMeisaiKeishiki = ChkBlock->isChecked() ? kBlock : kRenki;
}

std::optional<FrmTeamMeisaiLayout::BoxValues> FrmTeamMeisaiLayout::readBoxes() {
  const BoxMessage message{program_.messages, kTitle};
  const NumberRange onPaper{0, kA4Long};
  BoxValues v;
  const auto refuse = [](QLineEdit* box) {
    box->setFocus();
    box->selectAll();
    return std::nullopt;
  };
  const auto edge = [&](QLineEdit* box, const QString& caption, float& into) {
    const auto n = TypedNumber(box->text(), caption, onPaper, message);
    if (n) into = *n;
    return n.has_value();
  };
  if (!edge(TxtL, QStringLiteral("左位置mm"), v.left)) return refuse(TxtL);
  if (!edge(TxtT, QStringLiteral("上位置mm"), v.top)) return refuse(TxtT);
  if (!edge(TxtR, QStringLiteral("右位置mm"), v.right)) return refuse(TxtR);
  if (!edge(TxtB, QStringLiteral("下位置mm"), v.bottom)) return refuse(TxtB);
  if (v.right <= v.left) {
    message.messages.warn(kTitle, QStringLiteral("右位置mmには左位置mmより大きな数値を入力して下さい。"));
    return refuse(TxtR);
  }
  if (v.bottom <= v.top) {
    message.messages.warn(kTitle, QStringLiteral("下位置mmには上位置mmより大きな数値を入力して下さい。"));
    return refuse(TxtB);
  }
  // The team commands turn the paper by the box's shape.
  const bool landscape = v.right - v.left >= v.bottom - v.top;
  const float paperWidth = landscape ? kA4Long : kA4Short;
  const float paperHeight = landscape ? kA4Short : kA4Long;
  if (v.right > paperWidth || v.bottom > paperHeight) {
    message.messages.warn(
        kTitle, QStringLiteral("枠がＡ４用紙（%1 %2×%3mm）からはみ出します。")
                    .arg(landscape ? QStringLiteral("横") : QStringLiteral("縦"),
                         NumberText(paperWidth), NumberText(paperHeight)));
    return refuse(v.right > paperWidth ? TxtR : TxtB);
  }
  const auto count = [&](QLineEdit* box, const QString& caption, int& into) {
    const auto n = TypedWholeNumber(box->text(), caption, 1, kMaxSheetsAcross, message);
    if (n) into = *n;
    return n.has_value();
  };
  if (!count(TxtH, QStringLiteral("横分割数"), v.cols)) return refuse(TxtH);
  if (!count(TxtV, QStringLiteral("縦分割数"), v.rows)) return refuse(TxtV);
  const auto page = TypedWholeNumber(TxtPage->text(), QStringLiteral("先頭頁番号"), kFirstPageNoLow,
                                     kFirstPageNoHigh, message);
  if (!page) return refuse(TxtPage);
  v.firstPage = *page;
  return v;
}

void FrmTeamMeisaiLayout::CmdQuit_Click() {
  const auto v = readBoxes();
  if (!v) return;
  TeamMeisaiLayout& layout = program_.teamMeisaiLayout;
  layout.TeamMeisaiLeft = v->left;
  layout.TeamMeisaiTop = v->top;
  layout.TeamMeisaiRight = v->right;
  layout.TeamMeisaiBottom = v->bottom;
  layout.TeamMeisaiCols = v->cols;
  layout.TeamMeisaiRows = v->rows;
  std::vector<TeamShumokuRec>& events = program_.team.TeamShumokus;
  for (std::size_t i = 0; i < print_.size() && i < events.size(); ++i) {
    events[i].InsatsuFlag = print_[i];
    events[i].KaipageFlag = newPage_[i];
    events[i].KaigyouFlag = newRow_[i];
  }
  program_.bunshou.FirstPageNo = v->firstPage;
  accept();
}

void FrmTeamMeisaiLayout::CmdCancel_Click() { reject(); }

void ShowTeamLayoutForm(Program& program, QWidget* parent,
                        const std::function<int(QDialog&)>& execDialog) {
  FrmTeamMeisaiLayout form(program, parent);
  form.Form_Load();
  if (execDialog) {
    execDialog(form);
  } else {
    form.exec();
  }
}

}  // namespace qv
