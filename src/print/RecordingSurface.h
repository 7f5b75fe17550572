#pragma once
// A print surface that keeps every call with its arguments, for tests to check positions,
// sizes, fonts and order.

#include <QSize>

#include <deque>
#include <vector>

#include "platform/PrintSurface.h"

namespace qv {

struct SurfaceCall {
  enum class Kind {
    BeginDocument,
    PrintBlank,
    NewPage,
    EndDocument,
    TextColor,
    LineWidth,
    TextOut,
    PlaceChars,
    Line,
    Box,
    Picture
  };
  Kind kind = Kind::BeginDocument;
  PrintFont font;                // TextOut, PlaceChars
  std::vector<PlacedChar> chars;  // PlaceChars; TextOut: chars[0].at is its point
  QString text;                  // TextOut
  QPointF from;                  // Line, Box: first corner; Picture: top-left
  QPointF to;                    // Line, Box: second corner; Picture: width, height
  RgbColor color = 0;            // TextColor, Line, Box
  int fillStyle = FillTransparent;
  RgbColor fillColor = 0;
  int width = 0;                 // LineWidth
  QString file;                  // Picture
  QSize imageSize;               // Picture
};

class RecordingSurface : public PrintSurface {
 public:
  explicit RecordingSurface(double pixelsPerMm = 100) : pixelsPerMm_(pixelsPerMm) {}

  void beginDocument() override { add(SurfaceCall::Kind::BeginDocument); }
  double pixelsPerMm() const override { return pixelsPerMm_; }
  void printBlank() override { add(SurfaceCall::Kind::PrintBlank); }
  void newPage() override { add(SurfaceCall::Kind::NewPage); }
  void endDocument() override { add(SurfaceCall::Kind::EndDocument); }
  void setTextColor(RgbColor color) override;
  void setLineWidth(int pixels) override;
  void textOut(QPoint at, const PrintFont& font, const QString& text) override;
  void placeChars(const PrintFont& font, std::span<const PlacedChar> chars) override;
  void line(QPointF from, QPointF to, RgbColor color) override;
  void box(QPointF corner1, QPointF corner2, RgbColor color, int fillStyle,
           RgbColor fillColor) override;
  void picture(const QRectF& boxMm, const QImage& image, const QString& file) override;

  // Every character drawn, by placeChars or textOut, in order, with its font.
  struct DrawnText {
    QPoint at;
    QString text;
    PrintFont font;
  };
  std::vector<DrawnText> drawnTexts() const;
  // The calls of one kind, in order.
  std::vector<SurfaceCall> callsOf(SurfaceCall::Kind kind) const;
  int count(SurfaceCall::Kind kind) const;
  std::vector<SurfaceCall::Kind> kinds() const;

  // A deque: a long run's calls are never moved to a larger block as the list grows.
  std::deque<SurfaceCall> calls;

 private:
  SurfaceCall& add(SurfaceCall::Kind kind) {
    SurfaceCall& c = calls.emplace_back();
    c.kind = kind;
    return c;
  }
  double pixelsPerMm_;
};

}  // namespace qv
