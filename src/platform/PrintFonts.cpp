#include "platform/PrintFonts.h"

#include <QFontMetricsF>

#include <algorithm>

#include "platform/FaceSubstitution.h"

namespace platform {

namespace {

constexpr qsizetype kMaxCachedFonts = 256;

}  // namespace

const QString& PrintFonts::familyFor(const QString& face) {
  if (auto it = families_.constFind(face); it != families_.constEnd()) return *it;
  if (families_.size() >= kMaxCachedFonts) families_.clear();
  return *families_.insert(face, printFamily(face));
}

PrintFonts::Entry& PrintFonts::entry(const qv::PrintFont& font) {
  // A full-width character of the face is one em wide; the description asks for a cell of
  // twice the half-width character width. Qt keeps stretch in whole percent: at most half
  // a percent of a glyph's width, and the glyphs keep their exact positions.
  const int stretch =
      font.halfWidthPx > 0 && font.heightPx > 0
          ? std::clamp(qRound(200.0 * font.halfWidthPx / font.heightPx), 1, 4000)
          : 100;
  const Key key{font.face, font.heightPx, font.weight, stretch};
  if (auto it = entries_.find(key); it != entries_.end()) return *it;
  if (entries_.size() >= kMaxCachedFonts) entries_.clear();
  Entry e;
  e.font = QFont(familyFor(font.face));
  e.font.setPixelSize(std::max(1, font.heightPx));
  e.font.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  e.font.setStretch(stretch);
  e.font.setKerning(false);
  e.font.setHintingPreference(QFont::PreferNoHinting);
  e.raw = rawFont(key, e.font);
  e.ascent = e.raw.isValid() ? e.raw.ascent() : QFontMetricsF(e.font).ascent();
  return *entries_.insert(key, std::move(e));
}

QRawFont PrintFonts::rawFont(const Key& key, const QFont& font) {
  // Qt asks fontconfig about every font it makes; a height made from a font of the same
  // stretch skips that and prints the same.
  const Key shapeKey{key.face, 0, key.weight, key.stretch};
  if (auto shape = shapes_.constFind(shapeKey); shape != shapes_.constEnd()) {
    QRawFont raw = *shape;
    raw.setPixelSize(font.pixelSize());
    return raw;
  }
  QRawFont raw = QRawFont::fromFont(font);
  if (shapes_.size() >= kMaxCachedFonts) shapes_.clear();
  shapes_.insert(shapeKey, raw);
  return raw;
}

quint32 PrintFonts::glyph(Entry& entry, char16_t ch) {
  if (auto it = entry.glyphs.constFind(ch); it != entry.glyphs.constEnd()) return *it;
  quint32 glyph = 0;
  int n = 1;
  const QChar c(ch);
  if (entry.raw.isValid() && !entry.raw.glyphIndexesForChars(&c, 1, &glyph, &n)) glyph = 0;
  if (n != 1) glyph = 0;
  entry.glyphs.insert(ch, glyph);
  return glyph;
}

}  // namespace platform
