#include <gtest/gtest.h>

#include "data/LeagueResults.h"
#include "data/LeagueResultsFixture.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

// Kachi, Make, ShiaiKachi, ShiaiMake, GameKachi, GameMake, PointKachi, PointMake, Kekka.
struct Juni {
  float kachi, make;
  int shiaiKachi, shiaiMake, gameKachi, gameMake, pointKachi, pointMake;
  const char* kekka;
};

void expectJuni(const LeagueJuniRec& j, const Juni& x, const std::string& where) {
  SCOPED_TRACE(where);
  EXPECT_FLOAT_EQ(j.Kachi, x.kachi);
  EXPECT_FLOAT_EQ(j.Make, x.make);
  EXPECT_EQ(j.ShiaiKachi, x.shiaiKachi);
  EXPECT_EQ(j.ShiaiMake, x.shiaiMake);
  EXPECT_EQ(j.GameKachi, x.gameKachi);
  EXPECT_EQ(j.GameMake, x.gameMake);
  EXPECT_EQ(j.PointKachi, x.pointKachi);
  EXPECT_EQ(j.PointMake, x.pointMake);
  EXPECT_EQ(j.Kekka, QString::fromUtf8(x.kekka));
}

struct Block3 : test::TestProgram {
  Block3() {
    e = test::addEvent(program, "男子シングルス", "単", 3);
    test::addBlock(test::event(program, e), 3, 21);
  }
  LeagueBlockRec& block() { return test::event(program, e).YosenLeague.Blocks[0]; }
  int e = 0;
};

}  // namespace

TEST(LeagueResultsScoreSplit, SplitsScoresWithWalkoverAndRetirementMarks) {
  const struct {
    const char* score;
    int a, b;
  } cases[] = {
      {"21-15", 21, 15},      {" 21 - 19 ", 21, 19}, {"21-X", 21, 0},  {"X-21", 0, 21},
      {"X-X", 0, 0},          {"21X-3", 21, 23},     {"10X-5", 10, 21}, {"3-21X", 23, 21},
      {"5-10X", 21, 10},      {"2119", 0, 0},        {"", 0, 0},        {"Ｘ-21", 0, 21},
      {"abc-", 0, 0},         {"-", 0, 0},
  };
  for (const auto& c : cases) {
    const ScoreSplitResult r = ScoreSplit(QString::fromUtf8(c.score), 21);
    EXPECT_EQ(r.a, c.a) << c.score;
    EXPECT_EQ(r.b, c.b) << c.score;
  }
}

TEST(LeagueResultsScoreSplit, DecodesRuleCodes) {
  const struct {
    int code, points, games, toWin;
  } cases[] = {{152, 15, 2, 1}, {21330, 21, 3, 2}, {11, 11, 3, 2}, {213, 21, 3, 2}, {0, 0, 3, 2}};
  for (const auto& c : cases) {
    const LeagueRule r = DecodeLeagueRule(c.code);
    EXPECT_EQ(r.points, c.points) << c.code;
    EXPECT_EQ(r.games, c.games) << c.code;
    EXPECT_EQ(r.toWin, c.toWin) << c.code;
  }
}

// One match, slot 0 against slot 2, in a block of three with 21 points per game.
TEST(LeagueResultsStandings, OneMatchBetweenSlotZeroAndTwo) {
  const struct {
    const char* kekka;
    Juni slot0, slot2;
  } cases[] = {
      {"2:0:21-15:21-18", {1, 0, 1, 0, 2, 0, 42, 33, "--W"}, {0, 1, 0, 1, 0, 2, 33, 42, "L--"}},
      // Side A did not play: B takes a straight win's games and points.
      {"X:0", {0, 1, 0, 1, 0, 2, 0, 42, "--L"}, {1, 0, 1, 0, 2, 0, 42, 0, "W--"}},
      {"Ｘ:0", {0, 1, 0, 1, 0, 2, 0, 42, "--L"}, {1, 0, 1, 0, 2, 0, 42, 0, "W--"}},
      {"0:X", {1, 0, 1, 0, 2, 0, 42, 0, "--W"}, {0, 1, 0, 1, 0, 2, 0, 42, "L--"}},
      // Both forfeited: half a win and half a loss each, no letter.
      {"X:X", {0.5f, 0.5f, 0, 0, 0, 0, 0, 0, "---"}, {0.5f, 0.5f, 0, 0, 0, 0, 0, 0, "---"}},
      // The marks count only when the game numbers are equal.
      {"X:2:15-21:10-21", {0, 1, 0, 1, 0, 2, 25, 42, "--L"}, {1, 0, 1, 0, 2, 0, 42, 25, "W--"}},
      // Abandoned at one game each: games and points, no result.
      {"1:1:21-15:15-21", {0, 0, 0, 0, 1, 1, 36, 36, "---"}, {0, 0, 0, 0, 1, 1, 36, 36, "---"}},
      // A retirement in the third game.
      {"2:1:21-15:18-21:11-5X",
       {1, 0, 1, 0, 2, 1, 60, 41, "--W"},
       {0, 1, 0, 1, 1, 2, 41, 60, "L--"}},
      {"", {0, 0, 0, 0, 0, 0, 0, 0, "---"}, {0, 0, 0, 0, 0, 0, 0, 0, "---"}},
      {"abc", {0, 0, 0, 0, 0, 0, 0, 0, "---"}, {0, 0, 0, 0, 0, 0, 0, 0, "---"}},
  };
  for (const auto& c : cases) {
    Block3 f;
    test::addMatch(f.block(), 0, 2, QString::fromUtf8(c.kekka));
    MakeLeagueResults(f.program, f.e, 0);
    expectJuni(f.block().Juni[0], c.slot0, std::string(c.kekka) + " slot 0");
    expectJuni(f.block().Juni[2], c.slot2, std::string(c.kekka) + " slot 2");
    expectJuni(f.block().Juni[1], {0, 0, 0, 0, 0, 0, 0, 0, "---"},
               std::string(c.kekka) + " slot 1");
    EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{1, 0, 1})) << c.kekka;
  }
}

