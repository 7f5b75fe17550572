#pragma once
// The fourteen page phrase fields, the phrase file and the printer font list they offer.

#include <QString>
#include <QStringList>

#include <array>

namespace qv {

struct Model;

// One layout item: a page phrase field, a page-overlay text or a tie-sheet page number.
struct BunshouItem {
  float X = 0;       // mm; negative: right-aligned on X2 but not left of |X|
  float Y = 0;       // mm, top of the text
  float Height = 0;  // mm, character height (also a picture's height)
  float Width = 0;   // mm, full-width character width
  float Pitch = 0;   // mm; negative: centred between the left edge and X2, shrunk to fit
  float X2 = 0;      // mm, right edge of the box; 0 = no box
  QString Text;      // "&" placeholders, or "IMG:" and a picture file name
  QString FontName;  // "" keeps the current face
  int Bold = 0;      // copied to the device's bold selector; above 1 prints bold
  int Flag = 0;      // not used in printing
};

inline constexpr int kBunshouItemSlots = 14;

struct BunshouState {
  // Page phrase fields; entry 13 is the page number by default.
  std::array<BunshouItem, kBunshouItemSlots> BunshouItems{};
  std::array<bool, kBunshouItemSlots> BunshouItemOn{};  // prints on every page
  int BunshouItemCount = 0;  // 0 = not set yet; the defaults make it 13
  int FirstPageNo = 0;       // the number printed on the first page
  QString BunshouFont;       // font chosen for the fields in the page-text window

  // Named phrases of the phrase file, for the 文字列 placements. The four lists run in step.
  QString LoadedBunshouFile;
  QStringList BunshouNames;
  QStringList BunshouTexts;  // lines joined with CR LF
  QList<bool> BunshouFlags;
  QList<int> BunshouIds;     // next phrase of the editor's chain, -1 after the last
  int BunshouNewHead = -1;   // first phrase of that chain, -1 when there is none
  bool BunshouChanged = false;
  QString SelBunshouName;
  QString SelBunshouText;
  QString SelBunshouFont;
  // The phrase the phrase window shows first: the one current when it was last closed.
  int CurrentBunshou = 0;

  // Japanese faces a user can choose for page texts. Looked up on first need (it costs
  // the font system's start-up): read it through PrinterFontNames.
  QStringList FontNames;
  bool FontNamesStale = true;  // FontNames is looked up again when next needed

  int BunshouCount() const { return static_cast<int>(BunshouNames.size()); }
  int FontCount() const { return static_cast<int>(FontNames.size()); }
};

// The font list, looked up through model.getPrinterFonts when it is stale.
const QStringList& PrinterFontNames(Model& model);

// Default page phrase fields, unless fields are set already (BunshouItemCount > 0).
void InitBunshouItems(BunshouState& bunshou, const QString& insatsuFont);
// The same with the current print font (kankyou.InsatsuFont).
void InitBunshouItems(Model& model);

// Reads the phrase file from the program folder; an empty name or a missing file gives an
// empty phrase list without a message.
void ReadBunshouFile(Model& model, const QString& fileName);

}  // namespace qv
