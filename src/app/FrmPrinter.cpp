#include "app/FrmPrinter.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

#include "app/CurrentPrinter.h"
#include "app/PrinterSetup.h"
#include "platform/widgets/WindowFonts.h"
#include "print/PrintRunState.h"

namespace qv {

namespace {

// The name the platform gives a pseudo printer that cannot print.
const QString kRenderingSubsystem = QStringLiteral("Rendering Subsystem");

bool fitsIn16Bits(int value) {
  return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

}  // namespace

FrmPrinter::FrmPrinter(PrintRunState& run, CurrentPrinter& printer, QWidget* parent)
    : QDialog(parent), run_(run), printer_(printer) {
  setObjectName(QStringLiteral("FrmPrinter"));
  setWindowTitle(QStringLiteral("プリンタの選択"));
  setModal(true);
  setFont(WindowFont());
  Label1 = new QLabel(QStringLiteral("プリンタの選択"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  LblPrinter = new QLabel(QStringLiteral("Label2"), this);
  LblPrinter->setObjectName(QStringLiteral("LblPrinter"));
  LstPrinter = new QListWidget(this);
  LstPrinter->setObjectName(QStringLiteral("LstPrinter"));
  CmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
  CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
  CmdCancel->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(LblPrinter);
  layout->addWidget(LstPrinter, 1);
  layout->addWidget(CmdCancel, 0, Qt::AlignRight);
  connect(LstPrinter, &QListWidget::itemClicked, this, [this] { LstPrinter_Click(); });
  connect(CmdCancel, &QPushButton::clicked, this, &FrmPrinter::CmdCancel_Click);
}

void FrmPrinter::Form_Activate() {
  if (!run_.PrinterListMode) {
    hide();
    ShowPrinterSetup();
    return;
  }
  LblPrinter->setText(printer_.deviceName());
  ListPrinters();
}

void FrmPrinter::ShowPrinterSetup() {
  // Any failure from here on ends like a cancel, without a message; what was read back
  // before it stays read back.
  const bool accepted = [this] {
    if (run_.PrinterOrientation != 0 && run_.PrinterOrientation != 1 &&
        run_.PrinterOrientation != 2)
      return false;
    if (!fitsIn16Bits(run_.PrinterDialogValue)) return false;
    const auto choice =
        printer_.setup().showSetup(printer_.printer(), run_.PrinterOrientation, run_.PrinterDialogValue);
    if (!choice) return false;
    run_.PrinterOrientation = choice->orientation;
    run_.PrinterDialogValue = static_cast<qint16>(choice->dialogValue);
    return printer_.applyDialogValue(run_.PrinterDialogValue);
  }();
  run_.PrinterCancel = !accepted;
  unload();
}

void FrmPrinter::ListPrinters() {
  LstPrinter->clear();
  const QStringList names = printer_.installedPrinters ? printer_.installedPrinters() : QStringList();
  for (const QString& name : names)
    if (name != kRenderingSubsystem) LstPrinter->addItem(name);
}

void FrmPrinter::SelectListedPrinter() {
  const QListWidgetItem* current = LstPrinter->currentItem();
  if (current == nullptr) return;
  const QStringList names = printer_.installedPrinters ? printer_.installedPrinters() : QStringList();
  for (const QString& name : names) {
    if (name == current->text()) {
      printer_.selectPrinter(name);
      return;
    }
  }
}

void FrmPrinter::LstPrinter_Click() {
  SelectListedPrinter();
  LblPrinter->setText(printer_.deviceName());
  ShowPrinterSetup();
}

void FrmPrinter::CmdCancel_Click() {
  run_.PrinterCancel = true;
  unload();
}

void FrmPrinter::reject() {
  if (!unloaded_) CmdCancel_Click();
}

void FrmPrinter::unload() {
  unloaded_ = true;
  done(QDialog::Rejected);
}

void ShowPrinterForm(PrintRunState& run, CurrentPrinter& printer,
                     const std::function<int(QDialog&)>& execDialog) {
  // A fresh window per command, so that each one activates, and so runs the dialog, once.
  FrmPrinter form(run, printer);
  form.Form_Activate();
  if (form.Unloaded()) return;
  if (execDialog) execDialog(form);
  else form.exec();
}

}  // namespace qv
