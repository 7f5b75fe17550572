#include "data/InsatsuSeigyoLayoutKeys.h"

#include <array>

#include "data/Fields.h"
#include "data/InsatsuSeigyo.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/ModelAccess.h"
#include "data/ReadLimits.h"
#include "data/TaikaiModel.h"

namespace qv {

namespace {

// Only the pages that exist; between the first "[頁データ]" and it the page keys fill the
// trailing empty page, which that marker then turns into page 0.
PageRec* pageAt(InsatsuSeigyoRec& rec, int index) {
  if (index < 0 || index >= static_cast<int>(rec.Pages.size())) return nullptr;
  return &rec.Pages.at(index);
}

RyouikiRec* ryouikiAt(InsatsuSeigyoRec& rec, const LayoutCursor& cursor) {
  PageRec* page = pageAt(rec, cursor.page);
  if (!page || cursor.ryouiki < 0 || cursor.ryouiki >= page->RyouikiCount ||
      cursor.ryouiki >= static_cast<int>(page->Ryouiki.size()))
    return nullptr;
  return &page->Ryouiki.at(cursor.ryouiki);
}

HaichiRec* haichiAt(InsatsuSeigyoRec& rec, const LayoutCursor& cursor) {
  RyouikiRec* ryouiki = ryouikiAt(rec, cursor);
  if (!ryouiki || cursor.haichi < 0 || cursor.haichi >= ryouiki->HaichiCount ||
      cursor.haichi >= static_cast<int>(ryouiki->Haichi.size()))
    return nullptr;
  return &ryouiki->Haichi.at(cursor.haichi);
}

// 頁固定印刷: 14 switches; the older 11-switch lines had the page number in position 10.
void readKoteiInsatsu(PageRec& page, const QString& value) {
  const QStringList parts = platform::splitCommaParts(value);
  std::array<QString, kKoteiInsatsuSlots> s;
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = parts.value(static_cast<qsizetype>(i));
  if (parts.size() < kKoteiInsatsuSlots && s[10] != QStringLiteral("0")) {
    s[13] = s[10];
    s[10] = QStringLiteral("0");
  }
  for (std::size_t i = 0; i < s.size(); ++i) page.KoteiInsatsu[i] = s[i] == QStringLiteral("1");
}

// トーナメント= and 上位=: event name, then the knock-out's number or the number of top
// places. A number no draw can have ("-3e9", "1e99") counts as missing, like a non-numeric
// one, so Number is -1.
void readEventAndNumber(HaichiRec& haichi, const TaikaiRec& taikai, const QString& kind,
                        const QString& value) {
  QString name;
  int n = 0;
  SplitToFields(value, name, n);  // whole numbers are clamped to 32 bits on the way in
  if (n < 0 || n > kMaxTournamentEntrants) n = 0;
  haichi.Kind = kind;
  haichi.ShumokuIdx = FindShumoku(taikai, name);
  haichi.Number = n - 1;
}

void readRyouikiKey(RyouikiRec& r, const QString& key, const QString& value) {
  if (key == QStringLiteral("位置")) {
    SplitToFields(value, r.X1, r.X2, r.Y1, r.Y2);
  } else if (key == QStringLiteral("分割数")) {
    SplitToFields(value, r.BunkatsuH, r.BunkatsuV);
  } else if (key == QStringLiteral("トーナメント形式")) {
    r.TournamentKeishiki = GetTournamentKeishikiCode(value);
  }
}

bool isRyouikiKey(const QString& key) {
  return key == QStringLiteral("位置") || key == QStringLiteral("分割数") ||
         key == QStringLiteral("トーナメント形式");
}

bool isHaichiKey(const QString& key) {
  return key == QStringLiteral("リーグ") || key == QStringLiteral("トーナメント") ||
         key == QStringLiteral("上位") || key == QStringLiteral("文章名") ||
         key == QStringLiteral("文字列");
}

void readHaichiKey(HaichiRec& h, const TaikaiRec& taikai, const QString& key,
                   const QString& value, const QString& textValue) {
  if (key == QStringLiteral("リーグ")) {
    h.Kind = QStringLiteral("リーグ");
    h.ShumokuIdx = FindShumoku(taikai, value);
  } else if (key == QStringLiteral("トーナメント") || key == QStringLiteral("上位")) {
    readEventAndNumber(h, taikai, key, value);
  } else if (key == QStringLiteral("文章名")) {
    h.BunshouName = value;
    if (value == QStringLiteral("参加者名簿")) h.Kind = QStringLiteral("参加者名簿");
  } else if (key == QStringLiteral("文字列")) {
    h.Kind = QStringLiteral("文字列");
    MojiretsuItem& m = h.Moji;
    m.Lines.resize(m.LineCount);
    m.Lines.append(textValue);
    m.LineCount = static_cast<int>(m.Lines.size());
  }
}

}  // namespace

void ReadLayoutMarker(InsatsuSeigyoRec& rec, LayoutCursor& cursor, const QString& line) {
  if (line == QStringLiteral("[頁データ]")) {
    const int p = rec.AppendPage();
    PageRec& page = rec.Pages.at(p);
    page.RyouikiCount = 0;
    page.Ryouiki.clear();
    page.Selected = true;
    cursor.page = p;
  } else if (line == QStringLiteral("[領域データ]")) {
    // Regions belong to an opened page, never to the empty page after the last one.
    if (cursor.page >= rec.PageCount) return;
    PageRec* page = pageAt(rec, cursor.page);
    if (!page) return;
    const int r = page->RyouikiCount;
    page->Ryouiki.resize(countSize(r));
    page->Ryouiki.emplace_back();
    page->RyouikiCount = r + 1;
    cursor.ryouiki = r;
  } else if (line == QStringLiteral("[配置データ]")) {
    RyouikiRec* ryouiki = ryouikiAt(rec, cursor);
    if (!ryouiki) return;
    const int h = ryouiki->HaichiCount;
    ryouiki->Haichi.resize(countSize(h));
    ryouiki->Haichi.emplace_back();
    ryouiki->HaichiCount = h + 1;
    cursor.haichi = h;
  }
}

bool ReadLayoutKey(InsatsuSeigyoRec& rec, const LayoutCursor& cursor, const TaikaiRec& taikai,
                   const QString& key, const QString& value, const QString& textValue) {
  if (key == QStringLiteral("頁固定印刷")) {
    if (PageRec* page = pageAt(rec, cursor.page)) readKoteiInsatsu(*page, value);
    return true;
  }
  if (isRyouikiKey(key)) {
    if (RyouikiRec* r = ryouikiAt(rec, cursor)) readRyouikiKey(*r, key, value);
    return true;
  }
  if (isHaichiKey(key)) {
    if (HaichiRec* h = haichiAt(rec, cursor)) readHaichiKey(*h, taikai, key, value, textValue);
    return true;
  }
  return false;
}

}  // namespace qv
