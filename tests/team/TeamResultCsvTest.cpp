#include <gtest/gtest.h>

#include "TeamFixture.h"
#include "support/TestProgram.h"
#include "team/TeamResultCsv.h"

using namespace qv;
using namespace qv::test;

namespace {

const QString kTitle = QStringLiteral("市民大会　　令和７年６月１日　　市体育館");
const QString kSummaryHeader = QStringLiteral("種目,試合番号,チーム１,勝敗,チーム２");
const QString kDetailHeader =
    QStringLiteral("種目,試合番号,チーム１,勝敗,チーム２,構成種目,選手１,ゲーム,ポイント,選手２");

// One team event "男子団体" with a doubles, a singles and a three-player sub-match, and two
// teams whose line-ups hold six players each.
class TeamResultCsvTest : public ::testing::Test {
 protected:
  TeamResultCsvTest() : ev({"複", "単", "３"}) {
    ev.event().Meishou = QStringLiteral("男子団体");
    const QStringList names{"第１複", "単", "三"};
    for (int i = 0; i < 3; ++i) ev.event().Kousei[i].Meishou = names[i];
    a = ev.addTeam("青葉 クラブ", {"a1", "a2", "a3", "a4", "a5", "a6"});
    b = ev.addTeam("若草ＢＣ", {"b1", "b2", "b3", "b4", "b5", "b6"});
    TaikaiRec& t = tp.program.taikai.Taikai;
    t.Name = QStringLiteral("市民大会");
    t.KaisaiBi = QStringLiteral("2025.06.01");
    t.Kaijou = QStringLiteral("市体育館");
  }

  TeamResultCsvLines run() {
    tp.program.team = ev.team;
    return MakeTeamResultCsv(tp.program, tp.program.teamOutput);
  }

  TestProgram tp;
  TeamEvent ev;
  int a = 0;
  int b = 0;
};

}  // namespace

TEST_F(TeamResultCsvTest, WritesTitleHeaderSummaryAndOneDetailRowPerSubMatch) {
  ev.addTie(a, b, "3", "2",
            {{"2", "0", {"21-15", "21-18"}}, {"1", "2", {"21-19", "17-21", "18-21"}},
             {"0", "2", {"5-21", "3-21"}}});
  const TeamResultCsvLines csv = run();
  EXPECT_EQ(csv.summary, QStringList({kTitle, kSummaryHeader, "男子団体,１,青葉クラブ,3-2,若草ＢＣ"}));
  EXPECT_EQ(csv.detail,
            QStringList({kTitle, kDetailHeader,
                         "男子団体,１,青葉クラブ,3-2,若草ＢＣ,第１複,a1:a2,2-0,21-15:21-18,b1:b2",
                         ",,,,,単,a3,1-2,21-19:17-21:18-21,b3", ",,,,,三,a4,0-2,5-21:3-21,b4"}));
}

