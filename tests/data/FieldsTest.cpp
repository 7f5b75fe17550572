#include <gtest/gtest.h>

#include "data/Fields.h"
#include "data/TaikaiModel.h"

using namespace qv;

TEST(SplitToFields, TypedTargets) {
  QString a, b;
  int n1 = 7, n2 = 7;
  SplitToFields("a,,3", a, b, n1, n2);
  EXPECT_EQ(a, "a");
  EXPECT_EQ(b, "");
  EXPECT_EQ(n1, 3);
  EXPECT_EQ(n2, 0);

  struct Case { const char* part; int whole; float single; };
  const Case cases[] = {{" 12 ", 12, 12.f}, {"12a", 0, 0.f}, {"2.5", 2, 2.5f}, {"3.5", 4, 3.5f},
                        {"-3", -3, -3.f}, {"1E3", 1000, 1000.f}, {"", 0, 0.f}};
  for (const auto& c : cases) {
    int w = 99;
    float s = 99;
    QString t;
    SplitToFields(QString::fromUtf8(c.part) + "," + c.part + "," + c.part, w, s, t);
    EXPECT_EQ(w, c.whole) << c.part;
    EXPECT_EQ(s, c.single) << c.part;
    EXPECT_EQ(t, QString::fromUtf8(c.part));
  }
  QString only = "z";
  int zero = 5;
  SplitToFields("", only, zero);
  EXPECT_EQ(only, "");
  EXPECT_EQ(zero, 0);
  SplitToFields("x,y,z", only);
  EXPECT_EQ(only, "x");
}

TEST(JoinFields, TrimsTextsAndWritesShortestNumbers) {
  EXPECT_EQ(JoinFields(QString(" ab "), 3, true, 1.5), "ab,3,True,1.5");
  EXPECT_EQ(JoinFields(), "");
  EXPECT_EQ(JoinFields(QString("")), "");
  EXPECT_EQ(JoinFields(-1, false, 2.0f), "-1,False,2");
}

TEST(JoinFields, SinglesInTheirOwnShortestForm) {
  // A single-precision value written through double would show its binary expansion.
  struct Case { float value; const char* text; };
  const Case cases[] = {{70.5f, "70.5"}, {30.2f, "30.2"}, {32.4765625f, "32.476562"},
                        {0.1f, "0.1"}, {-1.25f, "-1.25"}, {15.f, "15"}};
  for (const auto& c : cases) EXPECT_EQ(JoinFields(c.value), c.text) << c.text;
  // A double keeps its own shortest form.
  EXPECT_EQ(JoinFields(30.2), "30.2");
  EXPECT_EQ(JoinFields(static_cast<double>(30.2f)), "30.200000762939453");
}

TEST(JoinFields, TrimsHalfWidthBlanksOnly) {
  // Tabs, CR and the full-width space belong to the value.
  struct Case { const char* in; const char* out; };
  const Case cases[] = {{"  a b  ", "a b"}, {"\tx\t", "\tx\t"}, {"y\r", "y\r"},
                        {"\u3000z\u3000 ", "\u3000z\u3000"}, {"   ", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(JoinFields(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(SplitColonFields, Pieces) {
  using A = std::array<QString, 7>;
  struct Case { QString in; A out; };
  const Case cases[] = {
      {"a:b:c", {"a", "b", "c"}},
      {"21-15:", {"21-15"}},
      {"1:2:3:4:5:6:7:8", {"1", "2", "3", "4", "5", "6", "7"}},
      {"a:b", {"a", "b"}},
      {"abc", {"abc"}},
      {":x", {"", "x"}},
      {"a:b:c   ", {"a", "b", "c"}},
      {"abc  ", {"abc  "}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitColonFields(c.in), c.out) << c.in.toStdString();
}

TEST(FieldHelpers, ConversionsAndNames) {
  EXPECT_EQ(ColonToComma("1:2::3"), "1,2,,3");
  EXPECT_EQ(ValOrDefault("", 1), 1);
  EXPECT_EQ(ValOrDefault("0", 1), 0);
  EXPECT_EQ(ValOrDefault("2.5", 1), 2.5);
  EXPECT_EQ(LngOrDefault("x", -1), -1);
  EXPECT_EQ(LngOrDefault("2.5", -1), 2);
  EXPECT_EQ(PadFourCharName("山田太郎"), " 山田太郎");
  EXPECT_EQ(PadFourCharName("山田太"), "山田太");
  EXPECT_EQ(PadFourCharName("山田太郎次"), "山田太郎次");

  TaikaiRec t;
  t.Shumoku.resize(3);
  t.Shumoku[0].Name = "男子単";
  t.Shumoku[1].Name = "女子単";
  t.Shumoku[2].Name = "女子単";
  t.ShumokuCount = 3;
  EXPECT_EQ(FindShumoku(t, "女子単"), 1);
  EXPECT_EQ(FindShumoku(t, "女子単 "), -1);
  EXPECT_EQ(FindShumoku(TaikaiRec{}, "女子単"), -1);
}
