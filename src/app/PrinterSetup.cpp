#include "app/PrinterSetup.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace qv {

namespace {

class QtPrinterSetup : public PrinterSetup {
 public:
  explicit QtPrinterSetup(QWidget* parent) : parent_(parent) {}

  std::optional<PrinterSetupChoice> showSetup(QPrinter& printer, int orientation,
                                              int dialogValue) override {
    if (orientation == 1) printer.setPageOrientation(QPageLayout::Portrait);
    if (orientation == 2) printer.setPageOrientation(QPageLayout::Landscape);
    if (dialogValue > 0) printer.setCopyCount(dialogValue);
    QPrintDialog dialog(&printer, parent_);
    // The set-up form: printer, paper, orientation, copies; no page range to pick, since
    // the print-control window selects the pages.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PrinterSetupChoice choice;
    choice.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    choice.dialogValue = printer.copyCount();
    return choice;
  }

 private:
  QWidget* parent_;
};

}  // namespace

std::unique_ptr<PrinterSetup> MakeQtPrinterSetup(QWidget* parent) {
  return std::make_unique<QtPrinterSetup>(parent);
}

}  // namespace qv
