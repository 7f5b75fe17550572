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

}  // namespace

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device, PrintFonts* fonts)
    : device_(device),
      ownFonts_(fonts == nullptr ? std::make_unique<PrintFonts>() : nullptr),
      fonts_(fonts == nullptr ? *ownFonts_ : *fonts) {
  // The data name Windows faces; they must resolve to the IPA faces here.
  installFaceSubstitutions();
}

QtPrintSurface::~QtPrintSurface() {
  if (painter_.isActive()) {
    flushLines();
    painter_.end();
  }
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
    pen_ = {};
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
  flushLines();
  device_.newPage();
}

void QtPrintSurface::endDocument() {
  if (painter_.isActive()) {
    flushLines();
    painter_.end();
  }
}

void QtPrintSurface::setTextColor(qv::RgbColor color) { textColor_ = toQColor(color); }

void QtPrintSurface::setLineWidth(int pixels) { lineWidth_ = pixels; }

PrintFonts::Entry& QtPrintSurface::fontFor(const qv::PrintFont& font) {
  if (lastEntry_ != nullptr && font == lastFont_) return *lastEntry_;
  lastFont_ = font;
  lastEntry_ = &fonts_.entry(font);
  return *lastEntry_;
}

void QtPrintSurface::useTextPen() {
  // A text takes only the pen's colour, so a line pen of that colour serves as well.
  if (pen_.color == textColor_) return;
  painter_.setPen(textColor_);
  pen_ = {textColor_, -1};
}

void QtPrintSurface::useLinePen(const PenState& want) {
  if (pen_ == want) return;
  painter_.setPen(QPen(want.color, want.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  pen_ = want;
}

void QtPrintSurface::flushLines() {
  if (pendingLines_.empty()) return;
  // The width the lines were drawn with: setLineWidth may have changed it since.
  useLinePen(pendingPen_);
  // Each line its own path, in one graphics state: one path of many lines is the same on
  // paper, but PDF viewers then no longer snap thin lines to whole screen pixels and show
  // them grey.
  for (const QLineF& l : pendingLines_) painter_.drawLine(l);
  pendingLines_.clear();
}

void QtPrintSurface::drawGlyphs(const QRawFont& raw) {
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(glyphs_);
  run.setPositions(positions_);
  painter_.drawGlyphRun(QPointF(0, 0), run);
}

void QtPrintSurface::textOut(QPoint at, const qv::PrintFont& font, const QString& text) {
  if (text.isEmpty()) return;
  QPainter& p = painter();
  flushLines();
  PrintFonts::Entry& fe = fontFor(font);
  useTextPen();
  // The face's own glyphs at its own advances, as Qt lays the string out (no kerning),
  // without Qt's text layout and the font it makes for it. Left to Qt: a character the face
  // lacks, which Qt finds in another face, and Latin letters in a row, which a face may join.
  glyphs_.clear();
  positions_.clear();
  bool letterBefore = false;
  for (const QChar c : text) {
    const bool letter = c.unicode() < 0x80 && c.isLetter();
    const quint32 glyph = PrintFonts::glyph(fe, c.unicode());
    if (glyph == 0 || c.isSurrogate() || (letter && letterBefore)) {
      p.setFont(fe.font);
      p.drawText(QPointF(at.x(), at.y() + fe.ascent), text);
      return;
    }
    letterBefore = letter;
    glyphs_.append(glyph);
  }
  const QList<QPointF> advances = fe.raw.advancesForGlyphIndexes(glyphs_);
  qreal x = at.x();
  for (const QPointF& a : advances) {
    positions_.append(QPointF(x, at.y() + fe.ascent));
    x += a.x();
  }
  drawGlyphs(fe.raw);
}

void QtPrintSurface::placeChars(const qv::PrintFont& font, std::span<const qv::PlacedChar> chars) {
  if (chars.empty()) return;
  QPainter& p = painter();
  flushLines();
  PrintFonts::Entry& fe = fontFor(font);
  useTextPen();

  // One glyph run at the characters' own positions (baseline one ascent below the cell's
  // top); a character the face lacks is drawn by itself so that Qt can find it in another
  // face.
  glyphs_.clear();
  positions_.clear();
  missing_.clear();
  for (size_t i = 0; i < chars.size(); ++i) {
    const qv::PlacedChar& c = chars[i];
    const quint32 glyph = PrintFonts::glyph(fe, c.ch);
    if (glyph == 0) {
      missing_.push_back(i);
      continue;
    }
    glyphs_.append(glyph);
    positions_.append(QPointF(c.at.x(), c.at.y() + fe.ascent));
  }
  if (!glyphs_.isEmpty()) drawGlyphs(fe.raw);
  if (!missing_.empty()) {
    p.setFont(fe.font);
    for (size_t i : missing_) {
      const qv::PlacedChar& c = chars[i];
      p.drawText(QPointF(c.at.x(), c.at.y() + fe.ascent), QString(QChar(c.ch)));
    }
  }
}

QPointF QtPrintSurface::toPixels(QPointF mm) const { return mm * pixelsPerMm(); }

void QtPrintSurface::line(QPointF from, QPointF to, qv::RgbColor color) {
  painter();
  // Held back while the lines that follow take the same pen: one path strokes them all.
  const PenState pen{toQColor(color), lineWidth_};
  if (!pendingLines_.empty() && !(pen == pendingPen_)) flushLines();
  pendingPen_ = pen;
  pendingLines_.emplace_back(toPixels(from), toPixels(to));
}

void QtPrintSurface::box(QPointF corner1, QPointF corner2, qv::RgbColor color, int fillStyle,
                         qv::RgbColor fillColor) {
  static constexpr Qt::BrushStyle kFill[] = {Qt::SolidPattern,   Qt::NoBrush,
                                             Qt::HorPattern,     Qt::VerPattern,
                                             Qt::BDiagPattern,   Qt::FDiagPattern,
                                             Qt::CrossPattern,   Qt::DiagCrossPattern};
  QPainter& p = painter();
  flushLines();
  useLinePen({toQColor(color), lineWidth_});
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
  flushLines();
  p.drawImage(QRectF(toPixels(boxMm.topLeft()), toPixels(boxMm.bottomRight())), image);
}

}  // namespace platform
