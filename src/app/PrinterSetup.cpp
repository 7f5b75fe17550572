#include "app/PrinterSetup.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/Files.h"

namespace qv {

namespace {

// The dialog's own field for the output file. Giving the printer the file name instead
// would turn it into a PDF printer and preselect "print to file" over the CUPS printer.
void proposeOutputFile(QPrintDialog& dialog, const QPrinter& printer, const QString& file) {
  if (file.isEmpty() || !printer.outputFileName().isEmpty()) return;  // the user's choice stays
  if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) field->setText(file);
}

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
    if (proposedOutputFile) proposeOutputFile(dialog, printer, proposedOutputFile());
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

QString TournamentPdfFile(const QString& dataFolder, const QString& taikaiFileName) {
  if (taikaiFileName.isEmpty()) return {};
  const QString name = QFileInfo(taikaiFileName).completeBaseName() + QStringLiteral(".pdf");
  // Absolute: the dialog takes a relative name as one in the home folder.
  return QFileInfo(platform::joinPath(dataFolder, name)).absoluteFilePath();
}

std::unique_ptr<PrinterSetup> MakeQtPrinterSetup(QWidget* parent) {
  return std::make_unique<QtPrinterSetup>(parent);
}

}  // namespace qv
