#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Cp932.h"
#include "platform/TextFile.h"

using namespace platform;

TEST(Cp932, RoundTripsTheCharactersWindowsMapsItsOwnWay) {
  struct Case { QByteArray bytes; QString text; };
  const Case cases[] = {
      {QByteArray("\x81\x7C"), QString(QChar(0xFF0D))},   // full-width hyphen-minus, not U+2212
      {QByteArray("\x81\x60"), QString(QChar(0xFF5E))},   // full-width tilde
      {QByteArray("\x87\x40"), QString(QChar(0x2460))},   // circled one (NEC row 13)
      {QByteArray("\xB6\xDE"), QStringLiteral("ｶﾞ")},    // half-width katakana with voiced mark
      {QByteArray("\x8E\x52\x93\x63 A"), QStringLiteral("山田 A")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decodeCp932(c.bytes), c.text);
    EXPECT_EQ(encodeCp932(c.text), c.bytes);
  }
}

TEST(Cp932, SignsTypedOnLinuxEncodeToTheirFullWidthCodes) {
  // Encoding only: the codes still decode to the full-width forms.
  struct Case { char16_t typed; QByteArray bytes; char16_t decoded; };
  const Case cases[] = {
      {u'\u301C', "\x81\x60", u'\uFF5E'},  // 〜
      {u'\u2212', "\x81\x7C", u'\uFF0D'},  // −
      {u'\u2014', "\x81\x5C", u'\u2015'},  // —
      {u'\u2016', "\x81\x61", u'\u2225'},  // ‖
      {u'\u00A2', "\x81\x91", u'\uFFE0'},  // ¢
      {u'\u00A3', "\x81\x92", u'\uFFE1'},  // £
      {u'\u00AC', "\x81\xCA", u'\uFFE2'},  // ¬
  };
  for (const auto& c : cases) {
    const QString typed(QChar(c.typed));
    EXPECT_EQ(encodeCp932(typed), c.bytes) << int(c.typed);
    EXPECT_TRUE(isFullWidth(c.typed)) << int(c.typed);
    EXPECT_EQ(lenAnsi(typed), 2) << int(c.typed);
    EXPECT_EQ(decodeCp932(c.bytes), QString(QChar(c.decoded))) << int(c.typed);
  }
  EXPECT_EQ(encodeCp932(QStringLiteral("9:00〜12:00")), QByteArray("9:00\x81\x60" "12:00"));
  EXPECT_EQ(lenAnsi(QStringLiteral("9:00〜12:00")), 11);
}

TEST(Cp932, WidthIsTheByteLength) {
  EXPECT_EQ(lenAnsi(QStringLiteral("山田A")), 5);
  EXPECT_EQ(lenAnsi(QStringLiteral("ｶﾞ")), 2);
  EXPECT_EQ(lenAnsi(QString()), 0);
  EXPECT_TRUE(isFullWidth(U'－'));
  EXPECT_FALSE(isFullWidth(U'ｱ'));
}

TEST(Cp932, UnencodableBecomesQuestionMarkAndBadBytesDoNotStopDecoding) {
  EXPECT_EQ(encodeCp932(QStringLiteral("a€😀b")), QByteArray("a??b"));
  // A lone lead byte at the end and an invalid trail byte.
  const QString s = decodeCp932(QByteArray("A\x81\x20" "B\x82", 5));
  EXPECT_EQ(s.size(), 5);
  EXPECT_EQ(s[0], QChar('A'));
  EXPECT_EQ(s[2], QChar(' '));
  EXPECT_EQ(s[3], QChar('B'));
}

TEST(Cp932, RoundTripInOnePassIsEncodeThenDecode) {
  const QString texts[] = {
      QStringLiteral("Abc 123 ~\\"),         // ASCII, backslash and tilde kept
      QStringLiteral("山田　太郎（東京）"),
      QStringLiteral("ｶﾞｯｺｳ ｱｲｳ"),            // half-width katakana
      QStringLiteral("9:00〜12:00 −—‖¢£¬"),   // signs that come back as their full-width forms
      QStringLiteral("a€😀b"),                 // no CP932 code: "?"
      QString(QChar(0xD800)) + QStringLiteral("x"),  // a lone surrogate
      QString(QChar(0)) + QStringLiteral("z"),
      QString(),
  };
  for (const QString& t : texts)
    EXPECT_EQ(roundTripCp932(t), decodeCp932(encodeCp932(t))) << t.toStdString();
}

TEST(TextFile, ReadsLfAndCrLfAndWritesCrLf) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/t.txt";
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a\r\n\x8E\x52\nlast");
  }
  auto lines = readTextLines(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (QStringList{"a", "山", "last"}));
  ASSERT_TRUE(writeTextLines(path, {"x", "山"}));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("x\r\n\x8E\x52\r\n"));
  EXPECT_FALSE(readTextLines(dir.path() + "/missing.txt"));
}

TEST(TextFile, FailedWriteLeavesTheTargetAlone) {
  QTemporaryDir dir;
  EXPECT_FALSE(writeTextLines(dir.path() + "/no/such/folder/t.txt", {"x"}));
}

TEST(TextFile, ReadOnlyFileOrFolderIsNeverReplaced) {
  // By the permission bits, so that it holds for root too.
  const QFileDevice::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
  for (const bool wholeFolder : {false, true}) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/t.txt";
    ASSERT_TRUE(writeTextLines(path, {"old"}));
    QFile target(wholeFolder ? dir.path() : path);
    const auto permissions = target.permissions();
    ASSERT_TRUE(target.setPermissions(readOnly));
    QString why;
    EXPECT_FALSE(mayReplace(path, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(writeTextLines(path, {"new"}));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    target.setPermissions(permissions);
    EXPECT_EQ(readTextLines(path).value_or(QStringList{}), QStringList{"old"}) << wholeFolder;
    EXPECT_EQ(left, QStringList{"t.txt"});
    EXPECT_TRUE(mayReplace(path));
  }
}

TEST(TextFile, FirstLineWithBytesThatAreNotCp932) {
  struct Case { QByteArray bytes; qsizetype line; };
  const Case cases[] = {
      {QByteArray("a\r\n\x8E\x52\r\n"), 0},
      {QByteArray(""), 0},
      {QByteArray("a\r\nb\x80\r\n\xFF"), 2},             // bytes with no character
      {QByteArray("a\r\n\x8E\r\nc"), 2},                 // a lead byte cut off by the line end
      {QStringLiteral("【大会データ】\r\n").toUtf8(), 1},  // saved in UTF-8
  };
  for (const auto& c : cases)
    EXPECT_EQ(firstUndecodableLine(splitLines(decodeCp932(c.bytes))), c.line) << c.bytes.toHex().toStdString();
}