TEST_F(TeamResultCsvTest, TheWinnerGoesLeftWithItsPlayersAndGamesFirst) {
  struct Case {
    QString kekkaA, kekkaB;
    bool sideALeft;
    QString result;
  };
  const Case cases[] = {
      {"3", "2", true, "3-2"},   {"2", "3", false, "3-2"},   {"2", "2", false, "2-2"},
      {"Ｘ", "", false, "-X"},   {"", "Ｘ", true, "-X"},     {"Ｘ", "Ｘ", true, "X-X"},
      {"", "", true, "-"},       {"10", "9", true, "10-9"},  {"9", "10", false, "10-9"},
      {"１０", "９", true, "10-9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.kekkaA + " / " + c.kekkaB).toStdString());
    ev.stage().Taisens.clear();
    ev.addTie(a, b, c.kekkaA, c.kekkaB, {{"2", "1", {"21-15", "15-21", "21-19"}}});
    const TeamResultCsvLines csv = run();
    const QString tie = c.sideALeft ? "男子団体,１,青葉クラブ," + c.result + ",若草ＢＣ"
                                    : "男子団体,１,若草ＢＣ," + c.result + ",青葉クラブ";
    const QString sub = c.sideALeft ? ",第１複,a1:a2,2-1,21-15:15-21:21-19,b1:b2"
                                    : ",第１複,b1:b2,1-2,15-21:21-15:19-21,a1:a2";
    ASSERT_EQ(csv.summary.size(), 3);
    EXPECT_EQ(csv.summary[2], tie);
    ASSERT_EQ(csv.detail.size(), 5);
    EXPECT_EQ(csv.detail[2], tie + sub);
  }
}

TEST_F(TeamResultCsvTest, UnfilledUnplayedAndUnreadableTies) {
  const int c = ev.addTeam("東町", {});
  ev.addTie(a, a, "", "");                                 // a pairing not filled in: no rows
  ev.addTie(b, a, "", "");                                 // not played yet
  ev.addTie(c, b, "", "");                                 // no line-up for one side
  const TeamResultCsvLines csv = run();
  EXPECT_EQ(csv.summary.mid(2), QStringList({"男子団体,２,若草ＢＣ,-,青葉クラブ", "男子団体,３,東町,-,若草ＢＣ"}));
  EXPECT_EQ(csv.detail.mid(2),
            QStringList({"男子団体,２,若草ＢＣ,-,青葉クラブ,第１複,b1:b2,-,,a1:a2", ",,,,,単,b3,-,,a3",
                         ",,,,,三,b4,-,,a4", "男子団体,３,東町,-,若草ＢＣ,第１複,,-,,",
                         ",,,,,単,,-,,", ",,,,,三,,-,,"}));
}

TEST_F(TeamResultCsvTest, EventWithoutSubMatchDefinitionsHasSummaryRowsOnly) {
  ev.event().KouseiCount = 0;
  ev.event().Kousei.clear();
  ev.addTie(a, b, "3", "0");
  const TeamResultCsvLines csv = run();
  EXPECT_EQ(csv.summary.mid(2), QStringList({"男子団体,１,青葉クラブ,3-0,若草ＢＣ"}));
  EXPECT_EQ(csv.detail, QStringList({kTitle, kDetailHeader}));
}

TEST_F(TeamResultCsvTest, CommasInNamesAreWrittenFullWidthSoColumnsHold) {
  ev.event().Teams[a].TeamName = QStringLiteral("青葉,クラブ");
  ev.event().Teams[b].Orders[0].Players[2] = QStringLiteral("佐藤,健");
  tp.program.taikai.Taikai.Name = QStringLiteral("市民,大会");
  ev.addTie(a, b, "1", "2", {{}, {"0", "2", {"10-21", "12-21"}}});
  const TeamResultCsvLines csv = run();
  EXPECT_EQ(csv.summary[0], "市民，大会　　令和７年６月１日　　市体育館");
  EXPECT_EQ(csv.summary[2], "男子団体,１,若草ＢＣ,2-1,青葉，クラブ");
  EXPECT_EQ(csv.detail[3], ",,,,,単,佐藤，健,2-0,21-10:21-12,a3");
  for (const QString& row : csv.detail.mid(2)) EXPECT_EQ(row.count(QLatin1Char(',')), 9) << row.toStdString();
}

TEST_F(TeamResultCsvTest, LabelsComeFromThePairedEventsLeagueBlocksAndKnockOut) {
  // The team event is the tournament's second event: labels must not be read from the first.
  TaikaiRec& t = tp.program.taikai.Taikai;
  t.Shumoku.resize(2);
  t.ShumokuCount = 2;
  ShumokuRec& e = t.Shumoku[1];
  e.TeamShumokuIndex = 0;
  ev.event().ShumokuIndex = 1;
  e.YosenLeagueAri = 1;
  e.YosenLeague.BlockCount = 2;
  e.YosenLeague.Blocks.resize(2);
  for (int k = 0; k < 2; ++k) {
    LeagueBlockRec& blk = e.YosenLeague.Blocks[k];
    blk.Name = k == 0 ? "A" : "B";
    blk.TaisenCount = 2;
    blk.Taisen.resize(2);
    blk.Taisen[0].ShiaiBangouHyouji = QString::number(5 + 10 * k);
    blk.Taisen[1].ShiaiBangouHyouji = QString::number(6 + 10 * k);
    blk.TaisenIndex = {1, 0, 7};  // the third entry points past the block's matches
  }
  e.TournamentCount = 1;
  e.Tournaments.resize(1);
  TournamentRec& draw = e.Tournaments[0];
  draw.Taisens.resize(4);
  draw.Taisens[1].ShiaiBangouHyouji = "K3";
  draw.Taisens[2].ShiaiBangouHyouji = "K1";
  draw.ShiaiJunNode = {0, 2, 9, 1};  // match 2 names a node that does not exist
  tp.program.team = ev.team;

  struct Case {
    int stage, tie;
    QString label;
  };
  const Case cases[] = {
      {0, 0, "A-6"}, {0, 1, "A-5"}, {1, 0, "B-16"}, {0, 2, "3"}, {0, 5, "6"},
      {2, 0, "K1"},  {2, 1, "2"},   {2, 2, "K3"},   {2, 3, "4"}, {3, 0, "K1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TeamResultTaisenLabel(tp.program, 0, c.stage, c.tie), c.label)
        << c.stage << "/" << c.tie;
  }

  // Without the pairing, or without a preliminary league, a tie is labelled by its number.
  e.TeamShumokuIndex = -1;
  EXPECT_EQ(TeamResultTaisenLabel(tp.program, 0, 0, 1), "2");
  e.TeamShumokuIndex = 0;
  e.YosenLeagueAri = 0;
  EXPECT_EQ(TeamResultTaisenLabel(tp.program, 0, 0, 1), "2");
  EXPECT_EQ(TeamResultTaisenLabel(tp.program, 5, 0, 1), "2");

  // Written in full width, hyphen included.
  e.YosenLeagueAri = 1;
  ev.addTie(a, b, "3", "0");
  ev.event().ShumokuIndex = 1;
  EXPECT_EQ(run().summary[2], "男子団体,Ａ－６,青葉クラブ,3-0,若草ＢＣ");
}

TEST(TeamResultCsvFiles, NamesFollowTheDataFile) {
  EXPECT_EQ(TeamResultDetailFileName("abc.tai"), "abc団体戦明細結果.csv");
  EXPECT_EQ(TeamResultSummaryFileName("abc.tai"), "abc団体戦結果.csv");
  EXPECT_EQ(TeamResultDetailFileName("ab"), "団体戦明細結果.csv");
  EXPECT_EQ(TeamResultSummaryFileName(""), "団体戦結果.csv");
}
