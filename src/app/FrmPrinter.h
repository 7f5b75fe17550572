#pragma once
// The printer window "プリンタの選択". Each print command opens it through
// ShowPrinterForm before its job; it hides itself at once, runs the printer set-up dialog
// and hands the outcome back in the run state: PrinterCancel, PrinterOrientation and
// PrinterDialogValue (the copy count). Its own printer list is built but off
// (PrinterListMode). See CurrentPrinter.h for how a command then opens its job.

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

class CurrentPrinter;
struct PrintRunState;

class FrmPrinter : public QDialog {
  Q_OBJECT

 public:
  FrmPrinter(PrintRunState& run, CurrentPrinter& printer, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLabel* LblPrinter = nullptr;       // list mode: the current printer
  QListWidget* LstPrinter = nullptr;  // list mode: the installed printers
  QPushButton* CmdCancel = nullptr;

  void Form_Activate();
  void ShowPrinterSetup();
  void ListPrinters();
  void SelectListedPrinter();
  void LstPrinter_Click();
  void CmdCancel_Click();

  // True once the window has ended by one of its two exits.
  bool Unloaded() const { return unloaded_; }

 protected:
  // Escape or the close box of the list window count as キャンセル.
  void reject() override;

 private:
  void unload();

  PrintRunState& run_;
  CurrentPrinter& printer_;
  bool unloaded_ = false;
};

// Shows the printer window modally and returns when it has ended; the caller then reads
// run.PrinterCancel. execDialog runs the window when it stays on the screen (list mode);
// empty: QDialog::exec.
void ShowPrinterForm(PrintRunState& run, CurrentPrinter& printer,
                     const std::function<int(QDialog&)>& execDialog = {});

}  // namespace qv
