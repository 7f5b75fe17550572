#include <gtest/gtest.h>

#include "data/BunshouItems.h"
#include "print/PrinterFonts.h"

using namespace qv;

TEST(PrinterFonts, OnlyJapaneseHorizontalFaces) {
  const QStringList families = {"ＭＳ 明朝",  "@ＭＳ 明朝", "IPAMincho",   "Arial",
                                "ｱｲｳ",       "ＭＳ ゴシック", "@Arial",    "",
                                "Noto 😀",   "游ゴシック"};
  EXPECT_EQ(JapaneseFontNames(families), QStringList({"ＭＳ 明朝", "ＭＳ ゴシック", "游ゴシック"}));
  EXPECT_TRUE(JapaneseFontNames({}).isEmpty());

  BunshouState b;
  b.FontNames = {"stale"};
  GetPrinterFonts(b);
  EXPECT_FALSE(b.FontNames.contains("stale"));
  for (const QString& name : b.FontNames) EXPECT_FALSE(name.startsWith('@')) << name.toStdString();
}
