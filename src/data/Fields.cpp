#include "data/Fields.h"

#include "data/ModelAccess.h"
#include "data/TaikaiModel.h"

namespace qv {

std::array<QString, 7> SplitColonFields(const QString& text) {
  std::array<QString, 7> f;
  if (text.isEmpty()) return f;
  // Pieces after the first colon lose the blanks that end the text.
  QStringView rest(text);
  for (int i = 0; i < 7; ++i) {
    const qsizetype colon = rest.indexOf(u':');
    if (colon < 0) {
      f[i] = i == 0 ? text : rest.toString();
      break;
    }
    f[i] = rest.first(colon).toString();
    rest = rest.sliced(colon + 1);
    while (!rest.isEmpty() && rest.back() == u' ') rest.chop(1);
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
