#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "data/TaikaiFileFixture.h"
#include "data/TaikaiFileWriter.h"
#include "platform/TextFile.h"

using namespace qv;
using qv::test::TaikaiFileTest;

namespace {

const QStringList kScattered = {
    "【大会データ】", "大会名=秋季大会", "開催日=2009.05.03", "協会名=県協会", "会長=山田",
    "後援=市", "OPTION=略号表示", "OPTION=RANKING", "ブロック=なし", "種目=男子単,男子,単,MS",
    "種目=女子複,女子,複,WD", "【申込団体別参加者名簿】", "団体=Ａ高", "MS,山田太郎,Ａ高[Ｂ],5",
    "WD,鈴木,田中,Ａ高[東],Ｂ高[西],3,すずき,たなか", "WD,佐藤,伊藤,Ａ高[東],,", "MS,川田,,",
    "【団体別参加者名簿】", "団体=Ａ高", "メモ"};

const QStringList kRewritten = {
    "【大会データ】", "大会名=秋季大会", "開催日=2009.05.03", "協会名=県協会", "賞状=",
    "参加資格=県協", "リーグ戦順位判定方法=多勝少敗",
    "団体結果検印=70,30,70,15,5,3,勝者,敗者,審判長,,1", "OPTION=略号表示", "ブロック=なし",
    "予選=", "会長=山田", "後援=市", "OPTION=RANKING", "種目=男子単,男子,単,MS",
    "種目=女子複,女子,複,WD", "【申込団体別参加者名簿】", "団体=共通", "MS,山田太郎,Ａ高[Ｂ],5,",
    "MS,川田,Ａ高,-1,", "WD,鈴木,田中,Ａ高[東],Ｂ高[西],3,すずき,たなか",
    "WD,佐藤,伊藤,Ａ高[東],Ａ高[東],-1,,", "【団体別参加者名簿】", "団体=Ａ高", "メモ"};

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST_F(TaikaiFileTest, ScatteredFileIsBackedUpRewrittenAndReadAgain) {
  tp.writeFile("大会.tai", kScattered);
  const QByteArray original = bytesOf(tp.folder() + "大会.tai");
  ASSERT_FALSE(openExisting());
  EXPECT_TRUE(read);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(bytesOf(tp.folder() + "大会.bak"), original);
  EXPECT_EQ(platform::readTextLines(tp.folder() + "大会.tai").value_or(QStringList{}), kRewritten);
  // The model is the second pass's: grouped, the kept keys and switches still in force.
  EXPECT_FALSE(tp.program.taikai.RewriteNeeded);
  EXPECT_TRUE(tp.program.taikai.sw.NumberSeedJun);
  EXPECT_EQ(tp.program.taikai.KaichouName, "山田");
  EXPECT_EQ(tp.program.taikai.sw.LeagueBlockName, "");
  ASSERT_EQ(event(0).SankashaCount, 2);
  EXPECT_EQ(entry(0, 1).Name, "川田,Ａ高");
  EXPECT_EQ(entry(1, 0).GroupName, "東／西");
  EXPECT_EQ(entry(1, 1).GroupName, "東");
  EXPECT_EQ(tp.program.taikai.Shozoku.size(), 1u);
  EXPECT_EQ(tp.program.taikai.Shozoku[0].Name, "共通");

  // Read again: grouped now, so nothing is written.
  const QByteArray rewritten = bytesOf(tp.folder() + "大会.tai");
  QFile::remove(tp.folder() + "大会.bak");
  ASSERT_FALSE(openExisting());
  EXPECT_EQ(bytesOf(tp.folder() + "大会.tai"), rewritten);
  EXPECT_FALSE(QFileInfo::exists(tp.folder() + "大会.bak"));
}

TEST_F(TaikaiFileTest, RewriteWritesGroupsDeletionsAndNothingWhenNotNeeded) {
  ASSERT_FALSE(open({"【大会データ】", "種目=女子複,女子,複,WD", "【申込団体別参加者名簿】",
                     "WD,鈴木,田中,Ａ高[東],Ｂ高[東],"}));
  Program& p = tp.program;
  SankashaRec& pair = p.taikai.Taikai.Shumoku[0].Sankasha.at(0);
  EXPECT_EQ(pair.GroupName, "東");
  pair.Sakujo = true;
  const QStringList lines = TaikaiFileLines(p, {});
  EXPECT_EQ(lines.last(), "WD,削除鈴木,田中,Ａ高[東],Ｂ高[東],-1,,");
  EXPECT_EQ(pair.Name, "削除鈴木,田中,Ａ高,Ｂ高");
  EXPECT_EQ(TaikaiFileLines(p, {}).last(), lines.last());  // marked once only

  const QByteArray before = bytesOf(tp.folder() + "大会.tai");
  EXPECT_FALSE(WriteTaikaiFile(p, "大会.tai", {}, false));
  EXPECT_EQ(bytesOf(tp.folder() + "大会.tai"), before);
  EXPECT_FALSE(QFileInfo::exists(tp.folder() + "大会.bak"));
}

TEST_F(TaikaiFileTest, SecondRewriteKeepsTheBackupOfTheOriginal) {
  // Two events share an abbreviation: the first rewrite is still scattered when read back.
  const QStringList lines = {"【大会データ】", "種目=一,男子,単,MS", "種目=二,女子,単,WS",
                             "種目=三,男子,単,MS", "【種目別参加者名簿】", "[三]", "1,d,1",
                             "【申込団体別参加者名簿】", "MS,a,,", "WS,b,,", "MS,c,,"};
  tp.writeFile("大会.tai", lines);
  const QByteArray original = bytesOf(tp.folder() + "大会.tai");
  ASSERT_FALSE(openExisting());
  EXPECT_EQ(bytesOf(tp.folder() + "大会.bak"), original);
  const QStringList now = platform::readTextLines(tp.folder() + "大会.tai").value_or(QStringList{});
  EXPECT_EQ(now.mid(now.indexOf("団体=共通") + 1),
            (QStringList{"MS,ａ, ,-1,", "MS,ｃ, ,-1,", "MS,ｄ, ,1,", "WS,ｂ, ,-1,"}));
  // The model is the second pass's.
  EXPECT_EQ(event(0).SankashaCount, 3);
  EXPECT_EQ(event(2).SankashaCount, 0);
  EXPECT_EQ(entry(0, 2).Bangou, 1);  // the entry by event kept its draw number
}

TEST_F(TaikaiFileTest, FailedBackupLeavesTheFileAndKeepsTheFirstRead) {
  tp.writeFile("大会.tai", kScattered);
  const QByteArray original = bytesOf(tp.folder() + "大会.tai");
  ASSERT_TRUE(QDir().mkpath(tp.folder() + "大会.bak/x"));  // a backup cannot replace a folder
  ASSERT_FALSE(openExisting());
  EXPECT_TRUE(read);
  EXPECT_EQ(bytesOf(tp.folder() + "大会.tai"), original);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "バックアップファイルを作成できません");
  EXPECT_TRUE(tp.messages.shown[0].text.contains(tp.folder() + "大会.bak"));
  // The first pass's model: the scattered lines in their order.
  ASSERT_EQ(event(0).SankashaCount, 2);
  EXPECT_EQ(entry(0, 1).Name, "川田,Ａ高");
}

