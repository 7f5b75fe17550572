#include "app/FrmTaikai.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/TaikaiList.h"
#include "platform/Files.h"
#include "platform/TextFile.h"
#include "platform/widgets/ConfirmFormClose.h"
#include "platform/widgets/DirListBox.h"
#include "platform/widgets/DriveListBox.h"
#include "platform/widgets/WindowFonts.h"
#include "program/Program.h"

namespace qv {

namespace {

const QString kTitle = QStringLiteral("大会データの選択");

// The folder itself when it exists, else its nearest existing parent; the fallback when
// none of them exists.
QString nearestFolder(const QString& folder, const QString& fallback) {
  QString f = QDir::cleanPath(folder);
  while (!folder.isEmpty() && !QFileInfo(f).isDir()) {
    const QString parent = QFileInfo(f).path();
    if (parent == f) break;
    f = parent;
  }
  return !folder.isEmpty() && QFileInfo(f).isDir() ? f : fallback;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

FrmTaikai::FrmTaikai(Program& program, bool layoutResizeEnabled, QWidget* parent)
    : QDialog(parent), program_(program), layoutResizeEnabled_(layoutResizeEnabled) {
  setObjectName(QStringLiteral("FrmTaikai"));
  setWindowTitle(kTitle);
  setModal(true);
  setFont(WindowFont());

  LblTitle = new QLabel(kTitle, this);
  LblTitle->setObjectName(QStringLiteral("LblTitle"));
  LblTitle->setFont(WindowTitleFont());
  LblKaisaiBi = new QLabel(QStringLiteral("開催日"), this);
  LblKaisaiBi->setObjectName(QStringLiteral("LblKaisaiBi"));
  LblTaikaiName = new QLabel(QStringLiteral("大会名称"), this);
  LblTaikaiName->setObjectName(QStringLiteral("LblTaikaiName"));
  DrvData = new platform::DriveListBox(this);
  DrvData->setObjectName(QStringLiteral("DrvData"));
  DirData = new platform::DirListBox(this);
  DirData->setObjectName(QStringLiteral("DirData"));
  DirData->setMinimumSize(240, 300);
  LstTaikai = new QListWidget(this);
  LstTaikai->setObjectName(QStringLiteral("LstTaikai"));
  LstTaikai->setFont(ListFont());
  LstTaikai->setMinimumWidth(460);
  LblMember = new QLabel(this);
  LblMember->setObjectName(QStringLiteral("LblMember"));
  CmdReturn = button(this, "CmdReturn", QStringLiteral("決　定"));
  CmdCancel = button(this, "CmdCancel", QStringLiteral("キャンセル"));
  CmdShinki = button(this, "CmdShinki", QStringLiteral("新規大会"));
  CmdShinki->setEnabled(false);
  CmdHenshuu = button(this, "CmdHenshuu", QStringLiteral("諸元編集"));
  CmdHenshuu->setEnabled(false);

  // The date heading is as wide as a date of the form yyyy/mm/dd and its two blanks, so
  // that the name heading stands over the names.
  const int frame = LstTaikai->frameWidth() + 4;
  LblKaisaiBi->setFixedWidth(frame + QFontMetrics(ListFont()).horizontalAdvance(
                                         QStringLiteral("0000/00/00  ")));

  auto* folders = new QVBoxLayout;
  folders->addWidget(DrvData);
  folders->addWidget(DirData, 1);
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  headings->addWidget(LblKaisaiBi);
  headings->addWidget(LblTaikaiName, 1);
  auto* list = new QVBoxLayout;
  list->addLayout(headings);
  list->addWidget(LstTaikai, 1);
  auto* body = new QHBoxLayout;
  body->addLayout(folders);
  body->addLayout(list, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CmdShinki);
  buttons->addWidget(CmdHenshuu);
  buttons->addStretch(1);
  buttons->addWidget(CmdReturn);
  buttons->addWidget(CmdCancel);
  auto* root = new QVBoxLayout(this);
  root->addWidget(LblTitle);
  root->addLayout(body, 1);
  root->addWidget(LblMember);
  root->addLayout(buttons);

  connect(DrvData, &platform::DriveListBox::Change, this, &FrmTaikai::DrvData_Change);
  connect(DirData, &platform::DirListBox::Change, this, &FrmTaikai::DirData_Change);
  connect(LstTaikai, &QListWidget::itemSelectionChanged, this, [this] {
    if (!LstTaikai->selectedItems().isEmpty()) LstTaikai_Click();
  });
  connect(LstTaikai, &QListWidget::itemDoubleClicked, this, &FrmTaikai::LstTaikai_DblClick);
  connect(CmdReturn, &QPushButton::clicked, this, &FrmTaikai::CmdReturn_Click);
  connect(CmdCancel, &QPushButton::clicked, this, &FrmTaikai::CmdCancel_Click);
}

void FrmTaikai::Form_Load() {
  if (layoutResizeEnabled_) platform::SaveFormLayout(*this, layout_);
  QString& dataFolder = program_.taikai.DataFolder;
  dataFolderAtLoad_ = dataFolder;
  {
    // A folder that is gone shows its nearest existing parent.
    const QSignalBlocker quiet(DirData);
    DirData->setPath(nearestFolder(dataFolder, nearestFolder(program_.programFolder, QDir::rootPath())));
  }
  DrvData->setDriveOf(DirData->path());
  setFolderPath();
  ListTaikai();
  CmdHenshuu->setEnabled(true);
  CmdReturn->setEnabled(false);
}

void FrmTaikai::setFolderPath() {
  program_.taikai.DataFolder = platform::withTrailingSeparator(DirData->path());
}

void FrmTaikai::DrvData_Change() {
  DirData->setPath(DrvData->drive());
  setFolderPath();
}

void FrmTaikai::DirData_Change() {
  DrvData->setDriveOf(DirData->path());
  setFolderPath();
  ListTaikai();
}

void FrmTaikai::LstTaikai_Click() {
  CmdReturn->setEnabled(true);
  setFolderPath();
}

void FrmTaikai::LstTaikai_DblClick() {
  CmdReturn->setEnabled(true);
  OpenSelectedTaikai();
}

void FrmTaikai::CmdReturn_Click() { OpenSelectedTaikai(); }

void FrmTaikai::CmdCancel_Click() {
  // Nothing is opened, and the data folder is the one the window was opened with.
  program_.taikai.DataFolder = dataFolderAtLoad_;
  unload();
}

void FrmTaikai::ListTaikai() {
  const QSignalBlocker quiet(LstTaikai);
  LstTaikai->clear();
  LstFile.clear();
  LblMember->clear();
  for (const TaikaiListLine& line : ListTaikaiFiles(program_.taikai.DataFolder)) {
    LstTaikai->addItem(line.text);
    LstFile.append(line.fileName);
  }
}

void FrmTaikai::OpenSelectedTaikai() {
  for (QPushButton* b : {CmdReturn, CmdCancel, CmdHenshuu, CmdShinki}) b->setEnabled(false);
  const QList<QListWidgetItem*> selected = LstTaikai->selectedItems();
  const int row = selected.isEmpty() ? -1 : LstTaikai->row(selected.front());
  if (row >= 0 && row < LstFile.size()) {
    try {
      openResult_ = OpenTaikai(program_, LstFile[row]);
      opened_ = true;
      // The next start looks for tournaments in this folder.
      const QString path = program_.programFolder + QStringLiteral("前回ファイル.cfg");
      QString error;
      if (!platform::writeTextLines(path, {program_.taikai.DataFolder}, &error))
        program_.messages.warn(kTitle, path + QStringLiteral("\n書き込めません: ") + error);
    } catch (const platform::ProgramEnd& end) {
      ended_ = end;
    }
  }
  unload();
}

void FrmTaikai::ThrowIfEnded() const {
  if (ended_) throw *ended_;
}

void FrmTaikai::unload() {
  unloading_ = true;
  if (layoutResizeEnabled_) platform::ClearFormLayout(*this, layout_);
  done(opened_ ? QDialog::Accepted : QDialog::Rejected);
}

void FrmTaikai::closeEvent(QCloseEvent* event) {
  if (!unloading_ && ConfirmFormClose(UnloadMode::CloseBox, program_.messages) != 0) {
    event->ignore();
    return;
  }
  event->accept();
}

void FrmTaikai::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (layoutResizeEnabled_) platform::ResizeFormLayout(*this, layout_);
}

// Esc is the キャンセル of the window.
void FrmTaikai::reject() {
  if (!unloading_) CmdCancel_Click();
}

}  // namespace qv
