#include <gtest/gtest.h>

#include "data/KekkaFile.h"
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
