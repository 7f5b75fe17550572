#include <gtest/gtest.h>

#include <vector>

#include "data/UserErrorPrompt.h"
#include "platform/ProgramEnd.h"
#include "program/Program.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

class RecordingPrompt : public UserErrorPrompt {
 public:
  void ShowUserError(bool) override { ++shown; }
  int shown = 0;
};

TEST(SampleTournamentTest, WholeTournamentLoadsWithoutAMessage) {
  test::TestProgram tp;
  RecordingPrompt prompt;
  tp.program.userErrorPrompt = &prompt;
  ASSERT_TRUE(test::CopySampleData(tp.folder() + "data"));
  try {
    ASSERT_TRUE(test::LoadSampleTournament(tp.program, tp.folder() + "data"));
  } catch (const platform::ProgramEnd& end) {
    FAIL() << end.title().toStdString() << ": " << end.message().toStdString();
  }
  for (const auto& m : tp.messages.shown)
    ADD_FAILURE() << m.title.toStdString() << ": " << m.text.toStdString();
  EXPECT_EQ(prompt.shown, 0);

  const Program& p = tp.program;
  EXPECT_GE(p.taikai.Taikai.ShumokuCount, 1);
  EXPECT_EQ(p.kekka.KekkaVersion, "4.12");
  EXPECT_EQ(p.taikai.Taikai.Kaijou, "青葉市総合体育館");
  EXPECT_EQ(p.kekka.CourtCount, 12);
  EXPECT_EQ(p.kankyou.TournamentShinpan, "敗者審判");
  EXPECT_FALSE(p.kekka.HozonJikoku.isEmpty());
  EXPECT_GE(p.insatsuUnits.InsatsuUnitCount, 1);
}

TEST(SampleTournamentTest, LoadsStraightFromTheSamplesFolder) {
  // The checked-out results file may be newer than its save time: the warning may come,
  // but nothing else does.
  test::TestProgram tp;
  RecordingPrompt prompt;
  tp.program.userErrorPrompt = &prompt;
  EXPECT_TRUE(test::LoadSampleTournament(tp.program));
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_LE(prompt.shown, 1);
}

}  // namespace
