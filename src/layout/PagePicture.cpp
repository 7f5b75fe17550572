#include "layout/PagePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

namespace {

Qt::CursorShape cursorOf(PointerShape shape) {
  switch (shape) {
    case PointerShape::SizeAll: return Qt::SizeAllCursor;
    case PointerShape::SizeNeSw: return Qt::SizeBDiagCursor;
    case PointerShape::SizeNs: return Qt::SizeVerCursor;
    case PointerShape::SizeNwSe: return Qt::SizeFDiagCursor;
    case PointerShape::SizeWe: return Qt::SizeHorCursor;
    case PointerShape::Arrow: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves without a button pressed pick the handles
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(p);
  setAutoFillBackground(true);
}

void PagePicture::setPaper(float widthMm, float heightMm) {
  paperWidth_ = widthMm;
  paperHeight_ = heightMm;
}

QTransform PagePicture::mmToPixels() const {
  return PreviewTransform(QSizeF(width(), height()), paperWidth_, paperHeight_);
}

QPointF PagePicture::toMm(const QPointF& pixels) const {
  bool invertible = false;
  const QTransform back = mmToPixels().inverted(&invertible);
  return invertible ? back.map(pixels) : QPointF();
}

QPoint PagePicture::toPixels(double xMm, double yMm) const {
  return mmToPixels().map(QPointF(xMm, yMm)).toPoint();
}

double PagePicture::pixelsPerMmY() const { return mmToPixels().m22(); }

void PagePicture::fitCanvas() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
  if (canvas_.size() != pixels) {
    canvas_ = QImage(pixels, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
  }
}

void PagePicture::Cls() {
  fitCanvas();
  canvas_.fill(palette().color(QPalette::Window));
  update();
}

// The pixels of a rectangle, both corners included, on the same rounding as toPixels,
// so that a point of the paper and the box drawn through it meet on the same pixel.
QRect PagePicture::pixelBox(const RegionRect& rect) const {
  const RegionRect n = Normalised(rect);
  return QRect(toPixels(n.X1, n.Y1), toPixels(n.X2, n.Y2));
}

void PagePicture::FillBox(const RegionRect& rect, const QColor& colour) {
  fitCanvas();
  QPainter p(&canvas_);
  const QRect box = pixelBox(rect);
  p.fillRect(box, colour);
  update();
}

void PagePicture::OutlineBox(const RegionRect& rect, const QColor& colour) {
  fitCanvas();
  QPainter p(&canvas_);
  p.setPen(QPen(colour, 0));
  const QRect b = pixelBox(rect);
  // A box without width and height still shows, as a point.
  p.drawLine(b.topLeft(), b.topRight());
  p.drawLine(b.topRight(), b.bottomRight());
  p.drawLine(b.bottomRight(), b.bottomLeft());
  p.drawLine(b.bottomLeft(), b.topLeft());
  update();
}

void PagePicture::Line(double x1, double y1, double x2, double y2, const QColor& colour) {
  fitCanvas();
  QPainter p(&canvas_);
  p.setPen(QPen(colour, 0));
  p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
  update();
}

void PagePicture::setBand(const std::optional<RegionRect>& band) {
  band_ = band;
  update();
}

void PagePicture::setPointer(PointerShape shape) {
  pointer_ = shape;
  setCursor(cursorOf(shape));
}

void PagePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (canvas_.isNull()) p.fillRect(rect(), palette().color(QPalette::Window));
  else p.drawImage(rect(), canvas_);
  if (!band_) return;
  // Black dashes over white, so the band shows on the white paper, on the cyan regions
  // and on the grey margins alike.
  const QRect r = pixelBox(*band_);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 0));
  p.drawRect(r);
  QPen dashes(Qt::black, 0, Qt::DashLine);
  p.setPen(dashes);
  p.drawRect(r);
}

void PagePicture::mousePressEvent(QMouseEvent* event) {
  const QPointF mm = toMm(event->position());
  emit MouseDown(mm.x(), mm.y());
}

void PagePicture::mouseMoveEvent(QMouseEvent* event) {
  const QPointF mm = toMm(event->position());
  emit MouseMove(mm.x(), mm.y());
}

void PagePicture::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF mm = toMm(event->position());
  emit MouseUp(mm.x(), mm.y());
}

}  // namespace qv