TEST_F(TaikaiFileTest, FailedWriteLeavesTheFileByteIdentical) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  tp.writeFile("大会.tai", kScattered);
  const QByteArray original = bytesOf(tp.folder() + "大会.tai");
  QFile folder(tp.folder());
  const auto permissions = folder.permissions();
  ASSERT_TRUE(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
  const auto end = openExisting();
  folder.setPermissions(permissions);
  ASSERT_FALSE(end);
  EXPECT_TRUE(read);
  EXPECT_EQ(bytesOf(tp.folder() + "大会.tai"), original);
  EXPECT_EQ(tp.messages.shown.size(), 1u);
}

// Checked by the permission bits, so the test holds when run as root.
TEST_F(TaikaiFileTest, ReadOnlyFileOrFolderIsAFailedWrite) {
  const QFileDevice::Permissions readOnly =
      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
  for (const bool wholeFolder : {false, true}) {
    test::TestProgram own;
    own.program.taikai.DataFolder = own.folder();
    own.writeFile("大会.tai", kScattered);
    const QString path = own.folder() + "大会.tai";
    const QByteArray original = bytesOf(path);
    QFile target(wholeFolder ? own.folder() : path);
    const auto permissions = target.permissions();
    ASSERT_TRUE(target.setPermissions(readOnly));
    bool ok = false;
    EXPECT_NO_THROW(ok = ReadTaikaiFile(own.program, "大会.tai"));
    const QStringList left = QDir(own.folder()).entryList(QDir::Files | QDir::Hidden);
    target.setPermissions(permissions);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bytesOf(path), original) << wholeFolder;
    EXPECT_TRUE(QFileInfo(path).permissions() & QFile::ReadOwner);
    // No temporary file and no backup of a file that stays as it is.
    EXPECT_EQ(left, QStringList{"大会.tai"}) << left.join(' ').toStdString();
    ASSERT_EQ(own.messages.shown.size(), 1u) << wholeFolder;
    EXPECT_EQ(own.messages.shown[0].title, "大会データファイルを書き換えできません");
    EXPECT_TRUE(own.messages.shown[0].text.startsWith(path));
    // The model of the first pass stays.
    const auto& shumoku = own.program.taikai.Taikai.Shumoku;
    ASSERT_FALSE(shumoku.empty());
    EXPECT_EQ(shumoku[0].SankashaCount, 2) << wholeFolder;
  }
}

// The file-size limit stops root too: the backup (as large as the original) goes through,
// the longer new file is cut off part-way, as on a full disk.
TEST_F(TaikaiFileTest, WriteCutShortLeavesTheFileByteIdentical) {
  tp.writeFile("大会.tai", kScattered);
  const QByteArray original = bytesOf(tp.folder() + "大会.tai");
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit limited = old;
  limited.rlim_cur = static_cast<rlim_t>(original.size() + 1);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const auto end = openExisting();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_FALSE(end);
  EXPECT_TRUE(read);
  EXPECT_EQ(bytesOf(tp.folder() + "大会.tai"), original);
  EXPECT_EQ(bytesOf(tp.folder() + "大会.bak"), original);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "大会データファイルを書き換えできません");
  // The model of the first pass stays.
  EXPECT_EQ(event(0).SankashaCount, 2);
}

TEST_F(TaikaiFileTest, FailedWriteAfterTheBackupIsReported) {
  Program& p = tp.program;
  ASSERT_FALSE(open({"【大会データ】", "種目=単,男子,単,MS"}));
  // The data file's folder is gone: the temporary file cannot be made.
  p.taikai.DataFolder = tp.folder() + "ない/";
  p.taikai.RewriteNeeded = true;
  EXPECT_FALSE(WriteTaikaiFile(p, "大会.tai", {}, true));
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "大会データファイルを書き換えできません");
  EXPECT_TRUE(tp.messages.shown[0].text.startsWith(tp.folder() + "ない/大会.tai"));
}
