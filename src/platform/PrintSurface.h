#pragma once
// What the print device needs of a drawing surface: a document of pages, text at
// device-pixel points with a font description, and lines, boxes and pictures in
// millimetres. The printer (Qt) and the recorder of the tests implement it.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <span>

namespace qv {

// A colour as r + 256·g + 65536·b.
using RgbColor = std::int32_t;

constexpr RgbColor Rgb(int r, int g, int b) { return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16; }
constexpr int RgbRed(RgbColor c) { return c & 0xFF; }
constexpr int RgbGreen(RgbColor c) { return c >> 8 & 0xFF; }
constexpr int RgbBlue(RgbColor c) { return c >> 16 & 0xFF; }

// The font a text is drawn in, in device pixels: the character height (em), the width of
// a half-width character (0: the font's own) and the weight (400 normal, 700 bold).
struct PrintFont {
  QString face;
  int heightPx = 0;
  int halfWidthPx = 0;
  int weight = 400;
  bool operator==(const PrintFont&) const = default;
};

inline size_t qHash(const PrintFont& f, size_t seed = 0) {
  return qHashMulti(seed, f.face, f.heightPx, f.halfWidthPx, f.weight);
}

// One character and the top-left corner of its cell, in device pixels. The characters come
// from CP932 text, so each is one UTF-16 unit.
struct PlacedChar {
  QPoint at;
  char16_t ch = 0;
  bool operator==(const PlacedChar&) const = default;
};

// Fill styles of boxes: 0 solid, 1 transparent, 2 to 7 hatchings.
constexpr int FillSolid = 0;
constexpr int FillTransparent = 1;

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Starts the job and its first page. Called once, by the first drawing call of a job.
  virtual void beginDocument() = 0;
  // Device pixels in one millimetre.
  virtual double pixelsPerMm() const = 0;
  // The blank that begins a page, so that even an empty page is emitted.
  virtual void printBlank() = 0;
  virtual void newPage() = 0;
  // Ends and sends the job.
  virtual void endDocument() = 0;

  // Colour of the texts that follow.
  virtual void setTextColor(RgbColor color) = 0;
  // Width in device pixels of the lines and box edges that follow.
  virtual void setLineWidth(int pixels) = 0;

  // The text as one string with the font's own spacing, its first cell's top-left at `at`.
  virtual void textOut(QPoint at, const PrintFont& font, const QString& text) = 0;
  // Each character drawn by itself at its own point (the characters of one text).
  virtual void placeChars(const PrintFont& font, std::span<const PlacedChar> chars) = 0;

  // Positions in millimetres from the top-left of the printable area.
  virtual void line(QPointF from, QPointF to, RgbColor color) = 0;
  // Outline in `color`, inside by fill style and colour.
  virtual void box(QPointF corner1, QPointF corner2, RgbColor color, int fillStyle,
                   RgbColor fillColor) = 0;
  virtual void picture(const QRectF& boxMm, const QImage& image, const QString& file) = 0;
};

}  // namespace qv
