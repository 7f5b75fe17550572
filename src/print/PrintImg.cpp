// The print-image recorder: while PrintImgOn, a job is written to PrintImg.PAG (one record
// per drawing command) and PrintImg.IDX (where each page's records begin) instead of being
// printed. Nothing in the program switches it on.

#include <QDir>
#include <QFile>

#include <charconv>

#include "platform/Cp932.h"
#include "print/PrintDevice.h"

namespace qv {

QString PrintDevice::PagNumber(double value) {
  // Positions and sizes are single precision: write the shortest text of that value.
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<float>(value));
  QString text = QString::fromLatin1(buf, res.ptr - buf);
  return text.replace(QLatin1Char('e'), QLatin1Char('E'));
}

QString PrintDevice::PagFlag(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

void PrintDevice::WritePagRecord(const QString& word, const QStringList& args) {
  if (!PrintImgOn || !printImgPag_) return;
  QString line = word;
  for (const QString& a : args) line += QLatin1Char(',') + a;
  const QByteArray bytes = platform::encodeCp932(line) + "\r\n";
  printImgPag_->write(bytes);
  printImgPagBytes_ += bytes.size();
}

void PrintDevice::openPrintImg() {
  closePrintImg();
  const QDir folder(PrintImgFolder.isEmpty() ? QDir::currentPath() : PrintImgFolder);
  printImgIdx_ = std::make_unique<QFile>(folder.filePath(QStringLiteral("PrintImg.IDX")));
  printImgPag_ = std::make_unique<QFile>(folder.filePath(QStringLiteral("PrintImg.PAG")));
  if (!printImgIdx_->open(QIODevice::WriteOnly | QIODevice::Truncate)) printImgIdx_.reset();
  if (!printImgPag_->open(QIODevice::WriteOnly | QIODevice::Truncate)) printImgPag_.reset();
  printImgPagBytes_ = 0;
  if (printImgIdx_) printImgIdx_->write("1\r\n");
}

void PrintDevice::closePrintImg() {
  printImgPag_.reset();
  printImgIdx_.reset();
}

// Each page of the recording stands alone: it starts with the whole drawing state.
void PrintDevice::recordPageState() {
  SetOrientation(PrintOrientation);
  SetOffset(OriginX, OriginY);
  SetFactor(FactorX, FactorY);
  SetFontName(PrintFontName);
  SetColor(ColorR, ColorG, ColorB);
  SetFill(FillColorRgb, FillStyleNo);
  SetDrawWidth(DrawWidthMm);
  SetStretch(ImageStretch);
}

}  // namespace qv
