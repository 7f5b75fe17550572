#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "charts/ChartUtil.h"

namespace qv {
namespace {

TEST(ChartUtilTest, SeedTableHoldsTheStandardOrderOfSixtyFourLines) {
  const SeedOrderTable t = MakeSeedTable();
  const QStringList head{" 1", "64", "33", "32", "17", "48", "49", "16"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(t[i], head[i]) << i;
  EXPECT_EQ(t[8], QStringLiteral(" 9"));
  EXPECT_EQ(t[60], QStringLiteral("31"));
  EXPECT_EQ(t[61], QStringLiteral("34"));
  EXPECT_EQ(t[62], QStringLiteral("63"));
  EXPECT_EQ(t[63], QStringLiteral(" 2"));
  QSet<QString> seen;
  for (const QString& s : t) {
    EXPECT_EQ(s.size(), 2);
    seen.insert(s);
  }
  EXPECT_EQ(seen.size(), 64);
}

TEST(ChartUtilTest, TextHelpers) {
  struct Case {
    QString in, shortened;
  };
  const Case venues[] = {
      {"市立総合体育館メインアリーナ", "市立M"},
      {"サブアリーナ", "S"},
      {"第２アリーナ", "第２ア"},
      {"ｻﾌﾞｱﾘｰﾅ", "S"},
      {"Ａ体育館", "Ａ"},
      {"abc", "ａｂｃ"},
  };
  for (const Case& c : venues) EXPECT_EQ(ShortenKaijouName(c.in), c.shortened) << c.in.toStdString();

  const Case parens[] = {
      {"山田(東高)", "山田"},
      {"山田（東高）", "山田"},
      {"山田（東）(西)", "山田（東）"},
      {"山田", "山田"},
      {"", ""},
  };
  for (const Case& c : parens) EXPECT_EQ(CutAtParen(c.in), c.shortened) << c.in.toStdString();

  const GameScores r = ReverseScores({"21-15", "", "-3", "15", "30-29-1"});
  EXPECT_EQ(r, (GameScores{"15-21", "", "-3", "15", "29-1-30"}));

  const std::pair<int, QString> ranks[] = {{-1, ""}, {0, ""}, {1, "１"}, {9, "９"},
                                          {10, "10"}, {98, "98"}, {99, "Ｘ"}, {999, "Ｘ"}};
  for (const auto& [n, text] : ranks) EXPECT_EQ(FormatJuni(n), text) << n;
}

TEST(ChartUtilTest, LabelSheetsHoldFiveProductsWhoseGridsMatchTheirCounts) {
  LabelSheetState s;
  InitLabelSheets(s);
  ASSERT_TRUE(s.LabelSheetsReady);
  ASSERT_EQ(s.LabelSheetCount, 5);
  const int counts[] = {60, 80, 100, 120, 115};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s.LabelSheets[i].Columns * s.LabelSheets[i].Rows, counts[i]);
  EXPECT_TRUE(s.LabelSheets[4].Free);
}

}  // namespace
}  // namespace qv
