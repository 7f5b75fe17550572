// Lines, boxes and pictures on the print device.

#include <QColor>
#include <QImage>

#include "platform/Files.h"
#include "print/PrintDevice.h"

namespace qv {

void PrintDevice::OutputLine(double x1, double y1, double x2, double y2) {
  StartPrintDoc();
  if (!OutputOn) return;
  if (PrintImgOn) {
    WritePagRecord(QStringLiteral("#OLI"), {PagNumber(x1), PagNumber(y1), PagNumber(x2), PagNumber(y2)});
    return;
  }
  if (!drawing()) return;
  surface_->line(toSurfacePoint(x1, y1), toSurfacePoint(x2, y2), ForeColorRgb);
}

void PrintDevice::OutputRect(double x1, double y1, double x2, double y2, bool filled) {
  StartPrintDoc();
  if (!OutputOn) return;
  if (PrintImgOn) {
    WritePagRecord(QStringLiteral("#ORE"), {PagNumber(x1), PagNumber(y1), PagNumber(x2),
                                            PagNumber(y2), PagFlag(filled)});
    return;
  }
  if (!drawing()) return;
  const QPointF a = toSurfacePoint(x1, y1);
  const QPointF b = toSurfacePoint(x2, y2);
  if (filled) {
    surface_->box(a, b, ForeColorRgb, FillStyleNo, FillColorRgb);
    return;
  }
  // Left, bottom, right, top.
  surface_->line(a, {a.x(), b.y()}, ForeColorRgb);
  surface_->line({a.x(), b.y()}, b, ForeColorRgb);
  surface_->line(b, {b.x(), a.y()}, ForeColorRgb);
  surface_->line({b.x(), a.y()}, a, ForeColorRgb);
}

void PrintDevice::OutputImage(double x, double y, double w, double h, const QString& file,
                              int colour) {
  if (!platform::fileExists(file)) return;
  StartPrintDoc();
  if (!OutputOn) return;
  if (PrintImgOn) {
    WritePagRecord(QStringLiteral("#OIM"), {PagNumber(x), PagNumber(y), PagNumber(w), PagNumber(h), file});
    return;
  }
  if (!drawing()) return;
  double mx = 0;
  double my = 0;
  double mw = 0;
  double mh = 0;
  MapPoint(x, y, mx, my);
  MapSize(w, h, mw, mh);

  // A picture that cannot be read prints nothing; the rest of the job goes on.
  QImage image(file);
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return;
  if (colour >= 0) {
    image = image.convertToFormat(QImage::Format_RGB32);
    image.fill(QColor(colour & 0xFF, colour & 0xFF, colour & 0xFF));
  }
  const double r = static_cast<double>(image.height()) / image.width();

  double dw = 0;
  double dh = 0;
  if (mw <= 0 || mh <= 0) {
    // One side not given: the other follows from the aspect ratio.
    if (mw <= 0) {
      dh = mh;
      dw = mh / r;
    } else {
      dw = mw;
      dh = mw * r;
    }
  } else if (ImageStretch) {
    dw = mw;
    dh = mh;
  } else if (static_cast<float>(mh / mw) >= static_cast<float>(r)) {
    dw = mw;
    dh = mw * r;
    my += (mh - dh) / 2;
  } else {
    dh = mh;
    dw = mh / r;
    mx += (mw - dw) / 2;
  }
  const QRectF target(Zoom * mx + ZoomOffsetX, Zoom * my + ZoomOffsetY, Zoom * dw, Zoom * dh);
  surface_->picture(target, image, file);
}

QPointF PrintDevice::toSurfacePoint(double x, double y) const {
  double mx = 0;
  double my = 0;
  MapPoint(x, y, mx, my);
  return {Zoom * mx + ZoomOffsetX, Zoom * my + ZoomOffsetY};
}

}  // namespace qv
