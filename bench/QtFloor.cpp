#include "QtFloor.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <algorithm>

#include "platform/FaceSubstitution.h"

namespace bench {

namespace {

QColor toQColor(qv::RgbColor c) { return QColor(qv::RgbRed(c), qv::RgbGreen(c), qv::RgbBlue(c)); }

QRawFont rawFont(const qv::PrintFont& f, int stretch) {
  QFont font(platform::printFamily(f.face));
  font.setPixelSize(std::max(1, f.heightPx));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight, 1, 1000)));
  font.setStretch(stretch);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return QRawFont::fromFont(font);
}

}  // namespace

QtFloor::QtFloor(const std::deque<qv::SurfaceCall>& calls, double pixelsPerMm, Texts texts)
    : texts_(texts) {
  using Kind = qv::SurfaceCall::Kind;
  QColor textColor = Qt::black;
  int lineWidth = 1;
  for (const qv::SurfaceCall& c : calls) {
    if (c.kind == Kind::TextColor) textColor = toQColor(c.color);
    if (c.kind == Kind::LineWidth) lineWidth = c.width;
    if (c.kind == Kind::Line) {
      const QPen pen(toQColor(c.color), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      auto* last = ops_.empty() ? nullptr : std::get_if<Lines>(&ops_.back());
      if (last == nullptr || last->pen != pen) {
        ops_.emplace_back(Lines{pen, {}});
        last = std::get_if<Lines>(&ops_.back());
      }
      last->lines.emplace_back(c.from * pixelsPerMm, c.to * pixelsPerMm);
    }
    if (c.kind != Kind::PlaceChars || c.chars.empty()) continue;
    const qv::PrintFont& f = c.font;
    const double sx = f.halfWidthPx > 0 && f.heightPx > 0 ? 2.0 * f.halfWidthPx / f.heightPx : 1.0;
    const bool placed = texts == Texts::Placed;
    const QRawFont raw = rawFont(f, placed ? qRound(sx * 100) : 100);
    const QPoint origin = c.chars.front().at;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const qv::PlacedChar& ch : c.chars) {
      const QChar q(ch.ch);
      quint32 g = 0;
      int n = 1;
      raw.glyphIndexesForChars(&q, 1, &g, &n);
      glyphs.append(g);
      positions.append(placed ? QPointF(ch.at.x(), ch.at.y() + raw.ascent())
                              : QPointF((ch.at.x() - origin.x()) / sx, ch.at.y() - origin.y()));
    }
    Run r;
    r.run.setRawFont(raw);
    r.run.setGlyphIndexes(glyphs);
    r.run.setPositions(positions);
    r.transform = QTransform(sx, 0, 0, 1, origin.x(), origin.y() + raw.ascent());
    r.color = textColor;
    ops_.emplace_back(std::move(r));
  }
}

void QtFloor::drawPage(QPainter& painter) const {
  for (const auto& op : ops_) {
    if (const auto* lines = std::get_if<Lines>(&op)) {
      if (painter.pen() != lines->pen) painter.setPen(lines->pen);
      painter.drawLines(lines->lines.data(), static_cast<int>(lines->lines.size()));
      continue;
    }
    const Run& r = std::get<Run>(op);
    if (painter.pen().color() != r.color) painter.setPen(r.color);
    if (texts_ == Texts::Transformed) {
      painter.setTransform(r.transform);
      painter.drawGlyphRun(QPointF(0, 0), r.run);
      painter.resetTransform();
    } else {
      painter.drawGlyphRun(QPointF(0, 0), r.run);
    }
  }
}

}  // namespace bench
