#include <gtest/gtest.h>

#include "data/InsatsuUnits.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

struct EventShape {
  const char* name;
  int yosen;
  int kesshou;
  int tournaments;
};

void addEvent(Program& program, const EventShape& shape) {
  ShumokuRec e;
  e.Name = QString::fromUtf8(shape.name);
  e.YosenLeagueAri = shape.yosen;
  e.KesshouLeagueAri = shape.kesshou;
  e.TournamentCount = shape.tournaments;
  e.Tournaments.resize(static_cast<size_t>(shape.tournaments));
  program.taikai.Taikai.Shumoku.push_back(e);
  program.taikai.Taikai.ShumokuCount = static_cast<int>(program.taikai.Taikai.Shumoku.size());
}

QStringList describe(const InsatsuUnitState& list) {
  QStringList out;
  for (const InsatsuUnitRec& u : list.InsatsuUnits) {
    out << QStringLiteral("%1/%2/%3/%4").arg(u.Label).arg(u.ShumokuIndex).arg(u.Kind).arg(
               u.TournamentIndex);
  }
  return out;
}

}  // namespace

TEST(MakeInsatsuUnitList, CaptionsFollowTheEventsStages) {
  test::TestProgram tp;
  Program& p = tp.program;
  addEvent(p, {"男子単", 1, 0, 1});   // league and one knock-out
  addEvent(p, {"女子単", 0, 0, 1});   // knock-out only
  addEvent(p, {"男子複", 1, 0, 3});   // league and three knock-outs
  addEvent(p, {"女子複", 0, 1, 0});   // final league only
  addEvent(p, {"混合複", 0, 0, 0});   // nothing to print
  addEvent(p, {"一般", 1, 1, 2});     // everything; no league makes t = 0 a 決勝トーナメント
  MakeInsatsuUnitList(p);
  const QStringList expected = {
      "男子単(リーグ)/0/予選リーグ/0",
      "男子単(決勝トーナメント)/0/決勝トーナメント/0",
      "女子単(トーナメント)/1/決勝トーナメント/0",
      "男子複(リーグ)/2/予選リーグ/0",
      "男子複(トーナメント)/2/決勝トーナメント/0",
      "男子複(2位トーナメント)/2/決勝トーナメント/1",
      "男子複(3位トーナメント)/2/決勝トーナメント/2",
      "女子複(決勝リーグ)/3/決勝リーグ/0",
      "一般(リーグ)/5/予選リーグ/0",
      "一般(決勝リーグ)/5/決勝リーグ/0",
      "一般(トーナメント)/5/決勝トーナメント/0",
      "一般(2位トーナメント)/5/決勝トーナメント/1",
  };
  EXPECT_EQ(describe(p.insatsuUnits), expected);
  EXPECT_EQ(p.insatsuUnits.InsatsuUnitCount, expected.size());

  // The list is replaced, not added to.
  MakeInsatsuUnitList(p);
  EXPECT_EQ(p.insatsuUnits.InsatsuUnitCount, expected.size());
  EXPECT_EQ(describe(p.insatsuUnits), expected);
}

TEST(MakeInsatsuUnitList, NothingToPrintLeavesOneBlankElement) {
  test::TestProgram tp;
  Program& p = tp.program;
  const QStringList blank = {"/0//0"};
  p.insatsuUnits.InsatsuUnits.resize(2, InsatsuUnitRec{"x", 3, "予選リーグ", 1});
  p.insatsuUnits.InsatsuUnitCount = 2;
  MakeInsatsuUnitList(p);  // no events at all
  EXPECT_EQ(p.insatsuUnits.InsatsuUnitCount, 0);
  EXPECT_EQ(describe(p.insatsuUnits), blank);
  addEvent(p, {"男子単", 0, 0, 0});
  MakeInsatsuUnitList(p);
  EXPECT_EQ(p.insatsuUnits.InsatsuUnitCount, 0);
  EXPECT_EQ(describe(p.insatsuUnits), blank);
}
