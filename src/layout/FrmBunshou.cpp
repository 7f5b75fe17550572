#include "layout/FrmBunshou.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "data/Model.h"
#include "layout/FontCombo.h"
#include "platform/widgets/WindowControls.h"

namespace qv {

namespace {

const QString kTitle = QStringLiteral("印刷文章の編集");
const QString kLineBreak = QStringLiteral("\r\n");

// Phrase texts keep CR LF between their lines; the box shows plain line breaks.
QString shownText(const QString& text) {
  QString s = text;
  return s.replace(kLineBreak, QStringLiteral("\n"));
}

QString storedText(const QString& shown) {
  QString s = shown;
  return s.replace(QChar('\n'), kLineBreak);
}

QString phraseText(const BunshouState& b, int i) {
  return i >= 0 && i < b.BunshouTexts.size() ? b.BunshouTexts[i] : QString();
}

}  // namespace

FrmBunshou::FrmBunshou(Model& model, QWidget* parent) : QDialog(parent), model_(model) {
  SetUpDialog(*this, QStringLiteral("FrmBunshou"), kTitle);

  // Made first, so that it is first in the tab order and holds the focus at the opening.
  CmdReturn = commandButton(this, "CmdReturn", QStringLiteral("戻　る"), 30);
  Label1 = named(new QLabel(kTitle, this), "Label1");
  Label1->setFont(WindowTitleFont());
  Label2 = named(new QLabel(QStringLiteral("文章名"), this), "Label2");
  CmbBunshou = named(new QComboBox(this), "CmbBunshou");
  CmbBunshou->setEditable(true);
  CmbBunshou->setInsertPolicy(QComboBox::NoInsert);
  CmbBunshou->setMinimumWidth(320);
  LstBunshou = named(new QListWidget(this), "LstBunshou");
  LstBunshou->setVisible(false);
  Label3 = named(new QLabel(QStringLiteral("文章"), this), "Label3");
  TxtBunshou = named(new QPlainTextEdit(this), "TxtBunshou");
  TxtBunshou->setFont(ListFont());
  TxtBunshou->setLineWrapMode(QPlainTextEdit::NoWrap);
  TxtBunshou->setMinimumSize(520, 260);
  Label5 = named(new QLabel(QStringLiteral("フォント名"), this), "Label5");
  CmbFont = named(new QComboBox(this), "CmbFont");
  CmbFont->setEditable(true);
  CmbFont->setInsertPolicy(QComboBox::NoInsert);
  CmbFont->setMinimumWidth(240);

  auto* fields = new QGridLayout;
  fields->addWidget(Label2, 0, 0);
  fields->addWidget(CmbBunshou, 0, 1, Qt::AlignLeft);
  fields->addWidget(Label3, 1, 0, Qt::AlignTop);
  fields->addWidget(TxtBunshou, 1, 1);
  fields->addWidget(Label5, 2, 0);
  fields->addWidget(CmbFont, 2, 1, Qt::AlignLeft);
  fields->setColumnStretch(1, 1);
  fields->setRowStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(CmdReturn);
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(14, 10, 14, 14);
  root->addWidget(Label1);
  root->addLayout(fields, 1);
  root->addLayout(buttons);

  connect(CmbBunshou, &QComboBox::activated, this, [this] { CmbBunshou_Click(); });
  focus_.watch(CmbBunshou, [this] { CmbBunshou_GotFocus(); }, [this] { CmbBunshou_LostFocus(); });
  focus_.watch(TxtBunshou, [this] { TxtBunshou_GotFocus(); }, [this] { TxtBunshou_LostFocus(); });
  connect(CmdReturn, &QPushButton::clicked, this, &FrmBunshou::CmdReturn_Click);
}

void FrmBunshou::Form_Load() {
  SetFontCombo(*CmbFont, model_);
  ShowBunshouList();
  // Set once here, so that rebuilding the list after an added phrase keeps a font the
  // user has already chosen.
  CmbFont->setEditText(model_.bunshou.SelBunshouFont);
  CmdReturn->setFocus();
}

bool FrmBunshou::eventFilter(QObject* watched, QEvent* event) {
  focus_.dispatch(watched, event);
  return QDialog::eventFilter(watched, event);
}

void FrmBunshou::ShowBunshouList() {
  BunshouState& b = model_.bunshou;
  {
    const QSignalBlocker quiet(CmbBunshou);
    CmbBunshou->clear();
    LstBunshou->clear();
  }
  if (b.CurrentBunshou < 0) b.CurrentBunshou = 0;
  // The chain from its head; a chain that leaves the list or runs in a circle stops.
  const int count = b.BunshouCount();
  int i = b.BunshouNewHead;
  for (int k = 0; i >= 0 && i < count && i < b.BunshouIds.size() && k < count; ++k) {
    {
      const QSignalBlocker quiet(CmbBunshou);
      CmbBunshou->addItem(b.BunshouNames[i]);
    }
    LstBunshou->addItem(QString::number(i));
    if (i == b.CurrentBunshou) {
      {
        const QSignalBlocker quiet(CmbBunshou);
        CmbBunshou->setCurrentIndex(k);
      }
      CmbBunshou_Click();
    }
    i = b.BunshouIds[i];
  }
  TxtBunshou->setPlainText(shownText(phraseText(b, b.CurrentBunshou)));
}

void FrmBunshou::CmbBunshou_Click() {
  BunshouState& b = model_.bunshou;
  const QListWidgetItem* entry = LstBunshou->item(CmbBunshou->currentIndex());
  if (entry == nullptr) return;
  b.CurrentBunshou = entry->text().toInt();
  TxtBunshou->setPlainText(shownText(phraseText(b, b.CurrentBunshou)));
}

void FrmBunshou::showCurrent() {
  const QString index = QString::number(model_.bunshou.CurrentBunshou);
  for (int k = 0; k < LstBunshou->count(); ++k) {
    if (LstBunshou->item(k)->text() != index) continue;
    {
      const QSignalBlocker quiet(CmbBunshou);
      CmbBunshou->setCurrentIndex(k);
    }
    CmbBunshou->setEditText(CmbBunshou->itemText(k));
    CmbBunshou_Click();
    break;
  }
  cmbTag_ = CmbBunshou->currentText();
}

void FrmBunshou::CmbBunshou_GotFocus() { cmbTag_ = CmbBunshou->currentText(); }

int FrmBunshou::listedPhrase(const QString& name) const {
  const BunshouState& b = model_.bunshou;
  if (b.CurrentBunshou >= 0 && b.CurrentBunshou < b.BunshouCount() &&
      b.BunshouNames[b.CurrentBunshou] == name)
    return b.CurrentBunshou;
  const int at = CmbBunshou->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const QListWidgetItem* entry = LstBunshou->item(at);
  return entry == nullptr ? -1 : entry->text().toInt();
}

void FrmBunshou::CmbBunshou_LostFocus() {
  const QString name = CmbBunshou->currentText();
  if (name == cmbTag_) return;
  cmbTag_ = name;
  BunshouState& b = model_.bunshou;
  // A listed name, picked or typed again, is that phrase, and a blank name is no phrase:
  // only a new name adds a phrase, so a pick never leaves an empty twin behind.
  const int listed = listedPhrase(name);
  if (listed >= 0 || name.trimmed().isEmpty()) {
    if (listed >= 0) b.CurrentBunshou = listed;
    showCurrent();
    return;
  }
  const int n = b.BunshouCount();
  b.BunshouNames.append(name);
  b.BunshouTexts.append(QString());
  b.BunshouFlags.append(false);
  b.BunshouIds.append(b.BunshouNewHead);
  b.BunshouNewHead = n;
  b.CurrentBunshou = n;
  ShowBunshouList();
}

void FrmBunshou::TxtBunshou_GotFocus() { txtTag_ = TxtBunshou->toPlainText(); }

void FrmBunshou::TxtBunshou_LostFocus() {
  const QString text = TxtBunshou->toPlainText();
  if (text == txtTag_) return;
  txtTag_ = text;
  BunshouState& b = model_.bunshou;
  if (b.CurrentBunshou < 0 || b.CurrentBunshou >= b.BunshouCount()) return;
  b.BunshouTexts[b.CurrentBunshou] = storedText(text);
  b.BunshouChanged = true;
}

void FrmBunshou::CmdReturn_Click() {
  // The box being edited gives up its edit first, as leaving it for the button would.
  if (QWidget* box = focusWidget()) box->clearFocus();
  BunshouState& b = model_.bunshou;
  b.SelBunshouName = CmbBunshou->currentText();
  b.SelBunshouText = storedText(TxtBunshou->toPlainText());
  b.SelBunshouFont = CmbFont->currentText();
  returned_ = true;
  accept();
}

bool ShowBunshouForm(Model& model, QWidget* parent) {
  FrmBunshou form(model, parent);
  form.Form_Load();
  form.exec();
  return form.Returned();
}

}  // namespace qv
