#pragma once
// The print surface on a Qt paged device: the system printer (QPrinter, through CUPS) or a
// PDF file (QPrinter in PDF mode or QPdfWriter). Painter coordinates are the device's
// pixels from the top-left of the printable area.

#include <QColor>
#include <QPainter>

#include <memory>
#include <vector>

#include "platform/PrintFonts.h"
#include "platform/PrintSurface.h"

class QPagedPaintDevice;

namespace platform {

class QtPrintSurface : public qv::PrintSurface {
 public:
  // The caller sets the device up (output, paper size, orientation); it must outlive the
  // surface. Nothing is sent until the first drawing call begins the document. The fonts are
  // the caller's, kept from job to job (they must outlive the surface); without them the
  // surface makes its own for this job.
  explicit QtPrintSurface(QPagedPaintDevice& device, PrintFonts* fonts = nullptr);
  ~QtPrintSurface() override;
  QtPrintSurface(const QtPrintSurface&) = delete;
  QtPrintSurface& operator=(const QtPrintSurface&) = delete;

  // Throws std::runtime_error when the printer or file cannot be opened.
  void beginDocument() override;
  double pixelsPerMm() const override;
  void printBlank() override;
  void newPage() override;
  void endDocument() override;
  void setTextColor(qv::RgbColor color) override;
  void setLineWidth(int pixels) override;
  void textOut(QPoint at, const qv::PrintFont& font, const QString& text) override;
  void placeChars(const qv::PrintFont& font, std::span<const qv::PlacedChar> chars) override;
  void line(QPointF from, QPointF to, qv::RgbColor color) override;
  void box(QPointF corner1, QPointF corner2, qv::RgbColor color, int fillStyle,
           qv::RgbColor fillColor) override;
  void picture(const QRectF& boxMm, const QImage& image, const QString& file) override;

 private:
  // The pen the painter holds: set again only when a drawing call needs another.
  struct PenState {
    QColor color;
    int width = -1;  // -1: a text pen, which only its colour matters for
    bool operator==(const PenState&) const = default;
  };
  // The entry of the font; the last one is kept, as consecutive texts mostly share a font.
  // The cell width is the font's stretch, so no text needs a transform of its own (a
  // transform per text makes the PDF writer reset its graphics state around each one).
  PrintFonts::Entry& fontFor(const qv::PrintFont& font);
  // Draws glyphs_ at positions_ in the raw font, as one run.
  void drawGlyphs(const QRawFont& raw);
  QPainter& painter();
  QPointF toPixels(QPointF mm) const;
  void useTextPen();
  void useLinePen(const PenState& pen);
  // Draws the lines gathered since the last other drawing call, all in one path.
  void flushLines();

  QPagedPaintDevice& device_;
  QPainter painter_;
  QColor textColor_ = Qt::black;
  int lineWidth_ = 1;
  PenState pen_;
  std::vector<QLineF> pendingLines_;
  // Kept between texts so that placing characters allocates nothing once warmed.
  QList<quint32> glyphs_;
  QList<QPointF> positions_;
  std::vector<size_t> missing_;
  PenState pendingPen_;
  std::unique_ptr<PrintFonts> ownFonts_;
  PrintFonts& fonts_;
  qv::PrintFont lastFont_;
  PrintFonts::Entry* lastEntry_ = nullptr;
};

}  // namespace platform
