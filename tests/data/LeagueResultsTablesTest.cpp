#include <gtest/gtest.h>

#include "data/LeagueResults.h"
#include "data/LeagueResultsFixture.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

void setDraw(ShumokuRec& e, std::initializer_list<int> positions) {
  int j = 0;
  for (int d : positions) e.Sankasha.at(static_cast<size_t>(j++)).Bangou = d;
}

std::vector<int> occupants(const ShumokuRec& e, int b) {
  return e.YosenLeague.Blocks.at(static_cast<size_t>(b)).Sankasha;
}

}  // namespace

TEST(LeagueResultsTables, LinksEntriesToSlotsByDrawPosition) {
  test::TestProgram t;
  const int e = test::addEvent(t.program, "男子シングルス", "単", 6);
  ShumokuRec& ev = test::event(t.program, e);
  test::addBlock(ev, 3);
  test::addBlock(ev, 2);
  ev.KumiawaseSuu = 5;
  ev.KesshouShinshutsuSuu = 2;
  // Entry 3's position equals KumiawaseSuu; entry 2 has none.
  setDraw(ev, {4, 0, -1, 5, 2, 3});
  MakeLeagueTables(t.program, -1);
  EXPECT_EQ(occupants(ev, 0), (std::vector<int>{1, -1, 4}));  // what the file gave is replaced
  EXPECT_EQ(occupants(ev, 1), (std::vector<int>{5, 0}));
}

TEST(LeagueResultsTables, UnmappedPositionDoesNotTakeTheFirstSlot) {
  test::TestProgram t;
  const int e = test::addEvent(t.program, "男子シングルス", "単", 3);
  ShumokuRec& ev = test::event(t.program, e);
  test::addBlock(ev, 2);  // two slots, but five draw positions
  ev.KumiawaseSuu = 5;
  setDraw(ev, {0, 1, 3});
  MakeLeagueTables(t.program, e);
  EXPECT_EQ(occupants(ev, 0), (std::vector<int>{0, 1}));
}

TEST(LeagueResultsTables, TakesOnlyTheChosenEventWithALeague) {
  test::TestProgram t;
  const int first = test::addEvent(t.program, "A", "単", 2);
  const int second = test::addEvent(t.program, "B", "単", 2);
  const int third = test::addEvent(t.program, "C", "単", 2);
  for (int e : {first, second, third}) {
    test::addBlock(test::event(t.program, e), 2);
    setDraw(test::event(t.program, e), {1, 0});
  }
  test::event(t.program, third).YosenLeagueAri = 0;
  MakeLeagueTables(t.program, second);
  EXPECT_EQ(occupants(test::event(t.program, first), 0), (std::vector<int>{0, 1}));
  EXPECT_EQ(occupants(test::event(t.program, second), 0), (std::vector<int>{1, 0}));
  MakeLeagueTables(t.program, -1);
  EXPECT_EQ(occupants(test::event(t.program, first), 0), (std::vector<int>{1, 0}));
  EXPECT_EQ(occupants(test::event(t.program, third), 0), (std::vector<int>{0, 1}));
  MakeLeagueTables(t.program, 7);  // no such event

  // Records shorter than announced, and more blocks announced than held.
  ShumokuRec& ev = test::event(t.program, first);
  ev.YosenLeague.Blocks[0].SankashaSuu = 150;
  ev.YosenLeague.BlockCount = 4;
  ev.KumiawaseSuu = 200;
  setDraw(ev, {1, 120});
  MakeLeagueTables(t.program, first);
  EXPECT_EQ(occupants(ev, 0), (std::vector<int>{-1, 0}));
}

namespace {

// An event whose league of one block of three feeds a knock-out; the block's slots hold
// entries 2, 0, 1 at places 3, 1, 2; one qualifier per place, as the results file gave them.
struct Progress : test::TestProgram {
  Progress() {
    e = test::addEvent(program, "男子シングルス", "単", 3);
    auto& ev = test::event(program, e);
    ev.TournamentCount = 1;
    auto& b = test::addBlock(ev, 3);
    b.Sankasha = {2, 0, 1};
    b.SankashaIchi = {3, 1, 2};
    for (int place = 1; place <= 3; ++place) {
      KesshouShinshutsuRec k;
      k.BlockNo = 1;
      k.Juni = place;
      k.SankashaIdx = -1;
      k.Hyouji = "file";
      ev.KesshouShinshutsu.push_back(k);
    }
    ev.KesshouShinshutsuSuu = 3;
  }
  LeagueBlockRec& block() { return test::event(program, e).YosenLeague.Blocks[0]; }
  const KesshouShinshutsuRec& q(int i) {
    return test::event(program, e).KesshouShinshutsu.at(static_cast<size_t>(i));
  }
  int e = 0;
};

}  // namespace

TEST(LeagueResultsProgress, DummyBlockFillsItsQualifiersAtOnce) {
  Progress f;
  f.block().Dummy = true;
  CountLeagueProgress(f.program, -1, -1);
  EXPECT_EQ(f.q(0).SankashaIdx, 0);
  EXPECT_EQ(f.q(0).Hyouji, "E0");
  EXPECT_EQ(f.q(0).SankashaText, "G0");
  EXPECT_EQ(f.q(1).SankashaIdx, 1);
  EXPECT_EQ(f.q(2).Hyouji, "E2");
}

