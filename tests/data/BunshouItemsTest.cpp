#include <gtest/gtest.h>

#include <QFile>

#include "data/BunshouItems.h"
#include "data/InsatsuSeigyo.h"
#include "support/TestProgram.h"

using namespace qv;

TEST(BunshouItems, DefaultsOfTheFourteenFields) {
  test::TestProgram t;
  t.program.kankyou.InsatsuFont = "ＭＳ ゴシック";
  InitBunshouItems(t.program);
  const BunshouState& b = t.program.bunshou;
  EXPECT_EQ(b.BunshouItemCount, 13);
  EXPECT_EQ(b.FirstPageNo, 1);
  EXPECT_EQ(b.BunshouFont, "ＭＳ ゴシック");
  EXPECT_EQ(b.SelBunshouFont, "ＭＳ ゴシック");

  struct Case { int field; float x, y, size; const char* text; bool on; };
  const Case cases[] = {
      {0, 20, 7, 5, "&大会名", true},        {1, 115, 9, 3.5f, "&開催日会場名", true},
      {2, 115, 9, 3.5f, "&開催日", false},   {3, 155, 9, 3.5f, "&会場名", false},
      {4, 120, 15, 5, "&協会名", false},     {5, 20, 15, 5, "", false},
      {12, 20, 15, 5, "", false},            {13, 100, 282, 3.5f, "&頁", false},
  };
  for (const auto& c : cases) {
    const BunshouItem& item = b.BunshouItems[static_cast<size_t>(c.field)];
    SCOPED_TRACE(c.field);
    EXPECT_EQ(item.X, c.x);
    EXPECT_EQ(item.Y, c.y);
    EXPECT_EQ(item.Height, c.size);
    EXPECT_EQ(item.Width, c.size);
    EXPECT_EQ(item.Pitch, c.size);
    EXPECT_EQ(item.X2, 0.f);
    EXPECT_EQ(item.Text, QString::fromUtf8(c.text));
    EXPECT_EQ(item.FontName, "");
    EXPECT_EQ(item.Bold, 0);
    EXPECT_EQ(item.Flag, 0);
    EXPECT_EQ(b.BunshouItemOn[static_cast<size_t>(c.field)], c.on);
  }
  for (int i = 6; i <= 11; ++i) EXPECT_EQ(b.BunshouItems[static_cast<size_t>(i)].Text, "") << i;
}

TEST(BunshouItems, DefaultsClearWhatAnEarlierSetLeftAndOnlyWhileUnset) {
  BunshouState b;
  b.BunshouItems[13] = {-30, 1, 2, 3, -4, 190, "old", "face", 900, 7};
  b.BunshouItemOn[4] = true;
  InitBunshouItems(b, "ＭＳ 明朝");
  EXPECT_EQ(b.BunshouItems[13].X2, 0.f);
  EXPECT_EQ(b.BunshouItems[13].FontName, "");
  EXPECT_EQ(b.BunshouItems[13].Bold, 0);
  EXPECT_FALSE(b.BunshouItemOn[4]);

  // Fields edited since (or read from a print-control section) survive a second call.
  b.BunshouItems[0].Text = "&会長名";
  b.BunshouItemOn[13] = true;
  b.FirstPageNo = 5;
  b.BunshouItemCount = 2;
  InitBunshouItems(b, "other");
  EXPECT_EQ(b.BunshouItems[0].Text, "&会長名");
  EXPECT_TRUE(b.BunshouItemOn[13]);
  EXPECT_EQ(b.FirstPageNo, 5);
  EXPECT_EQ(b.BunshouItemCount, 2);
  EXPECT_EQ(b.BunshouFont, "ＭＳ 明朝");
}

