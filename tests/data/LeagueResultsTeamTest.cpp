#include <gtest/gtest.h>

#include "data/LeagueResults.h"
#include "data/LeagueResultsFixture.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

// A team event with a block of three teams and three league matches 0-1, 1-2, 0-2
// (match numbers 1, 2, 3), paired with a team event of the given sub-match rules.
struct TeamBlock : test::TestProgram {
  explicit TeamBlock(const QStringList& rules) {
    e = test::addEvent(program, "男子団体", "団体", 3);
    auto& b = test::addBlock(test::event(program, e), 3);
    test::addMatch(b, 0, 1, "");
    test::addMatch(b, 1, 2, "");
    test::addMatch(b, 0, 2, "");
    test::addTeamEvent(program, e, rules);
  }
  LeagueBlockRec& block() { return test::event(program, e).YosenLeague.Blocks[0]; }
  TeamBlockRec& stage() { return program.team.TeamShumokus[0].Blocks[0]; }
  const LeagueJuniRec& juni(int s) { return block().Juni[static_cast<size_t>(s)]; }
  int e = 0;
};

}  // namespace

TEST(LeagueResultsTeam, ForfeitedTieGivesEverySubMatch) {
  TeamBlock f({"21", "21", "21", "21", "21"});
  test::addTie(f.stage(), 0, 1, "X", "3");
  MakeLeagueResults(f.program, f.e, 0);  // handed on for a team event
  const LeagueJuniRec& b = f.juni(1);
  EXPECT_FLOAT_EQ(b.Kachi, 1);
  EXPECT_EQ(b.ShiaiKachi, 5);
  EXPECT_EQ(b.GameKachi, 10);
  EXPECT_EQ(b.PointKachi, 105);  // one game's points per sub-match
  EXPECT_EQ(b.Kekka, "W--");
  const LeagueJuniRec& a = f.juni(0);
  EXPECT_FLOAT_EQ(a.Make, 1);
  EXPECT_EQ(a.ShiaiMake, 5);
  EXPECT_EQ(a.GameMake, 10);
  EXPECT_EQ(a.PointMake, 105);
  EXPECT_EQ(a.Kekka, "-L-");
  EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{1, 1, 0}));
}

TEST(LeagueResultsTeam, PlayedTieAddsSubMatchesGamesAndPoints) {
  TeamBlock f({"21", "21", "152"});
  test::addTie(f.stage(), 0, 1, "", "");  // tie 1 not played
  test::addTie(f.stage(), 1, 2, "２", " 1 ",
               {{"2", "0", {"21-10", "21-12", "", "", "21-0"}},  // scores stop at the blank game
                {"X", "0", {}},                                 // given away: 3 games, 42 points
                {"2", "1", {"15-10", "10-15", "15-5"}}});       // two games of 15 read
  MakeTeamLeagueResults(f.program, f.e, 0);
  const LeagueJuniRec& a = f.juni(1);
  EXPECT_FLOAT_EQ(a.Kachi, 1);
  EXPECT_FLOAT_EQ(a.Make, 0);
  EXPECT_EQ(a.ShiaiKachi, 2);
  EXPECT_EQ(a.ShiaiMake, 1);
  EXPECT_EQ(a.GameKachi, 4);
  EXPECT_EQ(a.GameMake, 4);
  EXPECT_EQ(a.PointKachi, 67);
  EXPECT_EQ(a.PointMake, 89);
  EXPECT_EQ(a.Kekka, "--W");
  EXPECT_EQ(f.juni(2).Kekka, "-L-");
  EXPECT_EQ(f.juni(2).PointKachi, 89);
  EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{0, 1, 1}));  // unplayed tie not counted
  EXPECT_EQ(f.program.rule.RulePoints, 15);  // the shared rule holds the last sub-match's
}

