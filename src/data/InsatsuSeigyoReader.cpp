#include "data/InsatsuSeigyoReader.h"

#include "data/BunshouItems.h"
#include "data/Fields.h"
#include "data/InsatsuSeigyo.h"
#include "data/InsatsuSeigyoLayoutKeys.h"
#include "data/Model.h"
#include "platform/Blanks.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// Key before the first "=" as written; value trimmed, textValue with its leading blanks.
// A line without "=" (or starting with it) is its own key and value.
struct KeyLine {
  QString key;
  QString value;
  QString textValue;
};

KeyLine cutKeyLine(const QString& line) {
  const qsizetype eq = line.indexOf(QChar('='));
  if (eq < 1) return {line, line, line};
  const QString rest = line.mid(eq + 1);
  return {line.left(eq), platform::trimBlanks(rest), platform::trimTrailingBlanks(rest)};
}

// 頁固定文字=on,x,y,size,text fills the next phrase field; a text cannot hold a comma.
// The table has 14 fields: further lines are ignored.
void readBunshouItem(BunshouState& b, const QString& value) {
  const int k = b.BunshouItemCount;
  if (k < 0 || k >= kBunshouItemSlots) return;
  BunshouItem& item = b.BunshouItems.at(k);
  QString on;
  SplitToFields(value, on, item.X, item.Y, item.Height, item.Text);
  item.Width = item.Height;
  item.Pitch = item.Height;
  b.BunshouItemOn.at(k) = on == QStringLiteral("1");
  b.BunshouItemCount = k + 1;
}

// The keys that concern the whole document; false for any other key.
bool readDocumentKey(Model& model, const QString& key, const QString& value) {
  InsatsuSeigyoRec& rec = model.insatsu.InsatsuSeigyo;
  if (key == QStringLiteral("用紙")) {
    SplitToFields(value, rec.PaperName, rec.PaperWidth, rec.PaperHeight, rec.MarginLeft,
                  rec.MarginRight, rec.MarginTop, rec.MarginBottom);
  } else if (key == QStringLiteral("ポイント表示")) {
    rec.PointHyouji = LngOrDefault(value, 0);
  } else if (key == QStringLiteral("頁固定文字フォント")) {
    model.bunshou.BunshouFont = value;
  } else if (key == QStringLiteral("頁固定文字")) {
    readBunshouItem(model.bunshou, value);
  } else if (key == QStringLiteral("先頭頁頁番号")) {
    model.bunshou.FirstPageNo = LngOrDefault(value, 1);
  } else if (key == QStringLiteral("印刷頁指示")) {
    SplitToFields(value, rec.PageSelectMode, rec.PageRangeFrom, rec.PageRangeTo);
  } else if (key == QStringLiteral("保存時刻")) {
    model.kekka.HozonJikoku = value;
  } else {
    return false;
  }
  return true;
}

}  // namespace

QString ReadInsatsuSeigyoData(Model& model, platform::TextFileReader& file) {
  InitInsatsuSeigyo(model);
  model.bunshou.BunshouItemCount = 0;  // the first 頁固定文字 line fills field 0
  InsatsuSeigyoRec& rec = model.insatsu.InsatsuSeigyo;
  LayoutCursor cursor;

  while (!file.atEnd()) {
    const QString line = file.readLine();
    if (line.startsWith(QStringLiteral("【"))) return line;
    if (line.startsWith(QChar('['))) {
      ReadLayoutMarker(rec, cursor, line);
      continue;
    }
    const KeyLine k = cutKeyLine(line);
    if (!readDocumentKey(model, k.key, k.value))
      ReadLayoutKey(rec, cursor, model.taikai.Taikai, k.key, k.value, k.textValue);
  }
  return QStringLiteral(".eof.");
}

}  // namespace qv
