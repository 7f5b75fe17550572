#include "layout/LayoutTexts.h"

#include <charconv>

#include "data/InsatsuSeigyoModel.h"
#include "data/ModelAccess.h"

namespace qv {

QString CoordText(float value) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  QString text = QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
  if (text.startsWith(QStringLiteral("0."))) text.remove(0, 1);
  else if (text.startsWith(QStringLiteral("-0."))) text.remove(1, 1);
  return text;
}

QString PointText(float x, float y) {
  return QStringLiteral("(") + CoordText(x) + QStringLiteral(",") + CoordText(y) +
         QStringLiteral(")");
}

QString RectText(const RegionRect& rect) {
  return PointText(rect.X1, rect.Y1) + QStringLiteral("-") + PointText(rect.X2, rect.Y2);
}

QString PageCaption(int currentPage, int pageCount) {
  return QString::number(currentPage + 1) + QStringLiteral("/") + QString::number(pageCount) +
         QStringLiteral("頁");
}

QString HaichiCaption(const HaichiRec& haichi, const TaikaiRec& taikai) {
  if (haichi.Kind == QStringLiteral("文字列") || haichi.Kind == QStringLiteral("参加者名簿"))
    return haichi.BunshouName;
  const ShumokuRec* event = eventAt(taikai, haichi.ShumokuIdx);
  QString caption = (event ? event->Name : QString()) + QStringLiteral("(") + haichi.Kind;
  if (haichi.Kind == QStringLiteral("上位")) caption += QString::number(haichi.Number + 1);
  return caption + QStringLiteral(")");
}

}  // namespace qv