TEST(LeagueResultsTeam, SkippedAndDrawnTies) {
  TeamBlock f({"21", "21"});
  test::addTie(f.stage(), 2, 2, "3", "0");  // same team on both sides
  test::addTie(f.stage(), 1, 2, "X", "Ｘ");  // both forfeited
  test::addTie(f.stage(), 0, 2, "1", "1",
               {{"2", "1", {"21-19", "19-21", "21-0"}}, {"1", "1", {"21-0"}}});  // 1-1 adds nothing
  test::addTie(f.stage(), 0, 1, "2", "0");  // no league match numbered 4
  MakeTeamLeagueResults(f.program, f.e, 0);
  EXPECT_FLOAT_EQ(f.juni(1).Kachi, 0.5f);
  EXPECT_FLOAT_EQ(f.juni(1).Make, 0.5f);
  EXPECT_EQ(f.juni(1).ShiaiKachi, 0);
  EXPECT_EQ(f.juni(2).Kekka, "---");
  EXPECT_EQ(f.juni(0).GameKachi, 2);
  EXPECT_EQ(f.juni(0).GameMake, 1);
  EXPECT_EQ(f.juni(0).PointKachi, 61);
  EXPECT_EQ(f.juni(0).PointMake, 40);
  EXPECT_FLOAT_EQ(f.juni(0).Kachi, 0);
  EXPECT_EQ(f.juni(0).Kekka, "---");
  EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{1, 1, 2}));
}

TEST(LeagueResultsTeam, EventWithoutItsTeamRecordOnlyClears) {
  TeamBlock f({"21"});
  test::addTie(f.stage(), 0, 1, "3", "0");
  f.block().Juni[0].Kachi = 7;
  test::event(f.program, f.e).TeamShumokuIndex = -1;
  MakeTeamLeagueResults(f.program, f.e, 0);
  EXPECT_FLOAT_EQ(f.juni(0).Kachi, 0);
  EXPECT_EQ(f.juni(0).Kekka, "---");

  // A team record with fewer stages or ties whose sub-match lists run short.
  test::event(f.program, f.e).TeamShumokuIndex = 0;
  f.block().TaisenIndex = {2, -1, 99};
  f.stage().Taisens.clear();
  f.stage().TaisenCount = 0;
  test::addTie(f.stage(), 0, 2, "1", "0");  // no sub-match results at all
  test::addTie(f.stage(), 0, 1, "1", "0");  // match index -1
  test::addTie(f.stage(), 0, 1, "1", "0");  // match index beyond the block
  MakeTeamLeagueResults(f.program, f.e, 0);
  EXPECT_EQ(f.juni(0).ShiaiKachi, 1);
  EXPECT_EQ(f.juni(0).Kekka, "--W");
  EXPECT_EQ(f.juni(1).Kekka, "---");
  f.program.team.TeamShumokus[0].BlockCount = 0;
  MakeTeamLeagueResults(f.program, f.e, 0);
  EXPECT_EQ(f.juni(0).Kekka, "---");
}

TEST(LeagueResultsAll, ComputesTeamAndIndividualEventsIncludingDummyTeamBlocks) {
  test::TestProgram t;
  Program& p = t.program;
  const int singles = test::addEvent(p, "女子シングルス", "単", 2);
  test::addMatch(test::addBlock(test::event(p, singles), 2), 0, 1, "0:2:10-21:11-21");
  const int none = test::addEvent(p, "女子ダブルス", "複", 2);
  test::addMatch(test::addBlock(test::event(p, none), 2), 0, 1, "2:0");
  test::event(p, none).YosenLeagueAri = 0;
  const int teamEv = test::addEvent(p, "女子団体", "団体", 4);
  test::addMatch(test::addBlock(test::event(p, teamEv), 2), 0, 1, "");
  test::addBlock(test::event(p, teamEv), 2, 21, true).Juni[1].Kekka = "stale";
  auto& team = test::addTeamEvent(p, teamEv, {"21", "21", "21"});
  test::addTie(team.Blocks[0], 0, 1, "0", "X");

  MakeAllLeagueResults(p);
  EXPECT_EQ(test::event(p, singles).YosenLeague.Blocks[0].Juni[1].PointKachi, 42);
  EXPECT_EQ(test::event(p, singles).YosenLeague.Blocks[0].Juni[1].Kekka, "W-");
  EXPECT_EQ(test::event(p, none).YosenLeague.Blocks[0].Juni[0].Kekka, "");  // no league
  const auto& teamBlocks = test::event(p, teamEv).YosenLeague.Blocks;
  EXPECT_EQ(teamBlocks[0].Juni[0].ShiaiKachi, 3);
  EXPECT_EQ(teamBlocks[0].Juni[0].GameKachi, 6);
  EXPECT_EQ(teamBlocks[0].Juni[0].PointKachi, 63);
  EXPECT_EQ(teamBlocks[0].Juni[0].Kekka, "-W");
  EXPECT_EQ(teamBlocks[1].Juni[1].Kekka, "--");  // the dummy block is cleared
}
