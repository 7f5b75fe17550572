#include "platform/QtPrintSurface.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QTransform>

#include <stdexcept>
#include <vector>

#include "platform/FaceSubstitution.h"

namespace platform {

namespace {

QColor toQColor(qv::RgbColor c) { return QColor(qv::RgbRed(c), qv::RgbGreen(c), qv::RgbBlue(c)); }

constexpr qsizetype kMaxCachedFonts = 256;

}  // namespace

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device) : device_(device) {
  // The data name Windows faces; they must resolve to the IPA faces here.
  installFaceSubstitutions();
}

QtPrintSurface::~QtPrintSurface() {
  if (painter_.isActive()) painter_.end();
}

void QtPrintSurface::beginDocument() { painter(); }

QPainter& QtPrintSurface::painter() {
  if (!painter_.isActive()) {
    if (!painter_.begin(&device_))
      throw std::runtime_error("the printer or output file could not be opened");
    // The paint engine belongs to the device and outlives the job: it keeps the last state
    // the previous job's painter handed it (a text cell's transform, a fill), and a new
    // painter passes on only what differs from its own defaults. Hand it every part of the
    // state, so that the job draws as the first job on a new device would.
    painter_.paintEngine()->setDirty(QPaintEngine::AllDirty);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  }
  return painter_;
}

double QtPrintSurface::pixelsPerMm() const { return device_.logicalDpiX() / 25.4; }

void QtPrintSurface::printBlank() {
  // Begins the page; a blank leaves no mark.
  painter();
}

void QtPrintSurface::newPage() {
  painter();
  device_.newPage();
}

void QtPrintSurface::endDocument() {
  if (painter_.isActive()) painter_.end();
}

void QtPrintSurface::setTextColor(qv::RgbColor color) { textColor_ = toQColor(color); }

void QtPrintSurface::setLineWidth(int pixels) { lineWidth_ = pixels; }

const QString& QtPrintSurface::familyFor(const QString& face) {
  if (auto it = families_.constFind(face); it != families_.constEnd()) return *it;
  if (families_.size() >= kMaxCachedFonts) families_.clear();
  return *families_.insert(face, printFamily(face));
}

const QtPrintSurface::FontEntry& QtPrintSurface::fontFor(const qv::PrintFont& font) {
  const FontKey key{font.face, font.heightPx, font.weight};
  if (auto it = fonts_.constFind(key); it != fonts_.constEnd()) return *it;
  if (fonts_.size() >= kMaxCachedFonts) fonts_.clear();
  FontEntry e;
  e.font = QFont(familyFor(font.face));
  e.font.setPixelSize(std::max(1, font.heightPx));
  e.font.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  e.font.setKerning(false);
  e.font.setHintingPreference(QFont::PreferNoHinting);
  e.raw = QRawFont::fromFont(e.font);
  e.ascent = e.raw.isValid() ? e.raw.ascent() : QFontMetricsF(e.font).ascent();
  return *fonts_.insert(key, std::move(e));
}

void QtPrintSurface::setCellTransform(QPoint at, const qv::PrintFont& font,
                                      const FontEntry& entry) {
  // A full-width character of the face is one em wide; the description asks for a cell of
  // twice the half-width character width.
  const qreal sx = font.halfWidthPx > 0 && font.heightPx > 0
                       ? 2.0 * font.halfWidthPx / font.heightPx
                       : 1.0;
  painter_.setTransform(QTransform(sx, 0, 0, 1, at.x(), at.y() + entry.ascent));
}

void QtPrintSurface::textOut(QPoint at, const qv::PrintFont& font, const QString& text) {
  if (text.isEmpty()) return;
  QPainter& p = painter();
  const FontEntry& fe = fontFor(font);
  setCellTransform(at, font, fe);
  p.setPen(textColor_);
  p.setFont(fe.font);
  p.drawText(QPointF(0, 0), text);
  p.resetTransform();
}

void QtPrintSurface::placeChars(const qv::PrintFont& font, std::span<const qv::PlacedChar> chars) {
  if (chars.empty()) return;
  QPainter& p = painter();
  const FontEntry& fe = fontFor(font);
  const QPoint origin = chars.front().at;
  const qreal sx = font.halfWidthPx > 0 && font.heightPx > 0
                       ? 2.0 * font.halfWidthPx / font.heightPx
                       : 1.0;
  setCellTransform(origin, font, fe);
  p.setPen(textColor_);

  // One glyph run at the characters' own positions; a character the face lacks is drawn
  // by itself so that Qt can find it in another face.
  QList<quint32> glyphs;
  QList<QPointF> positions;
  glyphs.reserve(chars.size());
  positions.reserve(chars.size());
  std::vector<size_t> missing;
  for (size_t i = 0; i < chars.size(); ++i) {
    const qv::PlacedChar& c = chars[i];
    quint32 glyph = 0;
    int n = 1;
    if (c.ch.size() == 1 && fe.raw.isValid())
      fe.raw.glyphIndexesForChars(c.ch.constData(), 1, &glyph, &n);
    const QPointF pos((c.at.x() - origin.x()) / sx, c.at.y() - origin.y());
    if (glyph == 0 || n != 1) {
      missing.push_back(i);
      continue;
    }
    glyphs.append(glyph);
    positions.append(pos);
  }
  if (!glyphs.isEmpty()) {
    QGlyphRun run;
    run.setRawFont(fe.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    p.drawGlyphRun(QPointF(0, 0), run);
  }
  if (!missing.empty()) {
    p.setFont(fe.font);
    for (size_t i : missing) {
      const qv::PlacedChar& c = chars[i];
      p.drawText(QPointF((c.at.x() - origin.x()) / sx, c.at.y() - origin.y()), c.ch);
    }
  }
  p.resetTransform();
}

QPointF QtPrintSurface::toPixels(QPointF mm) const { return mm * pixelsPerMm(); }

QPen QtPrintSurface::linePen(qv::RgbColor color) const {
  return QPen(toQColor(color), lineWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void QtPrintSurface::line(QPointF from, QPointF to, qv::RgbColor color) {
  QPainter& p = painter();
  p.setPen(linePen(color));
  p.drawLine(toPixels(from), toPixels(to));
}

void QtPrintSurface::box(QPointF corner1, QPointF corner2, qv::RgbColor color, int fillStyle,
                         qv::RgbColor fillColor) {
  static constexpr Qt::BrushStyle kFill[] = {Qt::SolidPattern,   Qt::NoBrush,
                                             Qt::HorPattern,     Qt::VerPattern,
                                             Qt::BDiagPattern,   Qt::FDiagPattern,
                                             Qt::CrossPattern,   Qt::DiagCrossPattern};
  QPainter& p = painter();
  p.setPen(linePen(color));
  const Qt::BrushStyle style =
      fillStyle >= 0 && fillStyle < static_cast<int>(std::size(kFill)) ? kFill[fillStyle] : Qt::NoBrush;
  p.setBrush(style == Qt::NoBrush ? QBrush() : QBrush(toQColor(fillColor), style));
  p.drawRect(QRectF(toPixels(corner1), toPixels(corner2)).normalized());
  p.setBrush(QBrush());
}

void QtPrintSurface::picture(const QRectF& boxMm, const QImage& image, const QString& file) {
  Q_UNUSED(file);
  if (image.isNull() || boxMm.width() <= 0 || boxMm.height() <= 0) return;
  QPainter& p = painter();
  p.drawImage(QRectF(toPixels(boxMm.topLeft()), toPixels(boxMm.bottomRight())), image);
}

}  // namespace platform
