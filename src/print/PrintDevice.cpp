// The job and page of the print device, its state setters and the coordinate mapping.

#include "print/PrintDevice.h"

#include <QFile>

#include <algorithm>

#include "data/Model.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace qv {

PrintDevice::PrintDevice() = default;
PrintDevice::~PrintDevice() = default;

void PrintDevice::OpenPrint(const QString& insatsuFont, const QString& programFolder) {
  programFolder_ = programFolder;
  DocStarted = false;
  ZoomOffsetX = 0;
  ZoomOffsetY = 0;
  Zoom = 1;
  CharWidthPx = 0;
  OriginX = 0;
  OriginY = 0;
  FactorX = 1;
  FactorY = 1;
  ImageStretch = false;

  PageFresh = true;
  OutputOn = true;
  outputBegun_ = false;
  // Measured now, so that texts placed before the surface's page begins land right.
  if (surface_ != nullptr) PixelsPerMm = surface_->pixelsPerMm();

  PrintFontName = insatsuFont;
  FontWeight = 400;
  // Lines and box edges are black from the start of every job; the surface's text colour
  // and line width stay as they were until the next SetColor / SetDrawWidth.
  ForeColorRgb = Rgb(0, 0, 0);
  FillColorRgb = 0;
  FillStyleNo = FillTransparent;
  DrawWidthMm = 0.1;
  FontCreated = false;
  InitLogFont();
}

void PrintDevice::OpenPrint(PrintSurface& surface, const QString& insatsuFont,
                            const QString& programFolder) {
  attachSurface(&surface);
  OpenPrint(insatsuFont, programFolder);
}

void PrintDevice::OpenPrint(const Model& model) {
  OpenPrint(model.kankyou.InsatsuFont, model.programFolder);
}

void PrintDevice::ForgetPreviousJob() {
  FontBold = 0;
  ColorR = 0;
  ColorG = 0;
  ColorB = 0;
  PrintOrientation.clear();
}

// Nothing reaches the surface before the first drawing call, so a job in which nothing is
// drawn is never sent.
void PrintDevice::StartPrintDoc() {
  if (!DocStarted) {
    // Read even while output is off, so that the table belongs to this job.
    ReadGaijiFile(platform::joinPath(programFolder_, QStringLiteral("外字定義.txt")));
    DocStarted = true;
  }
  // A run may make its first calls with output off (pages it skips): the surface's
  // document and first page begin with the first call made while output is on.
  if (OutputOn && !outputBegun_) beginOutput();
}

void PrintDevice::beginOutput() {
  outputBegun_ = true;
  if (PrintImgOn) {
    openPrintImg();
    Zoom = 1;
    ZoomOffsetX = 0;
    ZoomOffsetY = 0;
  } else if (surface_ != nullptr) {
    surface_->beginDocument();
    SetFontName(PrintFontName);
  }
  if (surface_ != nullptr) PixelsPerMm = surface_->pixelsPerMm();
  if (PageFresh) {
    PrintBlank(QStringLiteral(" "));
    PageFresh = false;
  }
}

void PrintDevice::PrintBlank(const QString& text) {
  Q_UNUSED(text);  // only ever a blank: it begins the page and leaves no mark
  if (drawing()) surface_->printBlank();
}

void PrintDevice::NewPage() {
  // After calls made with output off, the page that output begins on is the surface's
  // first: no empty page before it.
  const bool skippedStart = DocStarted && !outputBegun_;
  StartPrintDoc();
  if (!OutputOn || skippedStart) return;
  if (recording()) {
    WritePagRecord(QStringLiteral("#OPA"));
    if (printImgIdx_) printImgIdx_->write(QByteArray::number(printImgPagBytes_ + 1) + "\r\n");
    recordPageState();
  } else if (drawing()) {
    surface_->newPage();
  }
  PageFresh = true;
  // Every page is begun, even one on which nothing else is drawn.
  PrintBlank(QStringLiteral(" "));
}

