#include <gtest/gtest.h>

#include <QFile>

#include <optional>
#include <vector>

#include "data/KekkaFile.h"
#include "data/UserErrorPrompt.h"
#include "platform/Cp932.h"
#include "platform/Files.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

class RecordingPrompt : public UserErrorPrompt {
 public:
  void ShowUserError(bool userErrorContinue) override { shown.push_back(userErrorContinue); }
  std::vector<bool> shown;
};

QDateTime at(int y, int mo, int d, int h, int mi, int s = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

class KekkaFileTest : public ::testing::Test {
 protected:
  KekkaFileTest() {
    tp.program.taikai.DataFolder = tp.folder();
    tp.program.taikai.TaikaiFileName = QStringLiteral("大会.tai");
    tp.program.kekka.UserErrorContinue = true;
    tp.program.userErrorPrompt = &prompt;
  }

  QString kaiPath() const { return tp.folder() + QStringLiteral("大会.kai"); }

  // Writes 大会.kai (optionally with a modification time) and loads it; the ProgramEnd it
  // threw, if any.
  std::optional<platform::ProgramEnd> load(const QStringList& lines,
                                           const QDateTime& modified = QDateTime()) {
    tp.writeFile(QStringLiteral("大会.kai"), lines);
    if (modified.isValid()) setModified(modified);
    return loadExisting();
  }
  std::optional<platform::ProgramEnd> loadExisting() {
    try {
      ReadKekkaFile(tp.program);
    } catch (const platform::ProgramEnd& end) {
      return end;
    }
    return std::nullopt;
  }
  void setModified(const QDateTime& t) {
    QFile f(kaiPath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileModificationTime));
  }

  qv::test::TestProgram tp;
  RecordingPrompt prompt;
};

