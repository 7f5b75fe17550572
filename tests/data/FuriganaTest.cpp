#include <gtest/gtest.h>

#include "data/Furigana.h"
#include "data/TeamFile.h"
#include "data/TeamModel.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;
using qv::test::TestProgram;

namespace {

struct EntrySpec {
  const char* name;
  const char* subText;
};

void addEvent(Program& p, const char* kind, std::initializer_list<EntrySpec> entries) {
  ShumokuRec ev;
  ev.Name = QString::fromUtf8(kind);
  ev.Shubetsu = QString::fromUtf8(kind);
  for (const EntrySpec& e : entries) {
    SankashaRec s;
    s.Name = QString::fromUtf8(e.name);
    s.SubText = QString::fromUtf8(e.subText);
    ev.Sankasha.push_back(s);
  }
  ev.SankashaCount = static_cast<int>(ev.Sankasha.size());
  p.taikai.Taikai.Shumoku.push_back(ev);
  p.taikai.Taikai.ShumokuCount = static_cast<int>(p.taikai.Taikai.Shumoku.size());
}

// A team event with one division: a team with members and readings, and a team that the
// team file never listed (no member lists).
void addTeamEvent(Program& p) {
  TeamShumokuRec ev;
  ev.Meishou = QStringLiteral("団体");
  ev.Kubun.Count = 1;
  ev.Kubun.Names = {QStringLiteral("選手")};
  TeamSankashaRec team;
  team.TeamName = QStringLiteral("東高");
  TeamKubunMemberRec m;
  m.Count = 3;
  m.Names = {"山田太郎", "鈴木一郎②", "佐藤", "山田太郎"};  // the fourth is past Count
  m.Furiganas = {"", "すでに", "", ""};
  m.Fukas = {"", "", "", ""};
  team.Members.push_back(m);
  ev.Teams.push_back(team);
  ev.Teams.push_back(TeamSankashaRec{});
  ev.Teams.back().TeamName = QStringLiteral("西高");
  p.team.TeamShumokus.push_back(ev);
  p.team.TeamShumokuCount = 1;
}

Program& setUp(TestProgram& tp) {
  Program& p = tp.program;
  p.taikai.DataFolder = tp.folder();
  p.taikai.TaikaiFileName = QStringLiteral("春季大会.tai");
  addEvent(p, "単", {{"山田太郎,Ａ高", ""}, {"鈴木一郎,Ｂ高", "いちろう,メモ"}, {"佐藤,Ｃ高", ""}, {"", ""}});
  addEvent(p, "複", {{"山田太郎,鈴木一郎,A高,B高", ",すずきいちろう"},
                     {"佐藤", ""},
                     {"鈴木一郎⑦,山田太郎①", "x,y,z"}});
  addEvent(p, "３人", {{"山田太郎,鈴木一郎,佐藤,A,B,C", ""}});
  addEvent(p, "団体", {{"東高", ""}});
  addTeamEvent(p);
  return p;
}

}  // namespace

TEST(ReadFuriganaFile, FillsOnlyTheGaps) {
  TestProgram tp;
  Program& p = setUp(tp);
  tp.writeFile("春季大会.kan", {"山田太郎,やまだたろう,メモ", "鈴木一郎,すずきいちろう",
                                "山田太郎,やまだ２", "名前だけ", "", "鈴木一郎⑦,すずき７"});
  ReadFuriganaFile(p);
  EXPECT_TRUE(tp.messages.shown.empty());

  const auto& singles = p.taikai.Taikai.Shumoku[0].Sankasha;
  EXPECT_EQ(singles[0].SubText, "やまだたろう");  // first row wins, third piece ignored
  EXPECT_EQ(singles[1].SubText, "いちろう");      // given readings stay; the rest is dropped
  EXPECT_EQ(singles[2].SubText, "");              // no row for 佐藤
  EXPECT_EQ(singles[3].SubText, "");
  const auto& doubles = p.taikai.Taikai.Shumoku[1].Sankasha;
  EXPECT_EQ(doubles[0].SubText, "やまだたろう,すずきいちろう");
  EXPECT_EQ(doubles[1].SubText, ",");  // one name only: the partner has no reading
  EXPECT_EQ(doubles[2].SubText, "x,y");
  EXPECT_EQ(p.taikai.Taikai.Shumoku[2].Sankasha[0].SubText, "");  // trios are left alone
  EXPECT_EQ(p.taikai.Taikai.Shumoku[3].Sankasha[0].SubText, "");

  const TeamKubunMemberRec& m = p.team.TeamShumokus[0].Teams[0].Members[0];
  EXPECT_EQ(m.Furiganas, (QStringList{"やまだたろう", "すでに", "", ""}));
  EXPECT_TRUE(p.team.TeamShumokus[0].Teams[1].Members.empty());
}

