// External characters: read from 外字定義.txt and drawn as pieces of ordinary text.

#include <QStringView>

#include "platform/CommaParts.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"
#include "print/PrintDevice.h"

namespace qv {

namespace {

// Pieces may reach outside their cell, but one placed or sized beyond ten cells is a
// damaged number: such a definition is not read, and the character prints as itself.
constexpr int kMaxPiecePercent = 1000;

bool isSanePercent(int percent) { return percent >= -kMaxPiecePercent && percent <= kMaxPiecePercent; }

}  // namespace

void PrintDevice::ReadGaijiFile(const QString& path) {
  Gaiji.clear();
  if (!platform::fileExists(path)) return;
  const auto lines = platform::readTextLines(path);
  if (!lines) return;
  for (const QString& line : *lines) {
    const QStringList f = platform::splitCommaParts(line);
    if (f.size() < 2) continue;
    const int n = platform::lenientWholeNumber(f[1]);
    // A line that does not hold all of its pieces cannot be read into an entry.
    if (n < 0 || f.size() < 2 + 5 * static_cast<qsizetype>(n)) continue;
    GaijiRec rec;
    rec.Char = f[0];
    rec.PartCount = n;
    rec.Parts.resize(n);
    bool sane = true;
    for (int k = 0; k < n && sane; ++k) {
      GaijiPart& part = rec.Parts[k];
      part.OffsetX = platform::lenientWholeNumber(f[2 + 5 * k]);
      part.OffsetY = platform::lenientWholeNumber(f[3 + 5 * k]);
      part.Width = platform::lenientWholeNumber(f[4 + 5 * k]);
      part.Height = platform::lenientWholeNumber(f[5 + 5 * k]);
      part.Text = f[6 + 5 * k];
      sane = isSanePercent(part.OffsetX) && isSanePercent(part.OffsetY) &&
             isSanePercent(part.Width) && isSanePercent(part.Height);
    }
    if (sane) Gaiji.push_back(std::move(rec));
  }
}

int PrintDevice::findGaiji(QStringView ch) const {
  for (size_t i = 0; i < Gaiji.size(); ++i)
    if (Gaiji[i].Char == ch) return static_cast<int>(i);
  return -1;
}

void PrintDevice::DrawGaiji(int index, double cx, double cy, double cellHeight,
                            double cellWidth, double dx, double dy) {
  Q_UNUSED(dx);  // the caller advances past the character itself
  Q_UNUSED(dy);
  if (index < 0 || index >= GaijiCount()) return;
  const GaijiRec& g = Gaiji[index];
  for (const GaijiPart& part : g.Parts) {
    SetCharSize(cellHeight * part.Height / 100, cellWidth * part.Width / 100);
    SelectPrintFont();
    TextOutAt(cx + cellWidth * part.OffsetX / 100, cy + cellHeight * part.OffsetY / 100,
              part.Text);
  }
}

}  // namespace qv