void PrintDevice::ClosePrint() {
  if (!DocStarted) return;
  DocStarted = false;
  // A begun job is ended whatever the output switch says now, or it would never be sent.
  if (!outputBegun_) return;
  outputBegun_ = false;
  if (printImgPag_ || printImgIdx_) {
    WritePagRecord(QStringLiteral("#CLO"));
    closePrintImg();
  } else if (surface_ != nullptr) {
    surface_->endDocument();
  }
}

void PrintDevice::SetCharSize(double height, double width) {
  StartPrintDoc();
  if (!OutputOn) return;
  if (PrintImgOn) WritePagRecord(QStringLiteral("#SSI"), {PagNumber(height), PagNumber(width)});
  CharHeightPx = Zoom * height * PixelsPerMm;
  CharWidthPx = Zoom * width * PixelsPerMm;
}

void PrintDevice::SetColor(int r, int g, int b) {
  StartPrintDoc();
  ColorR = r;
  ColorG = g;
  ColorB = b;
  ForeColorRgb = Rgb(r, g, b);
  if (recording()) {
    WritePagRecord(QStringLiteral("#SCO"), {QString::number(r), QString::number(g), QString::number(b)});
  } else if (drawing()) {
    surface_->setTextColor(ForeColorRgb);
  }
}

void PrintDevice::SetFontName(const QString& name) {
  StartPrintDoc();
  if (recording()) {
    // The recording keeps the face in its records only.
    WritePagRecord(QStringLiteral("#SFO"), {name});
    return;
  }
  PrintFontName = name;
}

void PrintDevice::SetFill(RgbColor color, int style) {
  StartPrintDoc();
  FillColorRgb = color;
  FillStyleNo = style;
  if (recording()) WritePagRecord(QStringLiteral("#SFI"), {QString::number(color), QString::number(style)});
  // The surface takes the fill with each filled box (OutputRect).
}

void PrintDevice::SetDrawWidth(double width) {
  StartPrintDoc();
  if (!OutputOn) return;
  DrawWidthMm = width;
  if (recording()) {
    WritePagRecord(QStringLiteral("#SWI"), {PagNumber(width)});
  } else if (drawing() && width > 0) {
    // A line thinner than one device pixel still prints one pixel wide.
    surface_->setLineWidth(std::max(1, platform::roundHalfEven(Zoom * width * PixelsPerMm)));
  }
}

void PrintDevice::SetStretch(bool flag) {
  StartPrintDoc();
  ImageStretch = flag;
  if (recording()) WritePagRecord(QStringLiteral("#SDE"), {PagFlag(flag)});
}

void PrintDevice::SetOrientation(const QString& word) {
  StartPrintDoc();
  if (!OutputOn) return;
  PrintOrientation = word;
  if (PrintImgOn) WritePagRecord(QStringLiteral("SOR"), {word});
}

void PrintDevice::SetOffset(double x, double y) {
  StartPrintDoc();
  OriginX = x;
  OriginY = y;
  if (recording()) WritePagRecord(QStringLiteral("#SOF"), {PagNumber(x), PagNumber(y)});
}

void PrintDevice::SetFactor(double fx, double fy) {
  StartPrintDoc();
  FactorX = fx;
  FactorY = fy;
  if (recording()) WritePagRecord(QStringLiteral("#SFA"), {PagNumber(fx), PagNumber(fy)});
}

void PrintDevice::MapPoint(double x, double y, double& mx, double& my) const {
  mx = FactorX * x + OriginX;
  my = FactorY * y + OriginY;
}

void PrintDevice::MapSize(double w, double h, double& mw, double& mh) const {
  mw = FactorX * w;
  mh = FactorY * h;
}

QPoint PrintDevice::toDevicePoint(double x, double y) const {
  return {platform::roundHalfEven(PixelsPerMm * (Zoom * x + ZoomOffsetX)),
          platform::roundHalfEven(PixelsPerMm * (Zoom * y + ZoomOffsetY))};
}

}  // namespace qv
