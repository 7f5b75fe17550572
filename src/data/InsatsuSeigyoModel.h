#pragma once
// Page layout model: paper, pages, regions and placements.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace qv {

// A block of text lines placed in a region. The file gives only the lines; the text-block
// fitter of the print runs sets the geometry from the region before printing.
struct MojiretsuItem {
  float X = 0;         // mm
  float Y = 0;         // mm
  float Height = 0;    // mm, character height
  float Width = 0;     // mm, character width
  float Pitch = 0;     // mm, character pitch
  float X2 = 0;        // mm, right end of the line box; 0 = no box
  float LineStep = 0;  // mm from one line to the next
  QString FontName;
  int Bold = 0;        // above 1 prints bold
  int Flag = 0;
  int LineCount = 0;
  QStringList Lines;   // leading blanks kept
};

// One thing printed in a region.
struct HaichiRec {
  QString Kind;         // "リーグ", "トーナメント", "上位", "文字列", "参加者名簿"; empty until set
  QString BunshouName;  // phrase of a 文字列 block, or "参加者名簿"
  MojiretsuItem Moji;
  int ShumokuIdx = 0;   // event index; -1 when the named event does not exist
  int Number = 0;       // matches among the top places drawn (places - 1)
};

struct RyouikiRec {
  float X1 = 0;  // mm
  float X2 = 0;
  float Y1 = 0;
  float Y2 = 0;
  int BunkatsuH = 0;
  int BunkatsuV = 0;
  int TournamentKeishiki = 0;  // knock-out layout code 0..5 (GetTournamentKeishikiName)
  int HaichiCount = 0;
  std::vector<HaichiRec> Haichi;
  bool Deleted = false;  // removed in the layout editor
};

inline constexpr int kKoteiInsatsuSlots = 14;  // one per page phrase field

struct PageRec {
  int RyouikiCount = 0;
  std::vector<RyouikiRec> Ryouiki;
  std::array<bool, kKoteiInsatsuSlots> KoteiInsatsu{};  // phrase field i printed on this page
  bool Selected = false;  // chosen for printing in the main form's page list
};

struct InsatsuSeigyoRec {
  QString PaperName = QStringLiteral("A4");
  QString PaperOrientation;  // "縦" / "横"; only the layout editor sets it
  float PaperWidth = 210;    // mm
  float PaperHeight = 297;
  float MarginLeft = 20;
  float MarginRight = 20;
  float MarginTop = 15;
  float MarginBottom = 15;
  int PointHyouji = 0;     // score display mode 0..3
  int PageSelectMode = 0;  // 0 all pages, 1 a range, 2 the selected pages
  int PageRangeFrom = 0;   // counted from 1
  int PageRangeTo = 0;     // inclusive
  int PageCount = 0;
  // Always PageCount + 1 elements: the layout's pages, then one empty page that the
  // layout editor offers as the next free page.
  std::vector<PageRec> Pages = std::vector<PageRec>(1);

  // Makes the trailing empty page a layout page and puts a new empty page after it.
  // Returns the index of the page that was the empty one.
  int AppendPage() {
    const int p = PageCount;
    ++PageCount;
    Pages.resize(static_cast<std::size_t>(PageCount) + 1);
    return p;
  }
};

struct InsatsuSeigyoState {
  InsatsuSeigyoRec InsatsuSeigyo;
  int CurrentPage = 0;       // page the layout editor shows; PageCount on the empty page
  int CurrentRyouiki = -1;   // selected region of that page, -1 for none
  bool LayoutChanged = false;  // set by every edit of the layout; nothing reads it yet
};

}  // namespace qv