TEST(ReadFuriganaFile, NoKanaFileChangesNothing) {
  TestProgram tp;
  Program& p = setUp(tp);
  ReadFuriganaFile(p);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(p.taikai.Taikai.Shumoku[0].Sankasha[1].SubText, "いちろう,メモ");
  EXPECT_EQ(p.taikai.Taikai.Shumoku[1].Sankasha[0].SubText, ",すずきいちろう");
  EXPECT_EQ(p.team.TeamShumokus[0].Teams[0].Members[0].Furiganas,
            (QStringList{"", "すでに", "", ""}));
}

TEST(GetFurigana, CircledDigitsOneToSix) {
  const std::vector<StrPairRec> rows = {{"山田太郎", "やまだ"}, {"山田太郎⑦", "やまだ７"},
                                        {"①", "まる"}, {"", "から"}};
  struct Case {
    const char* name;
    const char* reading;
  };
  const Case cases[] = {{"山田太郎", "やまだ"}, {"山田太郎②", "やまだ"}, {"山田太郎⑥", "やまだ"},
                        {"山田太郎⑦", "やまだ７"}, {"山田太郎①①", ""}, {"山田 太郎", ""},
                        {"①", "から"}, {"不明", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetFurigana(rows, QString::fromUtf8(c.name)), QString::fromUtf8(c.reading)) << c.name;
  }
  EXPECT_EQ(GetFurigana({}, QStringLiteral("山田太郎")), "");
}

// The sample tournament's kana file over the members its team file gave.
TEST(ReadFuriganaFile, SampleFillsEntriesAndTeamMembers) {
  TestProgram tp;
  Program& p = tp.program;
  p.taikai.DataFolder = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/");
  p.taikai.TaikaiFileName = QStringLiteral("青葉市民大会.tai");
  addEvent(p, "単", {{"池田 陽向,青葉北高校", ""}, {"阿部 海斗,青葉北高校", "あべ かいと"}});
  TeamShumokuRec ev;
  ev.Meishou = QStringLiteral("一般男子団体");
  for (const char* name : {"青葉クラブＡ", "若草ＢＣ", "緑川シャトル会", "東町クラブ", "青葉クラブＢ", "桜台ＳＣ"}) {
    ev.Teams.push_back(TeamSankashaRec{});
    ev.Teams.back().TeamName = QString::fromUtf8(name);
  }
  ev.TeamCount = 6;
  p.team.TeamShumokus.push_back(ev);
  p.team.TeamShumokuCount = 1;
  ReadTeamFile(p);
  ReadFuriganaFile(p);
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(p.taikai.Taikai.Shumoku[0].Sankasha[0].SubText, "いけだ ひなた");
  EXPECT_EQ(p.taikai.Taikai.Shumoku[0].Sankasha[1].SubText, "あべ かいと");
  const auto& teams = p.team.TeamShumokus[0].Teams;
  EXPECT_EQ(teams[1].Members.at(1).Names.value(4), "増田 剛");
  EXPECT_EQ(teams[1].Members.at(1).Furiganas.value(4), "ますだ つよし");
  EXPECT_EQ(teams[5].Members.at(1).Furiganas.value(3), "みやもと けい");  // from the team file
}
