#include "app/CurrentPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <limits>

#include "app/PrinterSetup.h"
#include "platform/QtPrintSurface.h"
#include "print/PrintDevice.h"

namespace qv {

namespace {

QPageSize::PageSizeId paperSizeOf(const QString& name) {
  // B4 and B5 of the layout are the Japanese sizes (257 × 364 and 182 × 257 mm).
  if (name == QStringLiteral("A3")) return QPageSize::A3;
  if (name == QStringLiteral("B4")) return QPageSize::JisB4;
  if (name == QStringLiteral("B5")) return QPageSize::JisB5;
  return QPageSize::A4;
}

bool printerInstalled(const QString& name) {
  return !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name);
}

}  // namespace

CurrentPrinter::CurrentPrinter()
    : installedPrinters([] { return QPrinterInfo::availablePrinterNames(); }),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      setup_(MakeQtPrinterSetup()) {
  // The charts place everything from the paper's top-left corner.
  printer_->setFullPage(true);
  printer_->setPageSize(QPageSize(QPageSize::A4));
}

CurrentPrinter::~CurrentPrinter() = default;

void CurrentPrinter::setSetup(std::unique_ptr<PrinterSetup> setup) { setup_ = std::move(setup); }

QString CurrentPrinter::deviceName() const {
  if (printer_->outputFormat() == QPrinter::PdfFormat) return printer_->outputFileName();
  return printer_->printerName();
}

void CurrentPrinter::selectPrinter(const QString& name) {
  printer_->setOutputFileName(QString());
  printer_->setOutputFormat(QPrinter::NativeFormat);
  printer_->setPrinterName(name);
}

bool CurrentPrinter::applyDialogValue(int value) {
  if (value < 1 || value > std::numeric_limits<qint16>::max()) return false;
  printer_->setCopyCount(value);
  return true;
}

void CurrentPrinter::setPaper(const QString& paperName, const QString& orientationWord,
                              float paperWidth, float paperHeight) {
  printer_->setPageSize(QPageSize(paperSizeOf(paperName)));
  if (orientationWord == QStringLiteral("横") ||
      (orientationWord != QStringLiteral("縦") && paperWidth > paperHeight))
    printer_->setPageOrientation(QPageLayout::Landscape);
  else if (orientationWord == QStringLiteral("縦"))
    printer_->setPageOrientation(QPageLayout::Portrait);
  printer_->setFullPage(true);
}

// The printer's surface; a printer or file that cannot be opened is reported by name.
class PrintJob::OpeningSurface : public platform::QtPrintSurface {
 public:
  explicit OpeningSurface(QPrinter& printer) : QtPrintSurface(printer), printer_(printer) {}

  void beginDocument() override {
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    const QString name = toFile ? printer_.outputFileName() : printer_.printerName();
    const QString message =
        toFile ? QStringLiteral("出力ファイル「%1」を開けませんでした").arg(name)
               : QStringLiteral("プリンタ「%1」を開けませんでした").arg(name);
    if (toFile ? name.isEmpty() : !printerInstalled(name)) throw PrintJobError(message);
    try {
      QtPrintSurface::beginDocument();
    } catch (const std::runtime_error&) {
      throw PrintJobError(message);
    }
  }

 private:
  QPrinter& printer_;
};

PrintJob::PrintJob(CurrentPrinter& printer, PrintDevice& device)
    : device_(device), previous_(device.surface()) {
  PrintSurface* surface = printer.testSurface();
  if (surface == nullptr) {
    own_ = std::make_unique<OpeningSurface>(printer.printer());
    surface = own_.get();
  }
  device_.attachSurface(surface);
  device_.ForgetPreviousJob();
}

PrintJob::~PrintJob() {
  // A job that an error left open is ended here; its output is not sent half-done to
  // the caller's next job.
  if (device_.DocStarted) device_.ClosePrint();
  device_.attachSurface(previous_);
}

}  // namespace qv
