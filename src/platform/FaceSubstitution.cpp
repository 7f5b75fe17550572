#include "platform/FaceSubstitution.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFaceSubstitutions() {
  // The proportional Windows faces map to the fixed-pitch IPA faces too: the print device
  // places every character itself, cell by cell.
  static const char16_t* const kMincho[] = {u"ＭＳ 明朝", u"ＭＳ Ｐ明朝", u"MS Mincho",
                                            u"MS PMincho"};
  static const char16_t* const kGothic[] = {u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック", u"MS Gothic",
                                            u"MS PGothic"};
  // insertSubstitutions adds only what a family's list does not hold yet.
  for (const char16_t* face : kMincho)
    QFont::insertSubstitutions(QString::fromUtf16(face), {QStringLiteral("IPAMincho")});
  for (const char16_t* face : kGothic)
    QFont::insertSubstitutions(QString::fromUtf16(face), {QStringLiteral("IPAGothic")});
}

}  // namespace platform