TEST_F(KekkaFileTest, VersionLineTakesTheTextAfterItsFirstEqualsSign) {
  struct Case {
    QString line;
    QString version;
  };
  const Case cases[] = {
      {"Version=2", "2"},
      {"Ver=3=4", "3"},
      {"Version", ""},      // no "=": no version, the load goes on
      {"version=2", ""},    // not a version line: skipped as unknown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.toStdString());
    tp.program.kekka.KekkaVersion = QStringLiteral("old");
    tp.program.taikai.Taikai.Kaijou.clear();
    EXPECT_FALSE(load({c.line, "【大会データ】", "会場=市民体育館", ".eof."}));
    EXPECT_EQ(tp.program.kekka.KekkaVersion, c.version);
    EXPECT_EQ(tp.program.taikai.Taikai.Kaijou, "市民体育館");
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(KekkaFileTest, SectionsAreReadInAnyOrderAndUnknownTopLevelLinesAreSkipped) {
  EXPECT_FALSE(load({"前置き", "Version=2", "【印刷制御データ】", "保存時刻=2025/06/01 10:00:00",
                     "【謎】", "どこにも属さない", "【大会データ】", "会場=東体育館",
                     "【対戦データ】", "【大会データ】", "コート数=6", "【謎】", ".eof.",
                     "【大会データ】", "会場=読まれない"},
                    at(2025, 6, 1, 10, 1)));
  const Program& p = tp.program;
  EXPECT_EQ(p.kekka.KekkaVersion, "2");
  EXPECT_EQ(p.kekka.HozonJikoku, "2025/06/01 10:00:00");
  EXPECT_EQ(p.taikai.Taikai.Kaijou, "東体育館");
  EXPECT_EQ(p.kekka.CourtCount, 6);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(KekkaFileTest, TaikaiSectionStoresItsKeysAndReturnsTheLineThatEndedIt) {
  Program& p = tp.program;
  p.kankyou.LeagueShinpan = QStringLiteral("設定の値");
  platform::TextFileReader file(QStringList{
      "会場=  中央体育館 ", "コート数=2.5", "審判用紙=A4", "リーグ審判=敗者", "トーナメント審判=次試合",
      "=先頭に等号", "等号なし", "会場 =キーに空白", "不明=値", "【対戦データ】", "会場=次の節"});
  EXPECT_EQ(ReadKekkaTaikaiData(p, file), "【対戦データ】");
  EXPECT_EQ(file.lineNumber(), 10);
  EXPECT_EQ(p.taikai.Taikai.Kaijou, "中央体育館");
  EXPECT_EQ(p.kekka.CourtCount, 2);  // halves go to the even neighbour
  EXPECT_EQ(p.kankyou.ShinpanYoushi.Name, "A4");
  EXPECT_EQ(p.kankyou.LeagueShinpan, "敗者");
  EXPECT_EQ(p.kankyou.TournamentShinpan, "次試合");

  // Any line beginning with "【" ends the section; the end of the file gives ".eof.".
  platform::TextFileReader other(QStringList{"コート数=三", "【謎の節", "x"});
  EXPECT_EQ(ReadKekkaTaikaiData(p, other), "【謎の節");
  EXPECT_EQ(p.kekka.CourtCount, 0);
  platform::TextFileReader tail(QStringList{"コート数=3.5"});
  EXPECT_EQ(ReadKekkaTaikaiData(p, tail), ".eof.");
  EXPECT_EQ(p.kekka.CourtCount, 4);
  platform::TextFileReader empty(QStringList{});
  EXPECT_EQ(ReadKekkaTaikaiData(p, empty), ".eof.");

  // Only half-width blanks are trimmed: tabs and full-width spaces belong to the value.
  platform::TextFileReader spaced(QStringList{"会場= \t体育館\u3000 ", "リーグ審判=\u3000"});
  ReadKekkaTaikaiData(p, spaced);
  EXPECT_EQ(p.taikai.Taikai.Kaijou, "\t体育館\u3000");
  EXPECT_EQ(p.kankyou.LeagueShinpan, "\u3000");
}

TEST_F(KekkaFileTest, BytesThatAreNotCp932AreWarnedOnceAndTheFileStillReads) {
  // Saved in UTF-8 by another editor: the first line with a byte CP932 does not know is named.
  {
    QFile f(kaiPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(platform::encodeCp932(QStringLiteral("Ver=3\r\n【大会データ】\r\n会場=x\r\n")));
    f.write(QStringLiteral("会場=体育館\r\nコート数=2\r\n会場=館\r\n.eof.\r\n").toUtf8());
  }
  ASSERT_FALSE(loadExisting());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, kaiPath());
  EXPECT_TRUE(tp.messages.shown[0].text.startsWith(QStringLiteral("4行目: "))) << tp.messages.shown[0].text.toStdString();
  EXPECT_EQ(tp.program.kekka.KekkaVersion, "3");
}

// Each row: the results file's bytes, and whether the one warning says that nothing was
// taken from the file (a line number where one is known) or names no encoding at all.
TEST_F(KekkaFileTest, FileNotInCp932WithNoSectionLeftIsWarnedOnceAsGivingNothing) {
  struct Case {
    const char* what;
    QByteArray bytes;
    const char* wantLine;  // the line named, "" for none; nullptr: no warning at all
  };
  const QString sections = QStringLiteral(
      "Ver=3\r\n【大会データ】\r\n会場=体育館\r\n【印刷制御データ】\r\n保存時刻=2024/05/01 10:00:00\r\n.eof.\r\n");
  const Case cases[] = {
      {"all UTF-8: its markers read as other characters", sections.toUtf8(), "2"},
      {"UTF-8 that CP932 happens to read whole", QStringLiteral("Ver=3\r\n保存時刻=館\r\n.eof.\r\n").toUtf8(), ""},
      {"CP932 without sections", platform::encodeCp932(QStringLiteral("Ver=3\r\n何か\r\n.eof.\r\n")), nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tp.messages.shown.clear();
    tp.program.taikai.Taikai.Kaijou.clear();
    {
      QFile f(kaiPath());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(c.bytes);
    }
    ASSERT_FALSE(loadExisting());
    EXPECT_EQ(tp.program.kekka.KekkaVersion, "3");
    EXPECT_TRUE(tp.program.taikai.Taikai.Kaijou.isEmpty());
    EXPECT_TRUE(tp.program.kekka.HozonJikoku.isEmpty());
    EXPECT_TRUE(prompt.shown.empty());
    if (c.wantLine == nullptr) {
      EXPECT_TRUE(tp.messages.shown.empty());
      continue;
    }
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "対戦結果等読み込み");
    const QString& text = tp.messages.shown[0].text;
    EXPECT_TRUE(text.startsWith(kaiPath() + "\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Shift_JIS（CP932）で保存されていません")) << text.toStdString();
    EXPECT_TRUE(text.contains("対戦結果も印刷レイアウトも読み込んでいません")) << text.toStdString();
    EXPECT_EQ(text.contains("行目"), *c.wantLine != 0) << text.toStdString();
    if (*c.wantLine != 0) {
      EXPECT_TRUE(text.contains(QString(c.wantLine) + "行目から")) << text.toStdString();
    }
  }
}

TEST_F(KekkaFileTest, LastLineOfTheFileIsNotDispatched) {
  // An unknown last line ends the load quietly; a marker as last line is not read.
  EXPECT_FALSE(load({"【大会データ】", "会場=A", "【謎】"}));
  EXPECT_EQ(tp.program.taikai.Taikai.Kaijou, "A");
  EXPECT_FALSE(load({"Version=2", "会場=B", "【大会データ】"}));
  EXPECT_EQ(tp.program.taikai.Taikai.Kaijou, "A");
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(KekkaFileTest, EmptyOrCutShortFileEndsTheProgram) {
  const QStringList cases[] = {
      {},                        // empty file
      {"Version=2", "途中まで"},  // unknown last line right after the version line
  };
  for (const QStringList& lines : cases) {
    SCOPED_TRACE(lines.join('|').toStdString());
    tp.messages.shown.clear();
    const auto end = load(lines);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->title(), "対戦結果等読み込み");
    EXPECT_EQ(end->message(), kaiPath());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "対戦結果等読み込み");
    EXPECT_EQ(tp.messages.shown[0].text, kaiPath());
    EXPECT_EQ(tp.messages.shown[0].buttons, platform::MsgButtons::Ok);
  }
}

TEST_F(KekkaFileTest, VersionLineAndEndMarkerAloneIsAValidEmptyFile) {
  EXPECT_FALSE(load({"Version=2", ".eof."}));
  EXPECT_EQ(tp.program.kekka.KekkaVersion, "2");
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(KekkaFileTest, MissingFileOrDataFileNameLoadsNothing) {
  tp.program.kekka.KekkaVersion = QStringLiteral("old");
  EXPECT_FALSE(loadExisting());  // no 大会.kai
  EXPECT_EQ(tp.program.kekka.KekkaVersion, "old");

  tp.writeFile(QStringLiteral("大会.kai"), {"Version=2", ".eof."});
  tp.program.taikai.TaikaiFileName.clear();
  EXPECT_FALSE(loadExisting());
  EXPECT_EQ(tp.program.kekka.KekkaVersion, "old");
  EXPECT_TRUE(tp.messages.shown.empty());

  EXPECT_EQ(KekkaFileName("x.tai"), "x.kai");
  EXPECT_EQ(KekkaFileName("ai"), "kai");
}

TEST(KekkaFileChangedTest, ComparesFullLocalTimesToTheMinute) {
  struct Case {
    const char* what;
    QDateTime saved;
    QDateTime file;
    bool readOnly;
    bool changed;
  };
  const QDateTime saved = at(2025, 6, 1, 10, 0, 30);
  const Case cases[] = {
      {"same minute", saved, at(2025, 6, 1, 10, 0, 59), false, false},
      {"two minutes later", saved, at(2025, 6, 1, 10, 2, 59), false, false},
      {"three minutes later", saved, at(2025, 6, 1, 10, 3), false, true},
      {"earlier", saved, at(2025, 5, 31, 23, 0), false, false},
      {"read-only", saved, at(2025, 6, 9, 10, 0), true, false},
      {"across midnight", at(2025, 6, 1, 23, 59), at(2025, 6, 2, 0, 2), false, true},
      {"31st to the 1st", at(2025, 5, 31, 23, 0), at(2025, 6, 1, 0, 0), false, true},
      {"later month, smaller day", at(2025, 6, 15, 10, 0), at(2025, 7, 1, 9, 0), false, true},
      {"across the year", at(2024, 12, 31, 23, 58), at(2025, 1, 1, 0, 1), false, true},
      {"same day a year later", at(2024, 6, 1, 10, 0), at(2025, 6, 1, 10, 0), false, true},
      {"no save time", QDateTime(), at(2025, 6, 1, 10, 0), false, true},
      {"no save time, read-only", QDateTime(), at(2025, 6, 1, 10, 0), true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(KekkaFileChanged(c.saved, c.file, c.readOnly), c.changed);
  }
}

TEST(KekkaFileChangedTest, ParsesTheSaveTime) {
  EXPECT_EQ(ParseHozonJikoku("2025/06/01 10:02:33"), at(2025, 6, 1, 10, 2));
  EXPECT_EQ(ParseHozonJikoku("2025/6/1 9:05"), at(2025, 6, 1, 9, 5));
  for (const char* bad : {"", "2025/06/01", "2025/02/30 10:00:00", "2025/06/01 24:00:00",
                          "2025-06-01 10:00:00", "年/06/01 10:00:00", "2025/06/01 10:00:00 x",
                          "99999999999/06/01 10:00", "2025/06/01 10.5:00"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseHozonJikoku(bad));
  }
}

TEST_F(KekkaFileTest, DataChangeWarningFollowsTheFileTime) {
  const QStringList lines = {"Version=2", "【印刷制御データ】", "保存時刻=2025/05/31 23:59:10", ".eof."};
  struct Case {
    const char* what;
    QDateTime modified;
    bool warned;
  };
  const Case cases[] = {
      {"two minutes", at(2025, 6, 1, 0, 1, 50), false},
      {"three minutes", at(2025, 6, 1, 0, 2), true},
      {"a month later on an earlier day", at(2025, 7, 1, 0, 0), true},
      {"a year later", at(2026, 5, 31, 23, 59), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompt.shown.clear();
    EXPECT_FALSE(load(lines, c.modified));
    EXPECT_EQ(prompt.shown.size(), c.warned ? 1u : 0u);
  }
  EXPECT_EQ(prompt.shown, std::vector<bool>{true});  // the load may go on after the click

  // A results file without a save time is never checked.
  prompt.shown.clear();
  EXPECT_FALSE(load({"Version=2", ".eof."}, at(2030, 1, 1, 0, 0)));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(KekkaFileTest, ReadOnlyFileOrUserVessinIsNeverWarned) {
  const QStringList lines = {"【印刷制御データ】", "保存時刻=2025/06/01 10:00:00", ".eof."};
  tp.writeFile(QStringLiteral("大会.kai"), lines);
  setModified(at(2025, 6, 3, 10, 0));
  const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther;
  ASSERT_TRUE(QFile::setPermissions(kaiPath(), readOnly));
  ASSERT_TRUE(platform::isReadOnly(kaiPath()));
  EXPECT_FALSE(loadExisting());
  EXPECT_EQ(tp.program.kekka.KekkaFileAttr, 1);
  EXPECT_TRUE(prompt.shown.empty());
  ASSERT_TRUE(QFile::setPermissions(kaiPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));

  struct Case {
    const char* user;
    bool warned;
  };
  for (const Case& c : {Case{"Vessin", false}, Case{"vessin", true}, Case{"Vessin ", true}}) {
    SCOPED_TRACE(c.user);
    prompt.shown.clear();
    tp.program.kankyou.UserName = QString::fromUtf8(c.user);
    EXPECT_FALSE(load(lines, at(2025, 6, 3, 10, 0)));
    EXPECT_EQ(tp.program.kekka.KekkaFileAttr, 0);
    EXPECT_EQ(prompt.shown.size(), c.warned ? 1u : 0u);
  }
}

TEST_F(KekkaFileTest, WithoutAWindowTheWarningIsAMessageBox) {
  tp.program.userErrorPrompt = nullptr;
  const QStringList lines = {"【印刷制御データ】", "保存時刻=壊れた時刻", ".eof."};
  EXPECT_FALSE(load(lines, at(2025, 6, 1, 10, 0)));
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "ファイルが書き換えられました");
  EXPECT_TRUE(tp.messages.shown[0].text.startsWith("!!! 保証できないデータです !!!\n"));
  EXPECT_TRUE(tp.messages.shown[0].text.endsWith("画面をクリックすると処理を継続します。"));
  EXPECT_EQ(tp.messages.shown[0].icon, platform::MsgIcon::Exclamation);

  tp.program.kekka.UserErrorContinue = false;
  const auto end = load(lines, at(2025, 6, 1, 10, 0));
  ASSERT_TRUE(end);
  EXPECT_EQ(end->title(), "ファイルが書き換えられました");
}

}  // namespace
