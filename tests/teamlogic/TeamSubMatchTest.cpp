#include <gtest/gtest.h>

#include "team/TeamFixture.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {
namespace {

const QString kKiken = QStringLiteral("ｷｹﾝ");

// Teams A and B with seven line-up rows each; kinds 単, 複, ３, 単 (rows 0, 1, 3, 6).
struct Tie : test::TeamEvent {
  Tie() : TeamEvent({"単", "複", "３", "単"}) {
    a = addTeam("青葉", {"a0", "a1", "a2", "a3", "a4", "a5", "a6"});
    b = addTeam("緑川", {"b0", "b1", "b2", "b3", "b4", "b5", "b6"});
    addTie(a, b, "3", "1",
           {{"2", "0", {"21-15", "21-18"}},
            {"1", "2", {"21-19", "5-21", "19-21"}},
            {"2", "1", {"21-10", "10-21", "21-0"}},
            {"0", "2", {"11-21", "9-21"}}});
    SetTeamSubMatchRows(team, 0, out);
    out.TaisenLabel = "1";
  }
  bool get(int sub, int left, int teamEvent = 0) {
    return GetTeamSubMatch(team, teamEvent, kKiken, out, 0, sub, left, 1 - left);
  }
  const SubMatchKekkaRec& k() const { return out.SubMatchKekka; }
  int a = 0, b = 0;
};

TEST(TeamSubMatch, RowsFollowTheKindsOfTheSubMatches) {
  test::TeamEvent ev({"単", "単", "複", "３", "単"});
  SetTeamSubMatchRows(ev.team, 0, ev.out);
  EXPECT_EQ(std::vector<int>(ev.out.TeamShiaiRows.begin(), ev.out.TeamShiaiRows.begin() + 5),
            (std::vector<int>{0, 1, 2, 4, 7}));

  // The rows are the given event's; no event at the index leaves them as they were.
  test::TeamEvent other({"複", "単"});
  ev.team.TeamShumokus.push_back(other.event());
  ev.team.TeamShumokuCount = 2;
  SetTeamSubMatchRows(ev.team, 1, ev.out);
  EXPECT_EQ(std::vector<int>(ev.out.TeamShiaiRows.begin(), ev.out.TeamShiaiRows.begin() + 5),
            (std::vector<int>{0, 2, 2, 4, 7}));
  for (const int missing : {2, -1}) {
    SetTeamSubMatchRows(ev.team, missing, ev.out);
    EXPECT_EQ(ev.out.TeamShiaiRows[1], 2) << missing;
  }

  QStringList many;
  for (int i = 0; i < 30; ++i) many << "単";
  test::TeamEvent big(many);
  SetTeamSubMatchRows(big.team, 0, big.out);  // only 25 are kept
  EXPECT_EQ(big.out.TeamShiaiRows[24], 24);
}

TEST(TeamSubMatch, PlayersAndScoresOfEachKindWithEitherSideOnTheLeft) {
  struct Case {
    int sub, left;
    QStringList leftPlayers, rightPlayers;
    QString gamesLeft, gamesRight;
    QStringList scores;
  };
  const Case cases[] = {
      {0, 0, {"a0"}, {"b0"}, "2", "0", {"21-15", "21-18", ""}},
      {0, 1, {"b0"}, {"a0"}, "0", "2", {"15-21", "18-21", ""}},
      {1, 0, {"a1", "a2"}, {"b1", "b2"}, "1", "2", {"21-19", " 5-21", "19-21"}},
      {1, 1, {"b1", "b2"}, {"a1", "a2"}, "2", "1", {"19-21", "21-5", "21-19"}},
      {2, 0, {"a3", "a4", "a5"}, {"b3", "b4", "b5"}, "2", "1", {"21-10", "10-21", "21-0"}},
      {2, 1, {"b3", "b4", "b5"}, {"a3", "a4", "a5"}, "1", "2", {"10-21", "21-10", " 0-21"}},
      {3, 0, {"a6"}, {"b6"}, "0", "2", {"11-21", " 9-21", ""}},
  };
  for (const Case& c : cases) {
    Tie t;
    ASSERT_TRUE(t.get(c.sub, c.left)) << c.sub << "/" << c.left;
    const SubMatchKekkaRec& k = t.k();
    const QStringList left{k.LeftPlayer1, k.LeftPlayer2, k.LeftPlayer3};
    const QStringList right{k.RightPlayer1, k.RightPlayer2, k.RightPlayer3};
    EXPECT_EQ(left.mid(0, c.leftPlayers.size()), c.leftPlayers) << c.sub << "/" << c.left;
    EXPECT_EQ(right.mid(0, c.rightPlayers.size()), c.rightPlayers) << c.sub << "/" << c.left;
    EXPECT_EQ(k.GamesWon[0], c.gamesLeft);
    EXPECT_EQ(k.GamesWon[1], c.gamesRight);
    EXPECT_EQ(QStringList({k.Scores[0], k.Scores[1], k.Scores[2]}), c.scores) << c.sub << "/" << c.left;
    EXPECT_EQ(k.Label, "1");
    EXPECT_EQ(k.KikenSide, "");
    EXPECT_EQ(t.out.TeamTaisenCurrent, 0);
  }
}

TEST(TeamSubMatch, DoublesAfterTrioKeepsTheTrioThirdPlayers) {
  Tie t;
  ASSERT_TRUE(t.get(2, 0));
  ASSERT_TRUE(t.get(1, 0));
  EXPECT_EQ(t.k().Kind, "複");
  EXPECT_EQ(t.k().LeftPlayer3, "a5");
}

TEST(TeamSubMatch, LabelsThatNameNoTieWriteNothing) {
  for (const QString label : {"2", "abc", "0", "-1", "1.5", "", "99999999999"}) {
    Tie t;
    ASSERT_TRUE(t.get(0, 0));
    t.out.TaisenLabel = label;
    EXPECT_FALSE(t.get(3, 0)) << label.toStdString();
    EXPECT_EQ(t.k().LeftPlayer1, "a0") << label.toStdString();  // still the previous one
    EXPECT_EQ(t.out.SubMatchKekka.Label, "1");
  }
}

TEST(TeamSubMatch, UnreadableSubMatchesWriteNothing) {
  Tie t;
  ASSERT_TRUE(t.get(0, 0));
  const SubMatchKekkaRec before = t.k();
  EXPECT_FALSE(t.get(4, 0));                                          // no such definition
  EXPECT_FALSE(GetTeamSubMatch(t.team, 0, kKiken, t.out, 1, 0, 0, 1));  // no such stage
  EXPECT_FALSE(GetTeamSubMatch(t.team, 0, kKiken, t.out, 0, 0, 2, 1));  // bad side
  EXPECT_FALSE(GetTeamSubMatch(t.team, 0, kKiken, t.out, 0, -1, 0, 1));
  EXPECT_FALSE(t.get(0, 0, 1));  // no such team event
  EXPECT_FALSE(t.get(0, 0, -1));
  t.stage().Taisens[0].Shiais.resize(2);  // results shorter than the definitions
  EXPECT_FALSE(t.get(3, 0));
  t.event().Teams[static_cast<size_t>(t.b)].Orders[0].Players = QStringList{"b0", "b1"};
  EXPECT_FALSE(t.get(1, 0));  // line-up too short for the pair at rows 1-2
  EXPECT_TRUE(t.get(0, 0));
  t.stage().Taisens[0].TeamB = 7;  // no such team
  EXPECT_FALSE(t.get(0, 0));
  t.stage().Taisens[0].TeamB = t.b;
  t.stage().Taisens[0].OrderB = 3;  // no such line-up
  EXPECT_FALSE(t.get(0, 0));
  EXPECT_EQ(t.k().LeftPlayer1, before.LeftPlayer1);
  EXPECT_EQ(t.k().Scores, before.Scores);

  // The placeholder of an unfilled tie: the same team and line-up on both sides.
  Tie p;
  p.stage().Taisens[0].TeamB = p.a;
  EXPECT_FALSE(p.get(0, 0));
  EXPECT_FALSE(p.get(0, 0, 3));  // no such team event
}

TEST(TeamSubMatch, WithdrawalMarks) {
  struct Case {
    QStringList stored;
    QString gamesA, gamesB;
    int left;
    QStringList scores;
    QString gamesLeft, gamesRight, kiken;
  };
  const Case cases[] = {
      {{"21-15", "12-10x", ""}, "2", "0", 0, {"21-15", "12-10", ""}, "１", "0", "右"},
      {{"X15-21", "X0-21", ""}, "0", "2", 0, {"15-21", "", ""}, "0", "０", "左"},
      {{"21-15X", "", ""}, "1", "0", 1, {"15-21", "", ""}, "0", "０", "左"},
      {{"X5-21", "21-3X", ""}, "1", "1", 0, {" 5-21", "21-3", ""}, "０", "０", "左"},
      {{"２１－１５", "", ""}, "1", "0", 1, {"２１－１５", "", ""}, "0", "1", ""},  // full-width hyphen
      {{"21-15Ｘ", "", ""}, "1", "0", 0, {"21-15", "", ""}, "０", "0", "右"},
  };
  for (const Case& c : cases) {
    test::TeamEvent ev({"単"});
    const int a = ev.addTeam("A", {"a"});
    const int b = ev.addTeam("B", {"b"});
    ev.addTie(a, b, "1", "0", {{c.gamesA, c.gamesB, c.stored}});
    ev.out.TaisenLabel = "1";
    ASSERT_TRUE(GetTeamSubMatch(ev.team, 0, kKiken, ev.out, 0, 0, c.left, 1 - c.left));
    const SubMatchKekkaRec& k = ev.out.SubMatchKekka;
    EXPECT_EQ(QStringList({k.Scores[0], k.Scores[1], k.Scores[2]}), c.scores) << c.stored.join(",").toStdString();
    EXPECT_EQ(k.GamesWon[0], c.gamesLeft) << c.stored.join(",").toStdString();
    EXPECT_EQ(k.GamesWon[1], c.gamesRight) << c.stored.join(",").toStdString();
    EXPECT_EQ(k.KikenSide, c.kiken) << c.stored.join(",").toStdString();
    EXPECT_EQ(k.Scores[3], "");
    EXPECT_EQ(k.Scores[4], "");
  }
  // Without a withdrawal mark the scores keep their marks.
  test::TeamEvent ev({"単"});
  ev.addTie(ev.addTeam("A", {"a"}), ev.addTeam("B", {"b"}), "1", "0", {{"1", "0", {"5-3X"}}});
  ev.out.TaisenLabel = "1";
  ASSERT_TRUE(GetTeamSubMatch(ev.team, 0, QString(), ev.out, 0, 0, 0, 1));
  EXPECT_EQ(ev.out.SubMatchKekka.Scores[0], " 5-3X");
  EXPECT_EQ(ev.out.SubMatchKekka.KikenSide, "");
}

TEST(TeamSubMatch, SwapAndAlignScores) {
  struct Case {
    QString in, swapped, aligned;
  };
  const Case cases[] = {
      {"21-15", "15-21", "21-15"},  {"15X-21", "21-15X", "15X-21"}, {"5-3", "3-5", " 5-3"},
      {"-", "-", "  -"},            {"", "", ""},                   {"11-9", "9-11", "11-9"},
      {"1-2-3", "2-3-1", " 1-2-3"}, {"２１－１５", "２１－１５", "２１－１５"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SwapScore(c.in), c.swapped) << c.in.toStdString();
    EXPECT_EQ(AlignScore(c.in), c.aligned) << c.in.toStdString();
  }
}

}  // namespace
}  // namespace qv
