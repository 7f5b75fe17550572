#pragma once
// A surface that draws nothing and keeps nothing: what a chart and the device cost by
// themselves, the share of a run that is program logic. (The recorder is not one: it
// copies every call.)

#include "platform/PrintSurface.h"

namespace bench {

class NullSurface : public qv::PrintSurface {
 public:
  explicit NullSurface(double pixelsPerMm = 600 / 25.4) : pixelsPerMm_(pixelsPerMm) {}
  void beginDocument() override {}
  double pixelsPerMm() const override { return pixelsPerMm_; }
  void printBlank() override {}
  void newPage() override {}
  void endDocument() override {}
  void setTextColor(qv::RgbColor) override {}
  void setLineWidth(int) override {}
  void textOut(QPoint, const qv::PrintFont&, const QString&) override {}
  void placeChars(const qv::PrintFont&, std::span<const qv::PlacedChar>) override {}
  void line(QPointF, QPointF, qv::RgbColor) override {}
  void box(QPointF, QPointF, qv::RgbColor, int, qv::RgbColor) override {}
  void picture(const QRectF&, const QImage&, const QString&) override {}

 private:
  double pixelsPerMm_;
};

}  // namespace bench