TEST(LeagueResultsProgress, FinishedBlockFillsUnfinishedKeeps) {
  Progress f;
  test::addMatch(f.block(), 0, 1, "0:2");
  test::addMatch(f.block(), 1, 2, "2:0");
  test::addMatch(f.block(), 0, 2, "");
  MakeLeagueResults(f.program, f.e, 0);
  CountLeagueProgress(f.program, f.e, 0);
  // Slot 1 (place 1) has played both its matches; slots 0 and 2 one each.
  EXPECT_EQ(f.q(0).SankashaIdx, 0);
  EXPECT_EQ(f.q(0).Hyouji, "E0");
  EXPECT_EQ(f.q(0).SankashaText, "G0");
  EXPECT_EQ(f.q(1).Hyouji, "file");
  EXPECT_EQ(f.q(2).Hyouji, "file");
  EXPECT_EQ(f.q(2).SankashaIdx, -1);

  f.block().Taisen[2].TaisenKekka = "2:1";
  MakeLeagueResults(f.program, f.e, 0);
  CountLeagueProgress(f.program, -1, -1);
  EXPECT_EQ(f.q(1).SankashaIdx, 1);
  EXPECT_EQ(f.q(1).SankashaText, "G1");
  EXPECT_EQ(f.q(2).Hyouji, "E2");
}

TEST(LeagueResultsProgress, PairingsLabelledZeroAreNotToBePlayed) {
  Progress f;
  // Four slots, six pairings, two of them labelled "0" or not numbered: three matches each
  // less one.
  auto& b = f.block();
  b.SankashaSuu = 4;
  b.Sankasha = {2, 0, 1, -1};
  b.SankashaIchi = {3, 1, 2, 4};
  b.Juni.resize(4);
  b.SankashaShiaiSuu.resize(4);
  test::addMatch(b, 0, 1, "2:0");
  test::addMatch(b, 0, 2, "", "0");
  test::addMatch(b, 0, 3, "2:0");
  test::addMatch(b, 1, 2, "2:0");
  test::addMatch(b, 1, 3, "", "一");
  test::addMatch(b, 2, 3, "2:0");
  MakeLeagueResults(f.program, f.e, 0);
  CountLeagueProgress(f.program, f.e, -1);
  EXPECT_EQ(f.q(0).Hyouji, "E0");  // slot 1: two played
  EXPECT_EQ(f.q(1).Hyouji, "E1");  // slot 2: two played
  EXPECT_EQ(f.q(2).Hyouji, "E2");  // slot 0: two played
}

TEST(LeagueResultsProgress, SkipsEventsWithoutKnockOutAndBadReferences) {
  Progress f;
  f.block().Dummy = true;
  test::event(f.program, f.e).TournamentCount = 0;
  CountLeagueProgress(f.program, -1, -1);
  EXPECT_EQ(f.q(0).Hyouji, "file");

  test::event(f.program, f.e).TournamentCount = 1;
  f.block().Sankasha = {2, 99, -1};  // place 1 names no entry, place 2 none at all
  test::event(f.program, f.e).KesshouShinshutsuSuu = 5;  // more than recorded
  test::event(f.program, f.e).KesshouShinshutsu[2].BlockNo = 4;  // no such block
  CountLeagueProgress(f.program, f.e, 3);  // no such block
  CountLeagueProgress(f.program, f.e, -1);
  EXPECT_EQ(f.q(0).Hyouji, "file");
  EXPECT_EQ(f.q(1).Hyouji, "file");
  EXPECT_EQ(f.q(2).Hyouji, "file");

  f.block().SankashaSuu = 0;  // a block without entrants
  f.block().Sankasha = {2, 0, 1};
  CountLeagueProgress(f.program, -1, -1);
  EXPECT_EQ(f.q(0).Hyouji, "file");
}

TEST(LeagueResultsHostile, ExtremeNumbersNeitherOverflowNorAllocate) {
  test::TestProgram t;
  Program& p = t.program;
  const int e = test::addEvent(p, "男子シングルス", "単", 2);
  ShumokuRec& ev = test::event(p, e);
  ev.KumiawaseSuu = INT32_MAX;
  ev.KesshouShinshutsuSuu = INT32_MAX;
  setDraw(ev, {INT32_MAX - 1, 1});
  auto& b = test::addBlock(ev, 2, INT32_MIN);
  test::addMatch(b, 0, 1, "X:0");
  test::addMatch(b, 0, 1, "2147483647:0:2147483647-0:2147483647-0:2147483647-0");
  test::addMatch(b, 0, 1, "2147483647:0:2147483647X-0");
  MakeLeagueTables(p, -1);
  EXPECT_EQ(occupants(ev, 0), (std::vector<int>{-1, 1}));
  MakeLeagueResults(p, e, 0);
  EXPECT_EQ(ev.YosenLeague.Blocks[0].Juni[0].GameKachi, INT32_MAX);
  EXPECT_EQ(ev.YosenLeague.Blocks[0].Juni[0].PointKachi, INT32_MAX);

  const int teamEv = test::addEvent(p, "男子団体", "団体", 2);
  test::addMatch(test::addBlock(test::event(p, teamEv), 2), 0, 1, "");
  auto& team = test::addTeamEvent(p, teamEv, {"-99999999999", "99999999999"});
  test::addTie(team.Blocks[0], 0, 1, "1", "0",
               {{"2147483647", "0", {"2147483647-0", "2147483647-0"}}, {"X", "0", {}}});
  MakeAllLeagueResults(p);
  EXPECT_FLOAT_EQ(test::event(p, teamEv).YosenLeague.Blocks[0].Juni[0].Kachi, 1);
}
