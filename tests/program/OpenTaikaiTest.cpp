#include <gtest/gtest.h>

#include <QFile>

#include "data/KekkaFile.h"
#include "platform/Cp932.h"
#include "platform/ProgramEnd.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

TEST(OpenTaikai, SampleOpensWithResultsLayoutResetAndUnits) {
  test::TestProgram tp;
  ASSERT_TRUE(test::CopySampleData(tp.folder() + "data"));
  Program& p = tp.program;
  ASSERT_TRUE(test::LoadSampleTournament(p, tp.folder() + "data"));
  p.insatsu.InsatsuSeigyo.PageSelectMode = 2;  // chosen for the tournament open before
  p.bunshou.BunshouItems[0].Text = "前の大会";
  p.kekka.KekkaVersion.clear();

  EXPECT_EQ(OpenTaikai(p, test::SampleTaikaiFileName()), OpenTaikaiResult::Opened);
  EXPECT_EQ(p.kekka.KekkaVersion, "4.12");
  EXPECT_EQ(p.insatsu.InsatsuSeigyo.PageSelectMode, 0);
  EXPECT_EQ(p.bunshou.BunshouItems[0].Text, "&大会名");
  EXPECT_FALSE(p.insatsuUnits.InsatsuUnits.empty());
  // The schedule is read as the tournament opens, not when a chart first needs it.
  EXPECT_GT(p.nittei.NitteiCount, 0);
}

// The sample's results file saved again in UTF-8 by an editor: one warning says that its
// results and print layout were not taken, and the tournament opens without them.
TEST(OpenTaikai, ResultsFileSavedInUtf8IsWarnedOnceAndTheTournamentOpens) {
  test::TestProgram tp;
  const QString data = tp.folder() + "data/";
  ASSERT_TRUE(test::CopySampleData(data));
  const QString kai = data + KekkaFileName(test::SampleTaikaiFileName());
  {
    QFile f(kai);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray utf8 = platform::decodeCp932(f.readAll()).toUtf8();
    ASSERT_TRUE(f.resize(0));
    ASSERT_EQ(f.write(utf8), utf8.size());
  }
  Program& p = tp.program;
  try {
    ASSERT_TRUE(test::LoadSampleTournament(p, data));
  } catch (const platform::ProgramEnd& end) {
    FAIL() << end.title().toStdString() << ": " << end.message().toStdString();
  }
  EXPECT_GT(p.taikai.Taikai.ShumokuCount, 0);
  EXPECT_EQ(p.insatsu.InsatsuSeigyo.PageCount, 0);
  EXPECT_TRUE(p.kekka.HozonJikoku.isEmpty());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "対戦結果等読み込み");
  const QString& text = tp.messages.shown[0].text;
  EXPECT_TRUE(text.startsWith(kai)) << text.toStdString();
  EXPECT_TRUE(text.contains("Shift_JIS（CP932）で保存されていません")) << text.toStdString();
  EXPECT_TRUE(text.contains("対戦結果も印刷レイアウトも読み込んでいません")) << text.toStdString();
}

// Without events the results file is not read: an empty one would end the program.
TEST(OpenTaikai, NoEventsLeavesTheResultsFileUnread) {
  test::TestProgram tp;
  tp.program.taikai.DataFolder = tp.folder();
  tp.writeFile("大会.tai", {"【大会データ】", "大会名=春季大会"});
  tp.writeFile(KekkaFileName("大会.tai"), {});
  try {
    EXPECT_EQ(OpenTaikai(tp.program, "大会.tai"), OpenTaikaiResult::NoEvents);
  } catch (const platform::ProgramEnd& end) {
    FAIL() << end.title().toStdString();
  }
  EXPECT_EQ(tp.program.taikai.TaikaiFileName, "大会.tai");
  EXPECT_EQ(tp.program.bunshou.BunshouItemCount, 13);
}

TEST(OpenTaikai, UnreadableFileKeepsTheOpenTournament) {
  test::TestProgram tp;
  tp.program.taikai.DataFolder = tp.folder();
  tp.writeFile("大会.tai", {"【大会データ】", "大会名=春季大会", "種目=男子単,男子,単,MS"});
  ASSERT_EQ(OpenTaikai(tp.program, "大会.tai"), OpenTaikaiResult::Opened);
  for (const QString& name : {QStringLiteral("無い.tai"), QStringLiteral(" ")}) {
    EXPECT_EQ(OpenTaikai(tp.program, name), OpenTaikaiResult::NotOpened);
    EXPECT_EQ(tp.program.taikai.TaikaiFileName, "大会.tai");
    EXPECT_EQ(tp.program.taikai.Taikai.ShumokuCount, 1);
  }
}

}  // namespace