TEST(BunshouFile, PhrasesWithTheirLines) {
  test::TestProgram t;
  t.writeFile("文章.txt", {"ignored before the first phrase",
                           "文章名＝挨拶",
                           "",
                           "A",
                           "B",
                           "",
                           "文章名=半角",
                           "one",
                           "文章名＝空",
                           "文章名＝",
                           "x",
                           "文章名 = not a header",
                           "ﾌﾞﾝｼｮｳ"});
  BunshouState& b = t.program.bunshou;
  b.BunshouChanged = true;
  ReadBunshouFile(t.program, "文章.txt");
  EXPECT_EQ(b.LoadedBunshouFile, "文章.txt");
  EXPECT_EQ(b.BunshouNames, QStringList({"挨拶", "半角", "空", ""}));
  // A leading empty line is dropped; a trailing one keeps its line break.
  EXPECT_EQ(b.BunshouTexts, QStringList({"A\r\nB\r\n", "one", "", "x\r\n文章名 = not a header\r\nﾌﾞﾝｼｮｳ"}));
  EXPECT_EQ(b.BunshouFlags, QList<bool>({false, false, false, false}));
  EXPECT_EQ(b.BunshouIds, QList<int>({1, 2, 3, -1}));
  EXPECT_EQ(b.BunshouNewHead, 0);
  EXPECT_FALSE(b.BunshouChanged);
  EXPECT_EQ(b.BunshouCount(), 4);
  EXPECT_TRUE(t.messages.shown.empty());
}

TEST(BunshouFile, NoPhrases) {
  test::TestProgram t;
  t.writeFile("none.txt", {"text without a header"});
  QFile broken(t.folder() + "broken.txt");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("\x95\xb6\x8f\xcd\x96\xbc\x81\x81\x82\xa0\xff\x81");  // 文章名＝ and damaged bytes
  broken.close();

  for (const QString name : {"", "missing.txt", "none.txt", "broken.txt"}) {
    SCOPED_TRACE(name.toStdString());
    BunshouState& b = t.program.bunshou;
    b.BunshouNames = {"old"};
    b.BunshouTexts = {"old"};
    b.BunshouFlags = {true};
    b.BunshouIds = {-1};
    b.BunshouNewHead = 0;
    ReadBunshouFile(t.program, name);
    EXPECT_EQ(b.LoadedBunshouFile, name);
    if (name == "broken.txt") {
      EXPECT_EQ(b.BunshouCount(), 1);
      EXPECT_EQ(b.BunshouIds, QList<int>({-1}));
      continue;
    }
    EXPECT_EQ(b.BunshouCount(), 0);
    EXPECT_TRUE(b.BunshouTexts.isEmpty());
    EXPECT_TRUE(b.BunshouFlags.isEmpty());
    EXPECT_TRUE(b.BunshouIds.isEmpty());
    EXPECT_EQ(b.BunshouNewHead, -1);
  }
  // The damaged file is named once, with its first damaged line; nothing else is shown.
  ASSERT_EQ(t.messages.shown.size(), 1u);
  EXPECT_EQ(t.messages.shown[0].title, t.folder() + "broken.txt");
  EXPECT_TRUE(t.messages.shown[0].text.startsWith("1行目: "));
}

TEST(BunshouItems, FontListIsLookedUpOnFirstNeedOnly) {
  test::TestProgram t;
  int lookups = 0;
  t.program.getPrinterFonts = [&lookups](BunshouState& b) {
    ++lookups;
    b.FontNames = {QStringLiteral("ＭＳ 明朝")};
  };
  InitInsatsuSeigyo(t.program);  // the defaults step of every open
  InitInsatsuSeigyo(t.program);
  EXPECT_EQ(lookups, 0);
  EXPECT_EQ(PrinterFontNames(t.program), QStringList{QStringLiteral("ＭＳ 明朝")});
  EXPECT_EQ(PrinterFontNames(t.program).size(), 1);
  EXPECT_EQ(lookups, 1);
  InitInsatsuSeigyo(t.program);  // another tournament: looked up again when next needed
  PrinterFontNames(t.program);
  EXPECT_EQ(lookups, 2);
}
