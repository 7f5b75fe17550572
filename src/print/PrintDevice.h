#pragma once
// The one print device: pages in millimetres, fonts, colours, lines, boxes and pictures.
// Callers give every position and size in millimetres from the top-left of the printable
// area. The device keeps the drawing state across callers and pages and talks to an
// attached PrintSurface (the printer, or a recorder in tests).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/PrintSurface.h"

class QFile;

namespace qv {

struct Model;
struct BunshouItem;
struct MojiretsuItem;
struct TextVarState;

// One piece of an external character: a text placed and sized in percent of the cell.
struct GaijiPart {
  int OffsetX = 0;
  int OffsetY = 0;
  int Width = 0;
  int Height = 0;
  QString Text;
};

// An external character composed of ordinary text pieces.
struct GaijiRec {
  QString Char;
  int PartCount = 0;
  std::vector<GaijiPart> Parts;
};

// The font description a text is made with, in the printer's terms.
struct LogFontRec {
  static constexpr int kFaceBytes = 33;  // face name and its terminating zero byte

  int lfHeight = 0;  // minus the character height in device pixels
  int lfWidth = 0;   // half-width character width in device pixels; 0: the font's own
  int lfEscapement = 0;
  int lfOrientation = 0;
  int lfWeight = 400;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 1;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  QByteArray lfFaceName;  // CP932, at most kFaceBytes - 1 bytes
};

class PrintDevice {
 public:
  PrintDevice();
  ~PrintDevice();
  PrintDevice(const PrintDevice&) = delete;
  PrintDevice& operator=(const PrintDevice&) = delete;

  // The surface the next jobs draw on; not owned. Without one nothing is drawn.
  void attachSurface(PrintSurface* surface) { surface_ = surface; }
  PrintSurface* surface() const { return surface_; }

  // ---- job and page ----
  // Opens a job: the face becomes insatsuFont, lines black, width 0.1 mm; the external
  // characters are read from programFolder at the first drawing call.
  void OpenPrint(const QString& insatsuFont, const QString& programFolder);
  void OpenPrint(PrintSurface& surface, const QString& insatsuFont, const QString& programFolder);
  // The same with the print font and program folder of the program.
  void OpenPrint(const Model& model);
  // OpenPrint keeps the bold switch, the colour components and the orientation word; a
  // print command calls this first, so that it does not print with what the command
  // before it left, but as the first command after start-up does.
  void ForgetPreviousJob();
  void StartPrintDoc();
  void NewPage();
  void ClosePrint();
  void PrintBlank(const QString& text);

  // ---- state setters ----
  void SetCharSize(double height, double width);
  void SetColor(int r, int g, int b);
  void SetFontName(const QString& name);
  void SetFill(RgbColor color, int style);
  void SetDrawWidth(double width);
  void SetStretch(bool flag);
  void SetOrientation(const QString& word);
  void SetOffset(double x, double y);
  void SetFactor(double fx, double fy);

  // ---- coordinate mapping ----
  void MapPoint(double x, double y, double& mx, double& my) const;
  void MapSize(double w, double h, double& mw, double& mh) const;

  // ---- text ----
  void PrintStr(double x, double y, double height, double charWidth, double pitch, double x2,
                const QString& text);
  void PrintStrCenter(double x, double y, double height, double charWidth, double pitch,
                      const QString& text);
  void OutputString(double x, double y, double height, double charWidth, double pitch,
                    const QString& text);
  void TextOutAt(double x, double y, const QString& text);
  void SelectPrintFont();
  void InitLogFont();
  static int LenAnsi(const QString& text);

  // ---- external characters ----
  void ReadGaijiFile(const QString& path);
  void DrawGaiji(int index, double cx, double cy, double cellHeight, double cellWidth,
                 double dx, double dy);
  int GaijiCount() const { return static_cast<int>(Gaiji.size()); }

  // ---- lines, boxes and pictures ----
  void OutputLine(double x1, double y1, double x2, double y2);
  void OutputRect(double x1, double y1, double x2, double y2, bool filled);
  // colour >= 0 greys the whole picture with that level before it is painted.
  void OutputImage(double x, double y, double w, double h, const QString& file, int colour);

  // ---- layout items ----
  // The item's "&" placeholders are expanded through the text variables.
  void PrintLayoutItem(const BunshouItem& item, const TextVarState& textVars);
  void PrintLayoutItemLines(const MojiretsuItem& item);

  // ---- print-image recorder ----
  // Writes one record of the recording while it is switched on.
  void WritePagRecord(const QString& word, const QStringList& args = {});
  // Argument texts of the records: numbers in plain decimal, flags True or False.
  static QString PagNumber(double value);
  static QString PagFlag(bool value);

  // ---- state ----
  bool OutputOn = false;
  bool PrintImgOn = false;  // record into PrintImg.IDX / PrintImg.PAG instead of printing
  QString PrintImgFolder;   // where the recording goes; the current folder when empty
  bool DocStarted = false;
  bool PageFresh = true;
  double PixelsPerMm = 0;
  double OriginX = 0;
  double OriginY = 0;
  double FactorX = 1;
  double FactorY = 1;
  double Zoom = 1;
  double ZoomOffsetX = 0;
  double ZoomOffsetY = 0;
  QString PrintFontName;
  int FontWeight = 400;
  int FontBold = 0;  // greater than 1: the next font is bold
  double CharHeightPx = 0;
  double CharWidthPx = 0;
  int ColorR = 0;
  int ColorG = 0;
  int ColorB = 0;
  RgbColor ForeColorRgb = 0;
  RgbColor FillColorRgb = 0;
  int FillStyleNo = FillTransparent;
  double DrawWidthMm = 0.1;
  bool ImageStretch = false;
  QString PrintOrientation;
  bool FontCreated = false;
  LogFontRec PrintLogFont;
  std::vector<GaijiRec> Gaiji;

 private:
  bool drawing() const { return OutputOn && !PrintImgOn && surface_ != nullptr; }
  bool recording() const { return OutputOn && PrintImgOn; }
  // Millimetres to device pixels (texts) and to surface millimetres (figures).
  QPoint toDevicePoint(double x, double y) const;
  QPointF toSurfacePoint(double x, double y) const;
  int findGaiji(QStringView ch) const;
  // Begins the surface's document and first page (or the recording).
  void beginOutput();
  void openPrintImg();
  void closePrintImg();
  void recordPageState();

  PrintSurface* surface_ = nullptr;
  bool outputBegun_ = false;  // the surface's document (or the recording) has begun
  QString programFolder_;
  PrintFont font_;      // the font made by the last SelectPrintFont
  QString faceSource_;  // the face name font_.face was made from
  std::vector<PlacedChar> placed_;  // OutputString's characters, kept between texts
  std::unique_ptr<QFile> printImgIdx_;
  std::unique_ptr<QFile> printImgPag_;
  qint64 printImgPagBytes_ = 0;
};

}  // namespace qv
