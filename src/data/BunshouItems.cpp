#include "data/BunshouItems.h"

#include "data/Model.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace qv {
namespace {

struct DefaultField {
  float x;
  float y;
  float size;
  const char* text;
  bool everyPage;
};

// Fields 5 to 12 are the free texts.
constexpr std::array<DefaultField, kBunshouItemSlots> kDefaultFields{{
    {20, 7, 5, "&大会名", true},
    {115, 9, 3.5f, "&開催日会場名", true},
    {115, 9, 3.5f, "&開催日", false},
    {155, 9, 3.5f, "&会場名", false},
    {120, 15, 5, "&協会名", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {20, 15, 5, "", false},
    {100, 282, 3.5f, "&頁", false},
}};

// "文章名＝name", also with a half-width "=": the header compares in full-width form.
bool isPhraseHeader(const QString& line) {
  return line.size() >= 4 && line.startsWith(QStringLiteral("文章名")) &&
         (line[3] == QChar('=') || line[3] == QChar(0xFF1D));
}

}  // namespace

void InitBunshouItems(BunshouState& bunshou, const QString& insatsuFont) {
  if (bunshou.BunshouItemCount > 0) return;
  bunshou.BunshouItemCount = 13;
  for (int i = 0; i < kBunshouItemSlots; ++i) {
    const DefaultField& d = kDefaultFields.at(i);
    BunshouItem& item = bunshou.BunshouItems.at(i);
    item = BunshouItem{};
    item.X = d.x;
    item.Y = d.y;
    item.Height = d.size;
    item.Width = d.size;
    item.Pitch = d.size;
    item.Text = QString::fromUtf8(d.text);
    bunshou.BunshouItemOn.at(i) = d.everyPage;
  }
  bunshou.FirstPageNo = 1;
  bunshou.BunshouFont = insatsuFont;
  bunshou.SelBunshouFont = insatsuFont;
}

void InitBunshouItems(Model& model) {
  InitBunshouItems(model.bunshou, model.kankyou.InsatsuFont);
}

const QStringList& PrinterFontNames(Model& model) {
  BunshouState& b = model.bunshou;
  if (b.FontNamesStale && model.getPrinterFonts) {
    model.getPrinterFonts(b);
    b.FontNamesStale = false;
  }
  return b.FontNames;
}

void ReadBunshouFile(Model& model, const QString& fileName) {
  BunshouState& b = model.bunshou;
  b.LoadedBunshouFile = fileName;
  b.BunshouChanged = false;
  b.BunshouNewHead = -1;
  b.BunshouNames.clear();
  b.BunshouTexts.clear();
  b.BunshouFlags.clear();
  b.BunshouIds.clear();
  if (fileName.isEmpty()) return;
  const QString path = platform::joinPath(model.programFolder, fileName);
  if (!platform::fileExists(path)) return;
  const auto lines = platform::readTextLines(path);
  if (!lines) return;
  platform::warnUndecodable(model.messages, path, *lines);

  for (const QString& line : *lines) {
    if (isPhraseHeader(line)) {
      b.BunshouNames.append(line.mid(4));
      b.BunshouTexts.append(QString());
      b.BunshouFlags.append(false);
      b.BunshouIds.append(static_cast<int>(b.BunshouIds.size()) + 1);
    } else if (!b.BunshouTexts.isEmpty()) {
      QString& text = b.BunshouTexts.last();
      if (text.isEmpty()) {
        text = line;
      } else {
        text += QStringLiteral("\r\n");
        text += line;
      }
    }
  }
  if (!b.BunshouIds.isEmpty()) {
    b.BunshouNewHead = 0;
    b.BunshouIds.last() = -1;
  }
}

}  // namespace qv
