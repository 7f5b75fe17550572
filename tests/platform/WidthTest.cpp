#include <gtest/gtest.h>

#include "platform/Cp932.h"
#include "platform/Width.h"

using namespace platform;

namespace {

struct WidthPair {
  const char16_t* half;
  const char16_t* full;
};

// Pairs that convert both ways.
constexpr WidthPair kBothWays[] = {
    {u"Aaz09", u"Ａａｚ０９"},
    {u" ", u"　"},
    {u"!#$%&()*+,-./:;<=>?@[]^_`{|}~", u"！＃＄％＆（）＊＋，－．／：；＜＝＞？＠［］＾＿｀｛｜｝～"},
    {u"'\"", u"＇＂"},
    {u"ｱｶﾞﾊﾟﾋﾞｳﾞｯｬｰ", u"アガパビヴッャー"},
    {u"｡｢｣､･", u"。「」、・"},
    {u"ﾞﾟ", u"゛゜"},
    {u"ｯﾞﾂﾞ", u"ッ゛ヅ"},  // small ッ takes no voiced mark; ﾂ does
    {u"山田 ﾀﾛｳ", u"山田　タロウ"},
    {u"", u""},
};

}  // namespace

TEST(Width, ConvertsBothWays) {
  for (const auto& c : kBothWays) {
    const QString half = QString::fromUtf16(c.half), full = QString::fromUtf16(c.full);
    EXPECT_EQ(toFullWidth(half), full) << half.toStdString();
    EXPECT_EQ(toHalfWidth(full), half) << full.toStdString();
  }
}

TEST(Width, OneWayAndUnchangedCharacters) {
  struct Case { const char16_t* in; const char16_t* out; };
  const Case toFull[] = {
      {u"\\", u"\\"},        // two full-width candidates: left alone
      {u"ﾜﾞ", u"ワ゛"},      // no single CP932 character for it
      {u"ﾞｶ", u"゛カ"},      // a mark before its kana does not combine
      {u"ｱﾟ", u"ア゜"},      // ア takes no semi-voiced mark
      {u"ガあ漢ヶ", u"ガあ漢ヶ"},
  };
  for (const auto& c : toFull)
    EXPECT_EQ(toFullWidth(QString::fromUtf16(c.in)), QString::fromUtf16(c.out));
  const Case toHalf[] = {
      {u"’‘”“‐", u"''\"\"-"},
      {u"￥＼", u"￥＼"},
      {u"あ漢ヶヵヰヱヮ", u"あ漢ヶヵヰヱヮ"},
  };
  for (const auto& c : toHalf)
    EXPECT_EQ(toHalfWidth(QString::fromUtf16(c.in)), QString::fromUtf16(c.out));
}

TEST(Width, EveryFullWidthResultIsHeldByCp932) {
  QString half;
  for (char16_t c = 0x20; c < 0x7F; ++c) half += QChar(c);
  for (char16_t c = 0xFF61; c <= 0xFF9F; ++c) half += QChar(c);
  half += QStringLiteral("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞ");
  const QString full = toFullWidth(half);
  // "?" is what CP932 encoding puts for a character it cannot hold ("？" is full width).
  EXPECT_FALSE(encodeCp932(full).contains('?')) << full.toStdString();
  // Everything but the backslash became two bytes wide.
  QString rest = full;
  rest.remove(QChar('\\'));
  EXPECT_EQ(lenAnsi(rest), 2 * rest.size());
  EXPECT_EQ(toHalfWidth(full), half);
}

TEST(Width, TurnsTypedFullWidthDatesIntoHalfWidth) {
  EXPECT_EQ(toHalfWidth(u"Ｈ２１．５．３，４"), QStringLiteral("H21.5.3,4"));
  EXPECT_EQ(toHalfWidth(u"’０９／０５／０３－０４"), QStringLiteral("'09/05/03-04"));
}
