// Text on the print device: fitting a text into its box (PrintStr), placing its characters
// one by one at exact pitch (OutputString) and the font they are drawn in.

#include <QStringView>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/Cp932.h"
#include "platform/Numbers.h"
#include "print/PrintDevice.h"

namespace qv {

namespace {

bool isBlank(char16_t ch) { return ch == u' ' || ch == u'\u3000'; }

// The face name as the font description holds it: at most 32 bytes of CP932, cut before
// a character that would not fit whole.
QByteArray faceNameBytes(const QString& name) {
  constexpr int kMaxBytes = LogFontRec::kFaceBytes - 1;
  int bytes = 0;
  qsizetype cut = 0;
  while (cut < name.size()) {
    const qsizetype step = name[cut].isHighSurrogate() && cut + 1 < name.size() ? 2 : 1;
    const int len = platform::lenAnsi(QStringView(name).mid(cut, step));
    if (bytes + len > kMaxBytes) break;
    bytes += len;
    cut += step;
  }
  return platform::encodeCp932(QStringView(name).left(cut));
}

// A character larger than any sheet comes from a damaged number (a layout size, a piece of
// 外字定義.txt): it is made at that largest size, which keeps the font's pixel sizes far
// inside the integer range.
constexpr double kMaxCharMm = 1000;

int fontPixels(double pixels, double pixelsPerMm) {
  const double limit = kMaxCharMm * std::max(pixelsPerMm, 1.0);
  return platform::roundHalfEven(std::clamp(pixels, -limit, limit));  // NaN gives 0
}

}  // namespace

int PrintDevice::LenAnsi(const QString& text) { return platform::lenAnsi(text); }

void PrintDevice::PrintStr(double x, double y, double height, double charWidth, double pitch,
                           double x2, const QString& text) {
  const int n = LenAnsi(text);
  const double cw = charWidth <= 0 ? height : charWidth;
  double p = std::abs(pitch);
  // A negative x right-aligns on x2 but keeps the text right of |x|.
  const double left = x >= 0 ? x : std::max(x2 - n * p / 2, -x);

  if (x2 <= 0) {
    if (p == 0) p = cw;
    OutputString(left, y, height, cw, p, text);
    return;
  }
  if (n <= 2) {
    // One full-width or two half-width characters: centred in the box.
    const double start = (left + x2) / 2 - n * charWidth / 4;
    OutputString(start, y, height, charWidth, charWidth, text);
    return;
  }
  // Spread so that the last full-width character ends at x2.
  double s = 2 * (x2 - x - charWidth) / (n - 2);
  double w = cw;
  if (s < charWidth) {
    // Does not fit: the characters shrink to the pitch.
    s = 2 * (x2 - x) / n;
    w = s;
  }
  if (p > 0 && p < s) {
    // Never spaced wider than the pitch asked for.
    s = p;
    w = charWidth;
  }
  OutputString(left, y, height, w, s, text);
}

void PrintDevice::PrintStrCenter(double x, double y, double height, double charWidth,
                                 double pitch, const QString& text) {
  PrintStr(x - LenAnsi(text) * pitch / 4, y, height, charWidth, pitch, 0, text);
}

void PrintDevice::OutputString(double x, double y, double height, double charWidth,
                               double pitch, const QString& text) {
  StartPrintDoc();
  if (!OutputOn) return;
  if (PrintImgOn) {
    WritePagRecord(QStringLiteral("#OSY"),
                   {PagNumber(x), PagNumber(y), PagNumber(height), PagNumber(charWidth),
                    PagNumber(pitch), QLatin1Char('"') + text + QLatin1Char('"')});
    return;
  }
  double px = 0;
  double py = 0;
  MapPoint(x, y, px, py);
  const double mPitch = FactorX * pitch;
  const double mHeight = FactorY * height;
  const double mWidth = FactorX * charWidth;
  SetCharSize(mHeight, mWidth);
  SelectPrintFont();

  double dx = mPitch;
  double dy = 0;
  if (PrintLogFont.lfEscapement != 0) {
    const double a = PrintLogFont.lfEscapement * 3.141593 / 1800;
    dx = mPitch * std::cos(a);
    dy = -mPitch * std::sin(a);
  }

  // The characters as the printer receives them: what CP932 cannot hold prints as "?".
  const QString ansi = platform::roundTripCp932(text);
  std::vector<PlacedChar>& run = placed_;
  run.clear();
  auto flush = [&] {
    if (!run.empty() && drawing()) surface_->placeChars(font_, run);
    run.clear();
  };

  double cx = px;
  double cy = py;
  for (qsizetype i = 0; i < ansi.size(); ++i) {
    const char16_t ch = ansi[i].unicode();
    if (!isBlank(ch)) {
      if (const int g = Gaiji.empty() ? -1 : findGaiji(QStringView(ansi).mid(i, 1)); g >= 0) {
        flush();
        DrawGaiji(g, cx, cy, mHeight, mWidth, dx, dy);
        SetCharSize(mHeight, mWidth);
        SelectPrintFont();
      } else {
        run.push_back({toDevicePoint(cx, cy), ch});
      }
    }
    const double step = platform::isFullWidth(ch) ? 1.0 : 0.5;
    cx += dx * step;
    cy += dy * step;
  }
  flush();
}

void PrintDevice::TextOutAt(double x, double y, const QString& text) {
  if (!drawing()) return;
  surface_->textOut(toDevicePoint(x, y), font_, platform::roundTripCp932(text));
}

void PrintDevice::SelectPrintFont() {
  if (!OutputOn) return;
  FontCreated = true;
  InitLogFont();
  PrintLogFont.lfHeight = -fontPixels(CharHeightPx, PixelsPerMm);
  PrintLogFont.lfWidth = fontPixels(CharWidthPx / 2, PixelsPerMm);
  PrintLogFont.lfOrientation = PrintLogFont.lfEscapement;
  if (FontBold > 1) PrintLogFont.lfWeight = 700;
  if (font_.face.isNull() || PrintFontName != faceSource_) {
    faceSource_ = PrintFontName;
    PrintLogFont.lfFaceName = faceNameBytes(PrintFontName);
    font_.face = platform::decodeCp932(PrintLogFont.lfFaceName);
  }
  font_.heightPx = -PrintLogFont.lfHeight;
  font_.halfWidthPx = PrintLogFont.lfWidth;
  font_.weight = PrintLogFont.lfWeight;
}

void PrintDevice::InitLogFont() {
  if (!OutputOn) return;
  QByteArray face = std::move(PrintLogFont.lfFaceName);
  PrintLogFont = LogFontRec{};
  PrintLogFont.lfHeight = 80;
  PrintLogFont.lfWidth = 20;
  PrintLogFont.lfWeight = FontWeight;
  PrintLogFont.lfFaceName = std::move(face);
}

}  // namespace qv
