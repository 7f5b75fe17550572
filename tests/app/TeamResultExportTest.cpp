#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "StartupFixture.h"
#include "app/TeamMeisaiProgram.h"
#include "platform/TextFile.h"

using namespace qv;
using namespace qv::test;

namespace {

// The main window on the sample tournament, with a stand-in for the team-detail program
// in the program folder that writes its arguments, one a line, to a file beside it.
class TeamResultExportTest : public ::testing::Test, public StartupFixture {
 protected:
  void SetUp() override {
    env.arguments = {sampleTai()};
    start();
    ASSERT_TRUE(window->HasTeamEvents);
  }

  QString programPath() const { return programFolder() + kTeamMeisaiProgram; }
  QString argumentsFile() const { return programFolder() + "arguments.txt"; }
  QString detailFile() const { return dataFolder() + "青葉市民大会団体戦明細結果.csv"; }
  QString summaryFile() const { return dataFolder() + "青葉市民大会団体戦結果.csv"; }

  void installFakeProgram(QFile::Permissions permissions) {
    QFile script(programPath());
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.part\"\n"
                 "mv \"$0.part\" \"" + argumentsFile().toUtf8() + "\"\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(permissions));
  }

  // The arguments the stand-in received, once it has run (empty after 10 s).
  QStringList receivedArguments() const {
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(argumentsFile()) && !deadline.hasExpired()) QTest::qWait(20);
    QFile f(argumentsFile());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
  }

  void expectButtonsBack() {
    for (QPushButton* b : {window->CmdTeam, window->CmdTeamX, window->CmdTeamE, window->CmdAuto,
                           window->CmdInsatsu, window->CmdReturn, window->CmdDelete})
      EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  }

  static constexpr QFile::Permissions kRunnable =
      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
};

}  // namespace

TEST_F(TeamResultExportTest, WritesBothFilesAndHandsTheDetailFileToTheProgram) {
  installFakeProgram(kRunnable);
  window->CmdTeamX->click();

  EXPECT_TRUE(tp.messages.shown.empty());
  expectButtonsBack();
  EXPECT_EQ(receivedArguments(), QStringList{detailFile()});

  // CP932 with CR LF, as the suite's programs read them.
  QFile raw(summaryFile());
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  EXPECT_TRUE(bytes.contains("\r\n"));
  EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));

  const auto summary = platform::readTextLines(summaryFile());
  const auto detail = platform::readTextLines(detailFile());
  ASSERT_TRUE(summary && detail);
  EXPECT_EQ(summary->size(), 2 + 6);  // two blocks of three ties
  EXPECT_EQ(detail->size(), 2 + 6 * 3);
  EXPECT_EQ(summary->at(1), "種目,試合番号,チーム１,勝敗,チーム２");
  EXPECT_TRUE(summary->at(0).startsWith("第42回　青葉市民バドミントン大会　　令和８年６月１４日"))
      << summary->at(0).toStdString();
  for (const QString& row : detail->mid(2)) EXPECT_EQ(row.count(','), 9) << row.toStdString();
}

TEST_F(TeamResultExportTest, AMissingOrBrokenProgramIsNamedAfterTheFilesAreWritten) {
  struct Case {
    bool install;
    QFile::Permissions permissions;
  };
  for (const Case& c : {Case{false, {}}, Case{true, QFile::ReadOwner | QFile::WriteOwner}}) {
    tp.messages.shown.clear();
    QFile::remove(programPath());
    QFile::remove(detailFile());
    if (c.install) installFakeProgram(c.permissions);
    window->CmdTeamX->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "団体戦明細プログラムを起動できません");
    EXPECT_TRUE(tp.messages.shown[0].text.startsWith(programPath()));
    EXPECT_TRUE(QFile::exists(detailFile()));
    EXPECT_TRUE(QFile::exists(summaryFile()));
    expectButtonsBack();
  }
}

TEST_F(TeamResultExportTest, AFileThatCannotBeWrittenIsNamedAndNothingIsStarted) {
  installFakeProgram(kRunnable);
  // A folder where the detail file should go: it cannot be replaced by a file.
  ASSERT_TRUE(QDir().mkpath(detailFile()));
  window->CmdTeamX->click();
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "CSVファイルを書き込めません");
  EXPECT_TRUE(tp.messages.shown[0].text.startsWith(detailFile()));
  EXPECT_FALSE(QFile::exists(summaryFile()));
  expectButtonsBack();
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(argumentsFile()));
}
