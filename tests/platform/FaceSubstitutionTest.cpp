#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QStringList>

#include "platform/FaceSubstitution.h"

using namespace platform;

TEST(FaceSubstitution, WindowsFacesResolveToTheIpaFaces) {
  installFaceSubstitutions();
  installFaceSubstitutions();  // a second call adds nothing
  struct Case { const char16_t* face; const char* family; };
  const Case cases[] = {
      {u"ＭＳ 明朝", "IPAMincho"},      {u"ＭＳ Ｐ明朝", "IPAMincho"},
      {u"MS Mincho", "IPAMincho"},      {u"MS PMincho", "IPAMincho"},
      {u"ＭＳ ゴシック", "IPAGothic"},  {u"ＭＳ Ｐゴシック", "IPAGothic"},
      {u"MS Gothic", "IPAGothic"},      {u"MS PGothic", "IPAGothic"},
  };
  for (const auto& c : cases) {
    const QString face = QString::fromUtf16(c.face);
    EXPECT_EQ(QFont::substitutes(face), QStringList{QString::fromLatin1(c.family).toLower()})
        << face.toStdString();
    EXPECT_EQ(QFontInfo(QFont(face)).family(), QString::fromLatin1(c.family)) << face.toStdString();
  }
}

TEST(FaceSubstitution, WindowFamiliesNameTheStandInBeforeTheWindowsFace) {
  installFaceSubstitutions();
  struct Case { const char16_t* face; QStringList families; };
  const Case cases[] = {
      {u"ＭＳ Ｐゴシック", {"IPAGothic", "ＭＳ Ｐゴシック"}},
      {u"ＭＳ ゴシック", {"IPAGothic", "ＭＳ ゴシック"}},
      {u"MS PMincho", {"IPAMincho", "MS PMincho"}},
      {u"Arial", {"Arial"}},
  };
  for (const auto& c : cases) {
    const QString face = QString::fromUtf16(c.face);
    EXPECT_EQ(windowFamilies(face), c.families) << face.toStdString();
    // What the window shows does not change by naming the stand-in first.
    EXPECT_EQ(QFontInfo(QFont(windowFamilies(face))).family(), QFontInfo(QFont(face)).family())
        << face.toStdString();
  }
}

TEST(FaceSubstitution, FacesTheMachineLacksPrintInTheIpaFaces) {
  installFaceSubstitutions();
  struct Case { const char16_t* face; const char* family; };
  const Case cases[] = {
      {u"ＭＳ 明朝", "ＭＳ 明朝"},          // substituted by the system itself
      {u"IPAGothic", "IPAGothic"},          // installed: used as it is
      {u"メイリオ", "IPAGothic"},           {u"ＭＳ UI Gothic", "IPAGothic"},
      {u"HGP創英角ﾎﾟｯﾌﾟ体", "IPAGothic"},  {u"Arial", "IPAGothic"},
      {u"HG明朝E", "IPAMincho"},            {u"Yu Mincho", "IPAMincho"},
      {u"", "IPAGothic"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(printFamily(QString::fromUtf16(c.face)), QString::fromUtf8(c.family))
        << QString::fromUtf16(c.face).toStdString();
}
