#pragma once
// The print surface on a Qt paged device: the system printer (QPrinter, through CUPS) or a
// PDF file (QPrinter in PDF mode or QPdfWriter). Painter coordinates are the device's
// pixels from the top-left of the printable area.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <vector>

#include "platform/PrintSurface.h"

class QPagedPaintDevice;

namespace platform {

class QtPrintSurface : public qv::PrintSurface {
 public:
  // The caller sets the device up (output, paper size, orientation); it must outlive the
  // surface. Nothing is sent until the first drawing call begins the document.
  explicit QtPrintSurface(QPagedPaintDevice& device);
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
  // The cell width is the font's stretch, so no text needs a transform of its own (a
  // transform per text makes the PDF writer reset its graphics state around each one).
  struct FontKey {
    QString face;
    int heightPx;
    int weight;
    int stretch;
    bool operator==(const FontKey&) const = default;
    friend size_t qHash(const FontKey& k, size_t seed = 0) {
      return qHashMulti(seed, k.face, k.heightPx, k.weight, k.stretch);
    }
  };
  // The pen the painter holds: set again only when a drawing call needs another.
  struct PenState {
    QColor color;
    int width = -1;  // -1: a text pen, which only its colour matters for
    bool operator==(const PenState&) const = default;
  };
  struct FontEntry {
    QFont font;
    QRawFont raw;
    qreal ascent = 0;
    QHash<char16_t, quint32> glyphs;  // 0: the face lacks the character
  };
  // The family a face of the data prints in (printFamily), looked up once per face.
  const QString& familyFor(const QString& face);
  // The entry of the font; the last one is kept, as consecutive texts mostly share a font.
  FontEntry& fontFor(const qv::PrintFont& font);
  quint32 glyphFor(FontEntry& entry, char16_t ch);
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
  QHash<QString, QString> families_;
  QHash<FontKey, FontEntry> fonts_;
  // The first raw font of each face, weight and stretch (height 0), which other heights copy.
  QHash<FontKey, QRawFont> shapes_;
  qv::PrintFont lastFont_;
  FontEntry* lastEntry_ = nullptr;
};

}  // namespace platform
