#pragma once
// The page preview: a picture of the paper in millimetres. What the editor draws stays
// on the picture (a canvas kept by the widget) until it is cleared; the rubber band of a
// drag is an overlay painted over the canvas, so showing and hiding it never touches what
// was drawn. Mouse positions are reported in millimetres of the paper.

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <optional>

#include "layout/RegionGeometry.h"
#include "layout/RegionHitTest.h"

namespace qv {

class PagePicture : public QWidget {
  Q_OBJECT

 public:
  explicit PagePicture(QWidget* parent = nullptr);

  // The paper that the picture's width and height stand for.
  void setPaper(float widthMm, float heightMm);
  float paperWidth() const { return paperWidth_; }
  float paperHeight() const { return paperHeight_; }
  // Millimetres to the picture's pixels and back.
  QTransform mmToPixels() const;
  QPointF toMm(const QPointF& pixels) const;
  QPoint toPixels(double xMm, double yMm) const;
  double pixelsPerMmY() const;

  // Drawing on the canvas, in millimetres.
  void Cls();  // the whole picture in the back colour
  void FillBox(const RegionRect& rect, const QColor& colour);
  void OutlineBox(const RegionRect& rect, const QColor& colour);
  void Line(double x1, double y1, double x2, double y2, const QColor& colour);

  // The rubber band over the canvas; nullopt hides it.
  void setBand(const std::optional<RegionRect>& band);
  const std::optional<RegionRect>& band() const { return band_; }

  void setPointer(PointerShape shape);
  PointerShape pointer() const { return pointer_; }

  const QImage& canvas() const { return canvas_; }

 signals:
  void MouseDown(double xMm, double yMm);
  void MouseMove(double xMm, double yMm);
  void MouseUp(double xMm, double yMm);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void fitCanvas();
  QRect pixelBox(const RegionRect& rect) const;

  float paperWidth_ = 210;
  float paperHeight_ = 297;
  QImage canvas_;
  std::optional<RegionRect> band_;
  PointerShape pointer_ = PointerShape::Arrow;
};

}  // namespace qv
