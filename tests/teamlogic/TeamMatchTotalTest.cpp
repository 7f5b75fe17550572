#include <gtest/gtest.h>

#include "team/TeamFixture.h"
#include "teamlogic/TeamMatchTotal.h"

namespace qv {

void PrintTo(const TeamMatchTotal& t, std::ostream* os) {
  *os << QStringList{t.SubMatchesA, t.GamesA, t.PointsA, t.SubMatchesB, t.GamesB, t.PointsB}
             .join("|")
             .toStdString();
}

namespace {

const QString kKiken = QStringLiteral("ｷｹﾝ");

struct Totals : test::TeamEvent {
  explicit Totals(const QStringList& rules)
      : TeamEvent(QStringList(rules.size(), QStringLiteral("単")), rules) {
    QStringList players;
    for (qsizetype i = 0; i < rules.size(); ++i) players << QString("p%1").arg(i);
    a = addTeam("A", players);
    b = addTeam("B", players);
  }
  TeamMatchTotal total(int match = 1, const QString& label = "1") {
    return GetTeamMatchTotal(team, 0, kKiken, out, 0, match, label);
  }
  int a = 0, b = 0;
};

TEST(TeamMatchTotal, PlayedForfeitedAndUnplayedTies) {
  struct Case {
    const char* what;
    QStringList rules;
    QString kekkaA, kekkaB;
    std::vector<test::SubResult> results;
    TeamMatchTotal expected;
  };
  const Case cases[] = {
      {"played", {"21", "21"}, "2", "0",
       {{"2", "0", {"21-15", "21-18"}}, {"2", "1", {"21-19", "5-21", "21-9"}}},
       {"2", "4", "89", "0", "1", "82"}},
      {"walkover to A", {"21"}, "1", "0", {{"", "X", {"21-0"}}}, {"1", "2", "42", "0", "0", "0"}},
      {"walkover to B, five games", {"155"}, "0", "1", {{"Ｘ", "", {}}},
       {"0", "0", "0", "1", "3", "45"}},
      {"both absent", {"21"}, "0", "0", {{"X", "X", {"21-0"}}}, {"0", "", "", "0", "", ""}},
      {"forfeited tie", {"21", "21"}, "Ｘ", "2", {}, {"Ｘ", "", "", "2", "", ""}},
      {"unplayed", {"21", "21"}, "", "", {}, {"", "", "", "", "", ""}},
      {"retired in a game", {"21"}, "1", "0", {{"1", "1", {"X10-5", "21-15"}}},
       {"1", "1", "31", "0", "0", "20"}},
      {"scores without hyphen or number", {"21"}, "1", "0", {{"1", "0", {"21", "ab-3", ""}}},
       {"1", "1", "0", "0", "0", "3"}},
      {"rule that is no number", {"?"}, "1", "0", {{"", "X", {}}}, {"1", "2", "", "0", "0", ""}},
  };
  for (const Case& c : cases) {
    Totals t(c.rules);
    t.addTie(t.a, t.b, c.kekkaA, c.kekkaB, c.results);
    EXPECT_EQ(t.total(), c.expected) << c.what;
    EXPECT_EQ(t.out.TaisenLabel, "1") << c.what;
  }
}

TEST(TeamMatchTotal, MarksLeftInTheScoresCountAsWithdrawals) {
  struct Case {
    QString score;
    QString pointsA, pointsB;
  };
  const Case cases[] = {{"X10-5", "10", "21"}, {"X21-20", "21", "23"}, {"17-X", "21", ""},
                        {"5-21x", "23", "21"}};
  for (const Case& c : cases) {
    Totals t({"21"});
    t.addTie(t.a, t.b, "1", "0", {{"1", "0", {c.score}}});
    // Without a withdrawal mark the extraction leaves the marks in the scores.
    const TeamMatchTotal r = GetTeamMatchTotal(t.team, 0, QString(), t.out, 0, 1, "1");
    EXPECT_EQ(r.PointsA, c.pointsA.isEmpty() ? "21" : c.pointsA) << c.score.toStdString();
    EXPECT_EQ(r.PointsB, c.pointsB.isEmpty() ? "0" : c.pointsB) << c.score.toStdString();
  }
}

TEST(TeamMatchTotal, NoStageOrTieGivesEmptyTexts) {
  Totals t({"21"});
  t.addTie(t.a, t.b, "1", "0", {{"2", "0", {"21-1", "21-2"}}});
  t.out.TaisenLabel = "keep";
  EXPECT_EQ(GetTeamMatchTotal(t.team, 0, kKiken, t.out, -1, 1, "1"), TeamMatchTotal{});
  EXPECT_EQ(t.out.TaisenLabel, "keep");
  EXPECT_EQ(t.total(2, "2"), TeamMatchTotal{});
  EXPECT_EQ(GetTeamMatchTotal(t.team, 0, kKiken, t.out, 3, 1, "1"), TeamMatchTotal{});
  ASSERT_NE(t.total(), TeamMatchTotal{});
  for (const int missing : {1, -1})  // no such team event
    EXPECT_EQ(GetTeamMatchTotal(t.team, missing, kKiken, t.out, 0, 1, "1"), TeamMatchTotal{})
        << missing;
}

// The tie is the one the match number names, whatever label it prints under.
TEST(TeamMatchTotal, LabelOtherThanTheNumber) {
  Totals t({"21"});
  t.addTie(t.a, t.b, "1", "0", {{"2", "0", {"21-1", "21-2"}}});
  t.addTie(t.a, t.b, "0", "1", {{"0", "2", {"3-21", "4-21"}}});
  EXPECT_EQ(t.total(2, "4"), (TeamMatchTotal{"0", "0", "7", "1", "2", "42"}));
  EXPECT_EQ(t.out.TaisenLabel, "4");
  EXPECT_EQ(t.total(1, "2").PointsA, "42");
}

// A sub-match that cannot be read counts as not played: the previous tie's sub-match left
// in the shared record is never counted for this one.
TEST(TeamMatchTotal, UnreadableSubMatchesAreNotPlayed) {
  Totals t({"21", "21"});
  t.addTie(t.a, t.b, "2", "0", {{"2", "0", {"21-1", "21-2"}}, {"2", "0", {"21-3", "21-4"}}});
  t.addTie(t.a, t.b, "1", "0", {{"2", "0", {"21-5", "21-6"}}, {"2", "0", {"21-7", "21-8"}}});
  EXPECT_EQ(t.total(1, "1").PointsB, "10");
  t.event().Teams[static_cast<size_t>(t.b)].Orders[0].Players = QStringList{"p0"};  // no row 1
  t.stage().Taisens[1].Shiais.resize(1);
  const TeamMatchTotal r = t.total(2, "2");
  EXPECT_EQ(r.GamesA, "2");
  EXPECT_EQ(r.PointsA, "42");
  EXPECT_EQ(r.PointsB, "11");
  // The placeholder of an unfilled tie: stored counts only.
  t.stage().Taisens[1].TeamB = t.a;
  EXPECT_EQ(t.total(2, "2"), (TeamMatchTotal{"1", "", "", "0", "", ""}));
}

}  // namespace
}  // namespace qv
