#include "data/TaikaiFileFixture.h"
#include "data/TaikaiHeader.h"

using namespace qv;
using qv::test::TaikaiFileTest;

TEST_F(TaikaiFileTest, HeaderOnlyReadTakesEventsAndTeamDefinitions) {
  tp.writeFile("大会.tai", {"【大会データ】", "大会名=春", "種目=男子団体,男子,団体,MT",
                            "種目=単,男子,単,MS", "【種目別参加者名簿】", "[男子団体]", "1,Ａ高,1",
                            "【申込団体別参加者名簿】", "MS,山田,,1"});
  tp.writeFile("大会.dan", {"保存時刻=2026/06/14 17:42:10", "*メモ", "", "[男子団体],MT",
                            "構成種目=第１複,第１複,D1,複,213", "構成種目=単,単,S1,単,213",
                            "区分=監督,00,1,1", "区分=選手,6,6", "団体,Ａ高", "選手,一,二",
                            "オーダー=1,,一,二,一", "ブロック=予選", "対戦=1,0,0,0,0"});
  bool ok = false;
  try {
    ok = ReadTaikaiShogen(tp.program, "大会.tai");
  } catch (const platform::ProgramEnd& end) {
    FAIL() << end.title().toStdString() << end.message().toStdString();
  }
  EXPECT_TRUE(ok);
  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.Taikai.Name, "春");
  ASSERT_EQ(p.taikai.Taikai.ShumokuCount, 2);
  EXPECT_EQ(event(0).SankashaCount, 0);
  EXPECT_EQ(event(1).SankashaCount, 0);
  ASSERT_EQ(p.team.TeamShumokuCount, 1);
  const TeamShumokuRec& team = p.team.TeamShumokus[0];
  EXPECT_EQ(team.Ryakugou, "MT");
  EXPECT_EQ(team.KouseiCount, 2);
  ASSERT_EQ(team.Kubun.Count, 2);
  EXPECT_EQ(team.Kubun.Labels[1], "11");
  EXPECT_EQ(team.Kubun.SlotCount, (std::vector<int>{1, 6}));
  EXPECT_EQ(team.TeamCount, 0);
  ASSERT_EQ(team.BlockCount, 1);
  EXPECT_EQ(team.Blocks[0].Meishou, "男子団体");
  EXPECT_EQ(team.Blocks[0].TaisenCount, 0);
  EXPECT_EQ(p.kekka.HozonJikoku, "2026/06/14 17:42:10");
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(TaikaiFileTest, HeaderOnlyReadKeepsSlotCountsAboveEight) {
  tp.writeFile("大会.tai", {"【大会データ】", "種目=男子団体,男子,団体,MT"});
  tp.writeFile("大会.dan", {"[男子団体],MT", "構成種目=単,単,S1,単,213", "区分=甲,1,5,5",
                            "区分=乙,1,5,5"});
  ASSERT_TRUE(ReadTaikaiShogen(tp.program, "大会.tai"));
  EXPECT_EQ(tp.program.team.TeamShumokus.at(0).Kubun.SlotCount, (std::vector<int>{5, 5}));
}

TEST_F(TaikaiFileTest, HeaderOnlyReadFailures) {
  struct Case {
    QStringList tai, dan;
    const char* title;
  };
  const std::vector<Case> cases = {
      {{}, {}, "大会参加者読み込み"},
      {{"大会名=X"}, {}, "Quorvaneデータではありません"},
      {{"【大会データ】", "種目=団体,男子,団体,MT"}, {"構成種目=単,単,S1,単,213"}, ""},
      {{"【大会データ】", "種目=団体,男子,団体,MT"}, {"[ない],X"}, ""},
  };
  for (const Case& c : cases) {
    tp.writeFile("大会.tai", c.tai);
    tp.writeFile("大会.dan", c.dan);
    try {
      ReadTaikaiShogen(tp.program, "大会.tai");
      ADD_FAILURE() << "no end for " << c.title;
    } catch (const platform::ProgramEnd& end) {
      if (*c.title) EXPECT_EQ(end.title(), c.title);
      else EXPECT_EQ(end.title(), tp.folder() + "大会.dan");
    }
  }
  EXPECT_FALSE(ReadTaikaiShogen(tp.program, " "));
}

TEST_F(TaikaiFileTest, HeaderOnlyReadOfAMissingFileKeepsTheOpenTournament) {
  tp.writeFile("大会.tai", {"【大会データ】", "大会名=春", "種目=単,男子,単,MS"});
  ASSERT_TRUE(ReadTaikaiShogen(tp.program, "大会.tai"));
  EXPECT_FALSE(ReadTaikaiShogen(tp.program, "ない.tai"));
  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.TaikaiFileName, "大会.tai");
  EXPECT_EQ(p.taikai.Taikai.Name, "春");
  EXPECT_EQ(p.taikai.Taikai.ShumokuCount, 1);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, tp.folder() + "ない.tai");
}
