#pragma once
// The printer the print commands draw on: the system printer or PDF file chosen in the
// printer window, kept for the whole program run, and the job that draws on it.
//
// How a print command opens its job:
//
//   program.run.PrinterOrientation = 1;                     // preset, or leave it as it is
//   ShowPrinterForm(program.run, printer, execDialog);      // the printer window
//   if (program.run.PrinterCancel) return;                  // cancelled or failed
//   printer.setPaper(paperName, orientationWord);           // optional
//   PrintJob job(printer, program.device);                  // attaches the surface
//   try {
//     program.device.OpenPrint(program);
//     program.device.StartPrintDoc();                       // opens the printer or file now
//     ...draw, NewPage...
//     program.device.ClosePrint();                          // sends the job
//   } catch (const PrintJobError& e) {                      // the job could not be opened
//     program.messages.warn(title, e.message());            // names the printer or file
//   }
//
// In tests, setSetup() takes a scripted dialog (choosing a PDF file, or cancelling) and
// drawOn() a recording surface instead of the printer.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class QPrinter;

namespace platform {
class PrintFonts;
}

namespace qv {

class PrintDevice;
class PrintSurface;
class PrinterSetup;

class CurrentPrinter {
 public:
  CurrentPrinter();
  ~CurrentPrinter();
  CurrentPrinter(const CurrentPrinter&) = delete;
  CurrentPrinter& operator=(const CurrentPrinter&) = delete;

  // The system printer, set up on first use.
  QPrinter& printer() const;
  PrinterSetup& setup() { return *setup_; }
  // The fonts the jobs print in, kept for the program run.
  platform::PrintFonts& fonts() { return *fonts_; }
  void setSetup(std::unique_ptr<PrinterSetup> setup);

  // Jobs draw on this surface instead of the printer (not owned); nullptr: the printer.
  void drawOn(PrintSurface* surface) { testSurface_ = surface; }
  PrintSurface* testSurface() const { return testSurface_; }

  // The device names of the installed printers, in the platform's order.
  std::function<QStringList()> installedPrinters;
  // The device name of the printer; a PDF file is named by its path.
  QString deviceName() const;
  // Makes the installed printer of that name the printer (output to it, not to a file).
  void selectPrinter(const QString& name);

  // Applies the dialog's second setting, the copy count; false when the printer cannot
  // take it.
  bool applyDialogValue(int value);

  // The layout's paper: "A3", "B4", "A4" or "B5" (anything else, or empty: A4) and its
  // orientation word "縦" or "横"; without a word, a paper wider than high is landscape
  // and otherwise the orientation chosen in the dialog stays.
  void setPaper(const QString& paperName, const QString& orientationWord, float paperWidth = 0,
                float paperHeight = 0);

 private:
  mutable std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<PrinterSetup> setup_;
  std::unique_ptr<platform::PrintFonts> fonts_;
  PrintSurface* testSurface_ = nullptr;
};

// The printer or file of a job could not be opened.
class PrintJobError : public std::runtime_error {
 public:
  explicit PrintJobError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// One job on the device: the printer's surface (or the test's) is attached for the job's
// length and detached at its end; a document still open then is ended, so that a job
// left by an error does not keep the printer or file. The device starts the job without
// what the job before it left (ForgetPreviousJob).
class PrintJob {
 public:
  PrintJob(CurrentPrinter& printer, PrintDevice& device);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

 private:
  class OpeningSurface;
  PrintDevice& device_;
  PrintSurface* previous_;
  std::unique_ptr<PrintSurface> own_;
};

}  // namespace qv