TEST(LeagueResultsStandings, HalfWinsRoundToEvenWholeMatches) {
  Block3 f;
  test::addMatch(f.block(), 0, 1, "X:X");
  MakeLeagueResults(f.program, f.e, 0);
  EXPECT_EQ(f.block().Juni[0].ShiaiKachi, 0);  // 0 + 0.5 rounds to 0

  test::addMatch(f.block(), 2, 0, "0:2");
  MakeLeagueResults(f.program, f.e, 0);
  // Forfeit first (0.5 -> 0), win second: 1; Kachi keeps the half.
  EXPECT_FLOAT_EQ(f.block().Juni[0].Kachi, 1.5f);
  EXPECT_EQ(f.block().Juni[0].ShiaiKachi, 1);

  f.block().Taisen.clear();
  f.block().TaisenIndex.clear();
  f.block().TaisenCount = 0;
  test::addMatch(f.block(), 2, 0, "0:2");
  test::addMatch(f.block(), 0, 1, "X:X");
  MakeLeagueResults(f.program, f.e, 0);
  EXPECT_EQ(f.block().Juni[0].ShiaiKachi, 2);  // 1 + 0.5 rounds to 2
  EXPECT_EQ(f.block().Juni[1].ShiaiMake, 0);
}

TEST(LeagueResultsStandings, CountsScheduledMatchesAndRecomputesFromScratch) {
  Block3 f;
  test::addMatch(f.block(), 0, 1, "", "0");  // a pairing that is no match
  test::addMatch(f.block(), 1, 2, "");       // scheduled, not played
  test::addMatch(f.block(), 0, 2, "2:0");
  test::addMatch(f.block(), 2, 0, "");       // a later undecided meeting keeps the letter
  MakeLeagueResults(f.program, f.e, 0);
  MakeLeagueResults(f.program, f.e, 0);  // a second run does not add up
  EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{2, 1, 3}));
  expectJuni(f.block().Juni[0], {1, 0, 1, 0, 2, 0, 0, 0, "--W"}, "slot 0");
  expectJuni(f.block().Juni[2], {0, 1, 0, 1, 0, 2, 0, 0, "L--"}, "slot 2");
}

TEST(LeagueResultsStandings, LeavesDummyAndMissingBlocksAndIgnoresForeignSlots) {
  Block3 f;
  test::addMatch(f.block(), 0, 7, "2:0");   // side B outside the block
  test::addMatch(f.block(), -1, 1, "2:0");
  f.block().TaisenCount = 5;                // announces more matches than it holds
  MakeLeagueResults(f.program, f.e, 0);
  for (const auto& j : f.block().Juni) EXPECT_EQ(j.GameKachi + j.GameMake, 0);
  EXPECT_EQ(f.block().SankashaShiaiSuu, (std::vector<int>{0, 0, 0}));

  MakeLeagueResults(f.program, f.e, 4);   // no such block
  MakeLeagueResults(f.program, 9, 0);     // no such event

  auto& dummy = test::addBlock(test::event(f.program, f.e), 2, 21, true);
  dummy.Juni[0].Kekka = "kept";
  MakeLeagueResults(f.program, f.e, 1);
  EXPECT_EQ(test::event(f.program, f.e).YosenLeague.Blocks[1].Juni[0].Kekka, "kept");
}

TEST(LeagueResultsStandings, UsesTheBlocksGameRule) {
  Block3 f;
  f.block().PointSuu = 152;  // 15 points, one game to win
  test::addMatch(f.block(), 0, 1, "0:X");
  test::addMatch(f.block(), 1, 2, "1:0:15-13");
  MakeLeagueResults(f.program, f.e, 0);
  expectJuni(f.block().Juni[0], {1, 0, 1, 0, 1, 0, 15, 0, "-W-"}, "slot 0");
  expectJuni(f.block().Juni[1], {1, 1, 1, 1, 1, 1, 15, 28, "L-W"}, "slot 1");
}
