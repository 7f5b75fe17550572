#include "print/RecordingSurface.h"

#include <algorithm>

namespace qv {

void RecordingSurface::setTextColor(RgbColor color) { add(SurfaceCall::Kind::TextColor).color = color; }

void RecordingSurface::setLineWidth(int pixels) { add(SurfaceCall::Kind::LineWidth).width = pixels; }

void RecordingSurface::textOut(QPoint at, const PrintFont& font, const QString& text) {
  SurfaceCall& c = add(SurfaceCall::Kind::TextOut);
  c.font = font;
  c.chars.push_back({at, 0});
  c.text = text;
}

void RecordingSurface::placeChars(const PrintFont& font, std::span<const PlacedChar> chars) {
  SurfaceCall& c = add(SurfaceCall::Kind::PlaceChars);
  c.font = font;
  c.chars.assign(chars.begin(), chars.end());
}

void RecordingSurface::line(QPointF from, QPointF to, RgbColor color) {
  SurfaceCall& c = add(SurfaceCall::Kind::Line);
  c.from = from;
  c.to = to;
  c.color = color;
}

void RecordingSurface::box(QPointF corner1, QPointF corner2, RgbColor color, int fillStyle,
                           RgbColor fillColor) {
  SurfaceCall& c = add(SurfaceCall::Kind::Box);
  c.from = corner1;
  c.to = corner2;
  c.color = color;
  c.fillStyle = fillStyle;
  c.fillColor = fillColor;
}

void RecordingSurface::picture(const QRectF& boxMm, const QImage& image, const QString& file) {
  SurfaceCall& c = add(SurfaceCall::Kind::Picture);
  c.from = boxMm.topLeft();
  c.to = QPointF(boxMm.width(), boxMm.height());
  c.file = file;
  c.imageSize = image.size();
}

std::vector<RecordingSurface::DrawnText> RecordingSurface::drawnTexts() const {
  std::vector<DrawnText> out;
  for (const SurfaceCall& c : calls) {
    if (c.kind != SurfaceCall::Kind::PlaceChars && c.kind != SurfaceCall::Kind::TextOut) continue;
    if (c.kind == SurfaceCall::Kind::TextOut) {
      out.push_back({c.chars.front().at, c.text, c.font});
      continue;
    }
    for (const PlacedChar& p : c.chars) out.push_back({p.at, QString(QChar(p.ch)), c.font});
  }
  return out;
}

std::vector<SurfaceCall> RecordingSurface::callsOf(SurfaceCall::Kind kind) const {
  std::vector<SurfaceCall> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [kind](const SurfaceCall& c) { return c.kind == kind; });
  return out;
}

int RecordingSurface::count(SurfaceCall::Kind kind) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                        [kind](const SurfaceCall& c) { return c.kind == kind; }));
}

std::vector<SurfaceCall::Kind> RecordingSurface::kinds() const {
  std::vector<SurfaceCall::Kind> out;
  for (const SurfaceCall& c : calls) out.push_back(c.kind);
  return out;
}

}  // namespace qv
