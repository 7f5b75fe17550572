#include "layout/FrmMojiretsu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


#include "data/Model.h"
#include "data/TextVars.h"
#include "layout/FontCombo.h"
#include "layout/TypedNumbers.h"
#include "platform/widgets/WindowControls.h"

namespace qv {

namespace {

const QString kTitle = QStringLiteral("各頁に印刷する固定文字");
const QString kHeadings = QStringLiteral("全頁 現頁 左　 上　 高　　内容");

// The headings stand in one label of a fixed-pitch face; each column is as wide as its
// heading, so that the boxes stand under their words.
QFont headingFont() {
  QFont f = ListFont();
  f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
  return f;
}

}  // namespace

FrmMojiretsu::FrmMojiretsu(Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  SetUpDialog(*this, QStringLiteral("FrmMojiretsu"), kTitle);
  buildControls();
}

void FrmMojiretsu::buildControls() {
  Label1 = named(new QLabel(kTitle, this), QStringLiteral("Label1"));
  Label1->setFont(WindowTitleFont());
  Label2 = named(new QLabel(kHeadings, this), QStringLiteral("Label2"));
  Label2->setFont(headingFont());

  const QFontMetrics heading(headingFont());
  const std::array<int, 5> columnWidths{
      heading.horizontalAdvance(QStringLiteral("全頁 ")), heading.horizontalAdvance(QStringLiteral("現頁 ")),
      heading.horizontalAdvance(QStringLiteral("左　 ")), heading.horizontalAdvance(QStringLiteral("上　 ")),
      heading.horizontalAdvance(QStringLiteral("高　　"))};

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(0);
  rows->setVerticalSpacing(2);
  rows->addWidget(Label2, 0, 0, 1, 6);
  for (int c = 0; c < 5; ++c) rows->setColumnMinimumWidth(c, columnWidths[static_cast<std::size_t>(c)]);
  rows->setColumnStretch(5, 1);
  const auto numberBox = [&](const char* name, int i, int column) {
    auto* box = named(new QLineEdit(this), indexed(name, i));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(columnWidths[static_cast<std::size_t>(column)] - 4);
    rows->addWidget(box, i + 1, column, Qt::AlignLeft);
    return box;
  };
  for (int i = 0; i < kRows; ++i) {
    ChkZenPage[i] = named(new QCheckBox(this), indexed("ChkZenPage", i));
    ChkPage[i] = named(new QCheckBox(this), indexed("ChkPage", i));
    rows->addWidget(ChkZenPage[i], i + 1, 0, Qt::AlignLeft);
    rows->addWidget(ChkPage[i], i + 1, 1, Qt::AlignLeft);
    TxtLeft[i] = numberBox("TxtLeft", i, 2);
    TxtTop[i] = numberBox("TxtTop", i, 3);
    TxtSize[i] = numberBox("TxtSize", i, 4);
    TxtPage[i] = named(new QLineEdit(this), indexed("TxtPage", i));
    TxtPage[i]->setMinimumWidth(360);
    rows->addWidget(TxtPage[i], i + 1, 5);
  }
  // The page number's text is not edited here: its row names the field instead.
  TxtPage[kPageNumberRow]->setVisible(false);
  LblPageNo = named(new QLabel(QStringLiteral("頁番号"), this), QStringLiteral("LblPageNo"));
  rows->addWidget(LblPageNo, kPageNumberRow + 1, 5);

  Label3 = named(new QLabel(QStringLiteral("先頭の頁番号"), this), QStringLiteral("Label3"));
  TxtKaishi = named(new QLineEdit(this), QStringLiteral("TxtKaishi"));
  TxtKaishi->setAlignment(Qt::AlignRight);
  TxtKaishi->setFixedWidth(QFontMetrics(TxtKaishi->font()).horizontalAdvance(QStringLiteral("0000000")) + 12);
  Label4 = named(new QLabel(QStringLiteral("フォント名"), this), QStringLiteral("Label4"));
  CmbFont = named(new QComboBox(this), QStringLiteral("CmbFont"));
  CmbFont->setEditable(true);
  CmbFont->setInsertPolicy(QComboBox::NoInsert);
  CmbFont->setMinimumWidth(220);
  CmdReturn = commandButton(this, "CmdReturn", QStringLiteral("戻　る"), 30);

  auto* foot = new QHBoxLayout;
  foot->addWidget(Label3);
  foot->addWidget(TxtKaishi);
  foot->addSpacing(24);
  foot->addWidget(Label4);
  foot->addWidget(CmbFont);
  foot->addStretch(1);
  foot->addWidget(CmdReturn);

  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(14, 10, 14, 14);
  root->addWidget(Label1);
  root->addLayout(rows, 1);
  root->addSpacing(8);
  root->addLayout(foot);

  // Only what the user does raises the handlers; filling the rows does not.
  for (int i = 0; i < kRows; ++i) {
    connect(ChkZenPage[i], &QCheckBox::clicked, this, [this, i] { ChkZenPage_Click(i); });
    connect(ChkPage[i], &QCheckBox::clicked, this, [this, i] { ChkPage_Click(i); });
    focus_.watch(TxtLeft[i], [this, i] { TxtLeft_GotFocus(i); }, [this, i] { TxtLeft_LostFocus(i); });
    focus_.watch(TxtTop[i], [this, i] { TxtTop_GotFocus(i); }, [this, i] { TxtTop_LostFocus(i); });
    focus_.watch(TxtSize[i], [this, i] { TxtSize_GotFocus(i); }, [this, i] { TxtSize_LostFocus(i); });
    focus_.watch(TxtPage[i], [this, i] { TxtPage_GotFocus(i); }, [this, i] { TxtPage_LostFocus(i); });
  }
  focus_.watch(TxtKaishi, [this] { TxtKaishi_GotFocus(); }, [this] { TxtKaishi_LostFocus(); });
  // A font counts only when picked from the list; a typed name is not taken.
  connect(CmbFont, &QComboBox::activated, this, [this] { CmbFont_Click(); });
  connect(CmdReturn, &QPushButton::clicked, this, &FrmMojiretsu::CmdReturn_Click);
}

void FrmMojiretsu::Form_Load() {
  SetFontCombo(*CmbFont, model_);
  ShowMojiretsuList();
}

bool FrmMojiretsu::eventFilter(QObject* watched, QEvent* event) {
  focus_.dispatch(watched, event);
  return QDialog::eventFilter(watched, event);
}

PageRec* FrmMojiretsu::currentPage() {
  InsatsuSeigyoState& insatsu = model_.insatsu;
  std::vector<PageRec>& pages = insatsu.InsatsuSeigyo.Pages;
  if (insatsu.CurrentPage < 0 || insatsu.CurrentPage >= static_cast<int>(pages.size())) return nullptr;
  return &pages[static_cast<std::size_t>(insatsu.CurrentPage)];
}

void FrmMojiretsu::ShowMojiretsuList() {
  FormReady = false;
  const BunshouState& b = model_.bunshou;
  const PageRec* page = currentPage();
  for (int i = 0; i < kRows; ++i) {
    const auto f = static_cast<std::size_t>(i);
    const BunshouItem& item = b.BunshouItems[f];
    ChkZenPage[i]->setChecked(b.BunshouItemOn[f]);
    ChkPage[i]->setChecked(page != nullptr && page->KoteiInsatsu[f]);
    ChkPage[i]->setEnabled(page != nullptr);
    TxtLeft[i]->setText(NumberText(item.X));
    TxtTop[i]->setText(NumberText(item.Y));
    TxtSize[i]->setText(NumberText(item.Height));
    // A placeholder shows its present value.
    QString s = item.Text;
    if (s.startsWith(QChar('&'))) s = LookupTextVars(model_.textVars, s.mid(1));
    TxtPage[i]->setText(s);
    TxtPage[i]->setCursorPosition(0);
  }
  TxtKaishi->setText(QString::number(b.FirstPageNo));
  CmbFont->setEditText(b.BunshouFont);
  FormReady = true;
}

void FrmMojiretsu::ChkZenPage_Click(int index) {
  if (!FormReady) return;
  model_.bunshou.BunshouItemOn[static_cast<std::size_t>(index)] = ChkZenPage[index]->isChecked();
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::ChkPage_Click(int index) {
  PageRec* page = currentPage();
  if (!FormReady || page == nullptr) return;
  page->KoteiInsatsu[static_cast<std::size_t>(index)] = ChkPage[index]->isChecked();
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::CmbFont_Click() {
  if (!FormReady) return;
  model_.bunshou.BunshouFont = CmbFont->currentText();
  model_.insatsu.LayoutChanged = true;
}

std::optional<float> FrmMojiretsu::typedNumber(QLineEdit* box, const QString& tag,
                                               const QString& caption, NumberRange range) {
  const auto v = TypedNumber(box->text(), caption, range, BoxMessage{model_.messages, kTitle});
  if (!v) box->setText(tag);
  return v;
}

void FrmMojiretsu::TxtLeft_GotFocus(int index) { leftTag_[static_cast<std::size_t>(index)] = TxtLeft[index]->text(); }
void FrmMojiretsu::TxtTop_GotFocus(int index) { topTag_[static_cast<std::size_t>(index)] = TxtTop[index]->text(); }
void FrmMojiretsu::TxtSize_GotFocus(int index) { sizeTag_[static_cast<std::size_t>(index)] = TxtSize[index]->text(); }
void FrmMojiretsu::TxtPage_GotFocus(int index) { pageTag_[static_cast<std::size_t>(index)] = TxtPage[index]->text(); }
void FrmMojiretsu::TxtKaishi_GotFocus() { kaishiTag_ = TxtKaishi->text(); }

void FrmMojiretsu::TxtLeft_LostFocus(int index) {
  const auto f = static_cast<std::size_t>(index);
  if (!FormReady || TxtLeft[index]->text() == leftTag_[f]) return;
  // A negative left edge is the right-aligned form of the field.
  const auto x = typedNumber(TxtLeft[index], leftTag_[f], QStringLiteral("左"), kPageTextMm);
  if (!x) return;
  leftTag_[f] = TxtLeft[index]->text();
  model_.bunshou.BunshouItems[f].X = *x;
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::TxtTop_LostFocus(int index) {
  const auto f = static_cast<std::size_t>(index);
  if (!FormReady || TxtTop[index]->text() == topTag_[f]) return;
  const auto y = typedNumber(TxtTop[index], topTag_[f], QStringLiteral("上"), kPageTextMm);
  if (!y) return;
  topTag_[f] = TxtTop[index]->text();
  model_.bunshou.BunshouItems[f].Y = *y;
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::TxtSize_LostFocus(int index) {
  const auto f = static_cast<std::size_t>(index);
  if (!FormReady || TxtSize[index]->text() == sizeTag_[f]) return;
  const auto size = typedNumber(TxtSize[index], sizeTag_[f], QStringLiteral("高"), kPageTextMm);
  if (!size) return;
  sizeTag_[f] = TxtSize[index]->text();
  // One size sets the character height, width and pitch alike.
  BunshouItem& item = model_.bunshou.BunshouItems[f];
  item.Height = *size;
  item.Width = item.Height;
  item.Pitch = item.Width;
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::TxtPage_LostFocus(int index) {
  const auto f = static_cast<std::size_t>(index);
  if (!FormReady || TxtPage[index]->text() == pageTag_[f]) return;
  pageTag_[f] = TxtPage[index]->text();
  model_.bunshou.BunshouItems[f].Text = TxtPage[index]->text();
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::TxtKaishi_LostFocus() {
  if (!FormReady || TxtKaishi->text() == kaishiTag_) return;
  const auto n = TypedWholeNumber(TxtKaishi->text(), QStringLiteral("先頭の頁番号"), kFirstPageNoLow,
                                  kFirstPageNoHigh, BoxMessage{model_.messages, kTitle});
  if (!n) {
    TxtKaishi->setText(kaishiTag_);
    return;
  }
  kaishiTag_ = TxtKaishi->text();
  model_.bunshou.FirstPageNo = *n;
  model_.insatsu.LayoutChanged = true;
}

void FrmMojiretsu::CmdReturn_Click() {
  // The box being edited gives up its edit first, as leaving it for the button would.
  if (QWidget* box = focusWidget()) box->clearFocus();
  accept();
}

void ShowMojiretsuForm(Model& model, QWidget* parent) {
  FrmMojiretsu form(model, parent);
  form.Form_Load();
  form.exec();
}

}  // namespace qv
