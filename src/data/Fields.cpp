#include "data/Fields.h"

#include "data/ModelAccess.h"
#include "data/TaikaiModel.h"
#include "platform/Blanks.h"

namespace qv {

std::array<QString, 7> SplitColonFields(const QString& text) {
  std::array<QString, 7> f;
  if (text.isEmpty()) return f;
  QString rest = text;
  for (int i = 0; i < 7; ++i) {
    const qsizetype colon = rest.indexOf(QChar(':'));
    if (colon < 0) {
      f[i] = rest;
      break;
    }
    f[i] = rest.left(colon);
    rest = platform::trimTrailingBlanks(rest.mid(colon + 1));
  }
  return f;
}

QString ColonToComma(const QString& text) {
  QString out = text;
  out.replace(QChar(':'), QChar(','));
  return out;
}

double ValOrDefault(const QString& text, double defaultValue) {
  const auto v = platform::numericValue(text);
  return v ? *v : defaultValue;
}

int LngOrDefault(const QString& text, int defaultValue) {
  const auto v = platform::numericValue(text);
  return v ? platform::roundHalfEven(*v) : defaultValue;
}

QString PadFourCharName(const QString& text) {
  return text.size() == 4 ? QStringLiteral(" ") + text : text;
}

int FindShumoku(const TaikaiRec& taikai, const QString& name) {
  const int n = eventCount(taikai);
  for (int i = 0; i < n; ++i)
    if (taikai.Shumoku[i].Name == name) return i;
  return -1;
}

}  // namespace qv
