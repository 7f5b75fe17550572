#include <gtest/gtest.h>

#include "data/BunshouItems.h"
#include "print/PrinterFonts.h"

using namespace qv;

TEST(PrinterFonts, SubstitutedFacesThenJapaneseHorizontalFamilies) {
  const QStringList families = {"ＭＳ 明朝", "@ＭＳ 明朝", "IPAMincho", "Arial", "ｱｲｳ",
                                "@IPAGothic", "", "Noto 😀", "游ゴシック", "IPAGothic"};
  const auto writesJapanese = [](const QString& f) { return f.contains("IPA"); };
  EXPECT_EQ(JapaneseFontNames({"ＭＳ 明朝", "ＭＳ ゴシック"}, families, writesJapanese),
            QStringList({"ＭＳ 明朝", "ＭＳ ゴシック", "IPAMincho", "游ゴシック", "IPAGothic"}));
  EXPECT_TRUE(JapaneseFontNames({}, {}, writesJapanese).isEmpty());
}

TEST(PrinterFonts, ListsTheFacesOfThisMachine) {
  BunshouState b;
  b.FontNames = {"stale"};
  GetPrinterFonts(b);
  ASSERT_FALSE(b.FontNames.isEmpty());
  EXPECT_FALSE(b.FontNames.contains("stale"));
  EXPECT_EQ(b.FontNames.mid(0, 4), QStringList({"ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"}));
  // The IPA faces the project installs, under the names the system reports.
  EXPECT_TRUE(b.FontNames.contains("IPAMincho")) << b.FontNames.join(", ").toStdString();
  EXPECT_TRUE(b.FontNames.contains("IPAGothic")) << b.FontNames.join(", ").toStdString();
  for (const QString& name : b.FontNames) {
    EXPECT_FALSE(name.startsWith('@')) << name.toStdString();
    EXPECT_FALSE(name.startsWith("DejaVu")) << name.toStdString();
  }
}
