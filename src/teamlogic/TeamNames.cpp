#include "teamlogic/TeamNames.h"

#include <algorithm>

#include "data/Taikai.h"
#include "data/TaikaiState.h"

namespace qv {

QString GetShortTeamName(const TaikaiSwitches& sw, const QString& name) {
  QString s = name;
  if (IsTaikaiOption(sw, QStringLiteral("関東中学")) && s.endsWith(QStringLiteral("中学校"))) {
    const qsizetype p = s.indexOf(QStringLiteral("・"));
    const qsizetype q = s.indexOf(QStringLiteral("立"));
    if (p < 0 || q < 0)
      s.chop(2);
    else
      // A "立" before the "・" would give an overlapping cut: keep the text after the "・".
      s = s.left(p + 1) + s.mid(std::max(q, p) + 1, s.size() - 2 - (std::max(q, p) + 1));
  }
  if (sw.DelBla) {
    const qsizetype p = s.indexOf(QStringLiteral("（"));
    if (p >= 0) s.truncate(p);
  }
  s.remove(QLatin1Char(' '));
  s.remove(QStringLiteral("　"));
  return s;
}

QString GetKakkoText(const QString& name) {
  const qsizetype p = name.indexOf(QStringLiteral("（"));
  if (p < 0) return QString();
  return name.mid(p + 1).remove(QStringLiteral("）"));
}

}  // namespace qv
