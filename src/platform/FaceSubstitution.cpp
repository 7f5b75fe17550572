#include "platform/FaceSubstitution.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace platform {
namespace {

// The Japanese names come first: they are the ones offered for choosing.
const char16_t* const kMincho[] = {u"ＭＳ 明朝", u"ＭＳ Ｐ明朝", u"MS Mincho", u"MS PMincho"};
const char16_t* const kGothic[] = {u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック", u"MS Gothic",
                                   u"MS PGothic"};

}  // namespace

void installFaceSubstitutions() {
  // The proportional Windows faces map to the fixed-pitch IPA faces too: the print device
  // places every character itself, cell by cell.
  // insertSubstitutions adds only what a family's list does not hold yet.
  for (const char16_t* face : kMincho)
    QFont::insertSubstitutions(QString::fromUtf16(face), {QStringLiteral("IPAMincho")});
  for (const char16_t* face : kGothic)
    QFont::insertSubstitutions(QString::fromUtf16(face), {QStringLiteral("IPAGothic")});
}

QStringList windowFamilies(const QString& face) {
  for (const char16_t* mincho : kMincho)
    if (face == QStringView(mincho)) return {QStringLiteral("IPAMincho"), face};
  for (const char16_t* gothic : kGothic)
    if (face == QStringView(gothic)) return {QStringLiteral("IPAGothic"), face};
  return {face};
}

QStringList substitutedJapaneseFaces() {
  return {QString::fromUtf16(kMincho[0]), QString::fromUtf16(kMincho[1]),
          QString::fromUtf16(kGothic[0]), QString::fromUtf16(kGothic[1])};
}

QString printFamily(const QString& face) {
  if (!face.isEmpty()) {
    const QString resolved = QFontInfo(QFont(face)).family();
    if (resolved.compare(face, Qt::CaseInsensitive) == 0) return face;
    for (const QString& substitute : QFont::substitutes(face))
      if (resolved.compare(substitute, Qt::CaseInsensitive) == 0) return face;
  }
  const bool mincho = face.contains(QStringLiteral("明朝")) ||
                      face.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive);
  return mincho ? QStringLiteral("IPAMincho") : QStringLiteral("IPAGothic");
}

}  // namespace platform
