#pragma once
// The texts a recording surface received, in millimetres: what chart tests assert on.

#include <QString>

#include <vector>

#include "print/RecordingSurface.h"

namespace qv::test {

struct PrintedText {
  QString text;      // the characters placed, blanks left out
  double x = 0;      // top-left of the first character's cell, mm
  double y = 0;
  double size = 0;   // character height, mm
  int weight = 400;
  RgbColor color = 0;
  QString face;
};

// Every placed text in call order, with the colour set before it.
inline std::vector<PrintedText> PrintedTexts(const RecordingSurface& surface, double pxPerMm) {
  std::vector<PrintedText> out;
  RgbColor color = 0;
  for (const SurfaceCall& c : surface.calls) {
    if (c.kind == SurfaceCall::Kind::TextColor) color = c.color;
    if (c.kind != SurfaceCall::Kind::PlaceChars || c.chars.empty()) continue;
    PrintedText t;
    for (const PlacedChar& p : c.chars) t.text += QChar(p.ch);
    t.x = c.chars.front().at.x() / pxPerMm;
    t.y = c.chars.front().at.y() / pxPerMm;
    t.size = c.font.heightPx / pxPerMm;
    t.weight = c.font.weight;
    t.color = color;
    t.face = c.font.face;
    out.push_back(t);
  }
  return out;
}

}  // namespace qv::test
