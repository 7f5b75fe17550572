#pragma once
// The platform's printer set-up dialog behind a seam: QPrintDialog in the program (CUPS
// printers, and "print to file" as PDF), a scripted stand-in in tests.

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace qv {

// What the user chose: orientation 1 portrait, 2 landscape, and the copy count, the
// dialog's second setting, as a 16-bit value.
struct PrinterSetupChoice {
  int orientation = 1;
  int dialogValue = 1;
};

class PrinterSetup {
 public:
  virtual ~PrinterSetup() = default;
  // Shows the set-up dialog for printer. orientation 1 or 2 presets the dialog (0: its own
  // default); dialogValue presets the copy count (0: the dialog's own). Returns nothing when
  // the user cancelled or the dialog failed; the printer then may not have been changed.
  virtual std::optional<PrinterSetupChoice> showSetup(QPrinter& printer, int orientation,
                                                      int dialogValue) = 0;

  // The file that "print to file" proposes while the user has chosen none in this program
  // run; empty (or unset): the dialog's own proposal.
  std::function<QString()> proposedOutputFile;
};

// The PDF file named after the tournament, in its data folder: the data file's name with
// "pdf" for its extension, as an absolute path. Empty without a data file.
QString TournamentPdfFile(const QString& dataFolder, const QString& taikaiFileName);

// QPrintDialog on the printer, modal over parent.
std::unique_ptr<PrinterSetup> MakeQtPrinterSetup(QWidget* parent = nullptr);

}  // namespace qv
