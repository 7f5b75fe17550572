#pragma once
// A printer set-up dialog that answers from a script instead of showing itself: accept
// (optionally choosing a PDF file, an orientation and a copy count) or cancel. It keeps
// what each call was preset with.

#include <QPageLayout>
#include <QPrinter>

#include <functional>
#include <optional>
#include <vector>

#include "app/PrinterSetup.h"

namespace qv::test {

class ScriptedPrinterSetup : public PrinterSetup {
 public:
  struct Call {
    int orientation;
    int dialogValue;
  };

  // The next dialogs are cancelled.
  ScriptedPrinterSetup& cancel() {
    accept_ = false;
    return *this;
  }
  // The next dialogs are accepted, printing to pdfFile when it is not empty; orientation
  // and copies 0 keep what the dialog was preset with.
  ScriptedPrinterSetup& accept(QString pdfFile = {}, int orientation = 0, int copies = 0) {
    accept_ = true;
    pdfFile_ = std::move(pdfFile);
    orientation_ = orientation;
    copies_ = copies;
    return *this;
  }

  std::optional<PrinterSetupChoice> showSetup(QPrinter& printer, int orientation,
                                              int dialogValue) override {
    calls.push_back({orientation, dialogValue});
    if (whileShown) whileShown();
    if (!accept_) return std::nullopt;
    if (!pdfFile_.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdfFile_);
    }
    const int chosenOrientation = orientation_ != 0 ? orientation_ : orientation != 0 ? orientation : 1;
    printer.setPageOrientation(chosenOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    PrinterSetupChoice choice;
    choice.orientation = chosenOrientation;
    choice.dialogValue = copies_ != 0 ? copies_ : dialogValue != 0 ? dialogValue : 1;
    return choice;
  }

  std::vector<Call> calls;
  // Runs while the dialog is "on the screen", to look at the caller's state.
  std::function<void()> whileShown;

 private:
  bool accept_ = true;
  QString pdfFile_;
  int orientation_ = 0;
  int copies_ = 0;
};

}  // namespace qv::test
