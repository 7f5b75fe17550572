#include "app/CurrentPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <limits>

#include "app/CupsJobOptions.h"
#include "app/PrinterSetup.h"
#include "platform/PrintFonts.h"
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
      setup_(MakeQtPrinterSetup()),
      fonts_(std::make_unique<platform::PrintFonts>()) {}

CurrentPrinter::~CurrentPrinter() = default;

QPrinter& CurrentPrinter::printer() const {
  // Made when a command first needs it: setting up the system printer costs the start-up a
  // tenth of its time, and most of it is the print system's own loading.
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The charts place everything from the paper's top-left corner.
    printer_->setFullPage(true);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    // The jobs' title in the print queue and the name cups-pdf gives their files
    // (Quorvane-job_N.pdf); a Japanese title would reach cups-pdf as octal escapes.
    printer_->setDocName(QStringLiteral("Quorvane"));
  }
  return *printer_;
}

void CurrentPrinter::setSetup(std::unique_ptr<PrinterSetup> setup) { setup_ = std::move(setup); }

QString CurrentPrinter::deviceName() const {
  const QPrinter& p = printer();
  if (p.outputFormat() == QPrinter::PdfFormat) return p.outputFileName();
  return p.printerName();
}

void CurrentPrinter::selectPrinter(const QString& name) {
  QPrinter& p = printer();
  p.setOutputFileName(QString());
  p.setOutputFormat(QPrinter::NativeFormat);
  p.setPrinterName(name);
}

bool CurrentPrinter::applyDialogValue(int value) {
  if (value < 1 || value > std::numeric_limits<qint16>::max()) return false;
  printer().setCopyCount(value);
  return true;
}

void CurrentPrinter::setPaper(const QString& paperName, const QString& orientationWord,
                              float paperWidth, float paperHeight) {
  QPrinter& p = printer();
  p.setPageSize(QPageSize(paperSizeOf(paperName)));
  if (orientationWord == QStringLiteral("横") ||
      (orientationWord != QStringLiteral("縦") && paperWidth > paperHeight))
    p.setPageOrientation(QPageLayout::Landscape);
  else if (orientationWord == QStringLiteral("縦"))
    p.setPageOrientation(QPageLayout::Portrait);
  p.setFullPage(true);
}

// The printer's surface; a printer or file that cannot be opened is reported by name.
class PrintJob::OpeningSurface : public platform::QtPrintSurface {
 public:
  OpeningSurface(QPrinter& printer, platform::PrintFonts& fonts)
      : QtPrintSurface(printer, &fonts), printer_(printer) {}

  void beginDocument() override {
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    const QString name = toFile ? printer_.outputFileName() : printer_.printerName();
    const QString message =
        toFile ? QStringLiteral("出力ファイル「%1」を開けませんでした").arg(name)
               : QStringLiteral("プリンタ「%1」を開けませんでした").arg(name);
    if (toFile ? name.isEmpty() : !printerInstalled(name)) throw PrintJobError(message);
    if (!toFile) ApplyCupsJobOptions(printer_);
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
    own_ = std::make_unique<OpeningSurface>(printer.printer(), printer.fonts());
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
