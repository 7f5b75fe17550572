#pragma once
// The fonts the Qt print surface draws in, one per face, height, weight and cell width.
// Making a font costs Qt a fontconfig query (about two million instructions), and a short
// job makes dozens; whoever keeps the printer for the program run keeps these beside it and
// hands them to each job's surface. A font depends only on its description, so a job prints
// the same whatever the jobs before it printed.

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

#include "platform/PrintSurface.h"

namespace platform {

class PrintFonts {
 public:
  struct Entry {
    QFont font;  // for text drawn by Qt itself: a whole string, a character the face lacks
    QRawFont raw;
    qreal ascent = 0;
    QHash<char16_t, quint32> glyphs;  // 0: the face lacks the character
  };

  // The entry of the font, made on first use. The reference is valid until the next call.
  Entry& entry(const qv::PrintFont& font);
  // The glyph of the character in the entry's face; 0 when the face lacks it.
  static quint32 glyph(Entry& entry, char16_t ch);

 private:
  struct Key {
    QString face;
    int heightPx;
    int weight;
    int stretch;
    bool operator==(const Key&) const = default;
    friend size_t qHash(const Key& k, size_t seed = 0) {
      return qHashMulti(seed, k.face, k.heightPx, k.weight, k.stretch);
    }
  };
  // The family a face of the data prints in (printFamily), looked up once per face.
  const QString& familyFor(const QString& face);
  QRawFont rawFont(const Key& key, const QFont& font);

  QHash<QString, QString> families_;
  QHash<Key, Entry> entries_;
  // The first raw font of each face, weight and stretch (height 0), which other heights copy.
  QHash<Key, QRawFont> shapes_;
};

}  // namespace platform
