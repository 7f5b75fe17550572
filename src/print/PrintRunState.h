#pragma once
// The print switches of the main window and the state of a print run, as the charts read
// them. The other switches live with what they belong to: ShozokuHyouji, the numbering
// switches (NumberJunban, NumberSeedJun, ShozokuNaiJunban) and ShumokuRyakugouHyouji in
// TaikaiState, which the data file sets too; InsatsuFont in KankyouState; OutputOn in the
// print device. The chart being printed and its kind are passed by the charts themselves.

#include <QString>

namespace qv {

// A chart's box on the page, in millimetres.
struct AreaRect {
  float X1 = 0;
  float X2 = 0;
  float Y1 = 0;
  float Y2 = 0;
};

struct PrintRunState {
  // The device draws on the system printer under this name; set at start-up, never changed.
  QString OutputDeviceName = QStringLiteral("Printer");
  QString InsatsuTitle;         // the title of the run
  int InsatsuPageCount = 0;     // pages printed so far in the run
  int PageItemCount = 0;        // placements handled since the last sheet start
  bool KanaKanji = false;       // names replaced by their dictionary reading lookup
  bool KanaKanjiPrint = false;  // the kana reading printed above names
  bool SeedInsatsu = false;     // seed marks printed; no playoff block under a bracket
  // Left by the printer window for the print commands, kept for the program run.
  bool PrinterCancel = false;   // the last printer dialog was cancelled or failed
  int PrinterOrientation = 0;   // 1 portrait, 2 landscape; 0 not set (the dialog's default)
  int PrinterDialogValue = 0;   // the dialog's copy count as a 16-bit value; 0 not set
  bool PrinterListMode = false; // the printer window's own list; nothing switches it on
};

}  // namespace qv
