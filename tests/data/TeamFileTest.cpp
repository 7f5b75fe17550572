#include <gtest/gtest.h>

#include <optional>

#include <QFile>

#include "data/TeamFile.h"
#include "data/TeamModel.h"
#include "platform/ProgramEnd.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;
using qv::test::TestProgram;

namespace {

// A tournament "大会.tai" in the temp folder with team events as the entry lists leave
// them: names, sex class and teams, nothing from the team file yet.
struct TeamFixture {
  TestProgram tp;

  TeamFixture() {
    tp.program.taikai.DataFolder = tp.folder();
    tp.program.taikai.TaikaiFileName = QStringLiteral("大会.tai");
    addEvent("一般男子団体", {"東高", "西高", "ＡＢＣ"});
    addEvent("一般女子団体", {"南高"});
  }

  void addEvent(const QString& name, const QStringList& teams) {
    TeamShumokuRec ev;
    ev.Meishou = name;
    ev.Seibetsu = QStringLiteral("男子");
    for (const QString& t : teams) {
      TeamSankashaRec team;
      team.TeamName = t;
      ev.Teams.push_back(team);
    }
    ev.TeamCount = static_cast<int>(ev.Teams.size());
    auto& team = tp.program.team;
    team.TeamShumokus.push_back(ev);
    team.TeamShumokuCount = static_cast<int>(team.TeamShumokus.size());
  }

  // Writes 大会.dan and reads it; the ProgramEnd it threw, if any.
  std::optional<platform::ProgramEnd> read(const QStringList& lines) {
    tp.writeFile(QStringLiteral("大会.dan"), lines);
    try {
      ReadTeamFile(tp.program);
    } catch (const platform::ProgramEnd& end) {
      return end;
    }
    return std::nullopt;
  }

  QString danPath() const { return tp.folder() + QStringLiteral("大会.dan"); }
  TeamShumokuRec& ev(int i = 0) {
    return tp.program.team.TeamShumokus.at(static_cast<std::size_t>(i));
  }
};

// The head of a section: three sub-matches, a manager and a player division.
const QStringList kHead = {
    "[一般男子団体],MT",
    "構成種目=第１ダブルス,第１複,D1,複,213",
    "構成種目=シングルス,単,S1,単,213",
    "構成種目=第２ダブルス,第２複,D2,複,213",
    "区分=監督,000,1,1",
    "区分=選手,7,7",
};

}  // namespace

TEST(ReadTeamFile, ReadsDefinitionsMembersLineUpsAndTies) {
  TeamFixture f;
  f.tp.program.kekka.HozonJikoku = "old";
  ASSERT_FALSE(f.read(QStringList{"保存時刻=2026/06/14 17:42:10", "", "*comment"} + kHead +
                      QStringList{
                          "団体,東高",
                          "監督,大森",
                          "選手,山口 蓮@1,森 浩二２, 内田 康弘＠ ３ ,,12",
                          "ふりがな,やまぐち,もり,うちだ,,,余り",
                          "選手,宮本 圭,安藤",
                          "ふりがな,みやもと",
                          "付加,主将,副,余り",
                          "オーダー=1,メモ,山口 蓮,森 浩二,内田 康弘,宮本 圭,安藤",
                          "オーダー=-2,,安藤",
                          "団体,西高",
                          "選手,佐藤",
                          "オーダー=1,,佐藤",
                          "オーダー=2,,佐藤",
                          "ブロック= Ａブロック ",
                          "対戦=1,0,0,1,0,2,1,2:0:21-15:21-18:::,1:2:21-19:17-21:18-21::,,"
                          "x1,y1,5,x2,y2,z,x3",
                          "ブロック=Ｂブロック",
                          "対戦=2,1,1,0,1,Ｘ,,2:1",
                      }));
  EXPECT_TRUE(f.tp.messages.shown.empty());
  Program& p = f.tp.program;
  EXPECT_EQ(p.kekka.HozonJikoku, "2026/06/14 17:42:10");
  EXPECT_TRUE(p.team.TeamFileRead);

  TeamShumokuRec& ev = f.ev();
  EXPECT_EQ(ev.Ryakugou, "MT");
  ASSERT_EQ(ev.KouseiCount, 3);
  const KouseiShumokuRec& k1 = ev.Kousei[1];
  EXPECT_EQ(k1.Meishou, "シングルス");
  EXPECT_EQ(k1.Hyouji, "単");
  EXPECT_EQ(k1.Text3, "S1");
  EXPECT_EQ(k1.Kind, "単");
  EXPECT_EQ(k1.Rule, "213");
  EXPECT_EQ(k1.Index, 1);
  ASSERT_EQ(ev.Kubun.Count, 2);
  EXPECT_EQ(ev.Kubun.Names, (QStringList{"監督", "選手"}));
  EXPECT_EQ(ev.Kubun.Labels, (QStringList{"000", "111"}));  // three fields: plays every sub-match
  EXPECT_EQ(ev.Kubun.MaxCount, (std::vector<int>{1, 7}));
  EXPECT_EQ(ev.Kubun.MaxCount2, (std::vector<int>{1, 7}));
  EXPECT_EQ(ev.Kubun.SlotCount, (std::vector<int>{1, 7}));

  const TeamSankashaRec& east = ev.Teams[0];
  EXPECT_EQ(east.KubunCount, 2);
  ASSERT_EQ(east.Members.size(), 2u);
  EXPECT_EQ(east.Members[0].Names, (QStringList{"大森"}));
  const TeamKubunMemberRec& players = east.Members[1];
  EXPECT_EQ(players.Count, 7);
  EXPECT_EQ(players.LineStart, 5);
  EXPECT_EQ(players.Names,
            (QStringList{"山口 蓮", "森 浩二", "内田 康弘", "", "12", "宮本 圭", "安藤"}));
  EXPECT_EQ(players.Fukas, (QStringList{"1", "2", "3", "", "", "主将", "副"}));
  // Readings reach only the members of their own member line.
  EXPECT_EQ(players.Furiganas, (QStringList{"やまぐち", "もり", "うちだ", "", "", "みやもと", ""}));
  EXPECT_EQ(east.MemberCount, 7);  // over both divisions; the empty entry is no member
  ASSERT_EQ(east.OrderCount, 2);
  EXPECT_EQ(east.Orders[0].OrderNo, 1);
  EXPECT_EQ(east.Orders[0].OrderText, "メモ");
  EXPECT_EQ(east.Orders[0].Players,
            (QStringList{"山口 蓮", "森 浩二", "内田 康弘", "宮本 圭", "安藤"}));
  EXPECT_EQ(east.Orders[1].OrderNo, -2);

  ASSERT_EQ(ev.BlockCount, 2);
  EXPECT_EQ(ev.Blocks[0].Meishou, "Ａブロック");
  ASSERT_EQ(ev.Blocks[0].TaisenCount, 1);
  const TeamTaisenRec& t = ev.Blocks[0].Taisens[0];
  EXPECT_EQ(t.TeamA, 0);
  EXPECT_EQ(t.OrderA, 0);
  EXPECT_EQ(t.TeamB, 1);
  EXPECT_EQ(t.OrderB, 0);
  EXPECT_EQ(t.KekkaA, "2");
  EXPECT_EQ(t.KekkaB, "1");
  ASSERT_EQ(t.ShiaiCount, 3);
  EXPECT_EQ(t.Shiais[0].GameCount, (std::array<QString, 2>{"2", "0"}));
  EXPECT_EQ(t.Shiais[0].Scores, (std::array<QString, 5>{"21-15", "21-18", "", "", ""}));
  EXPECT_EQ(t.Shiais[1].Scores, (std::array<QString, 5>{"21-19", "17-21", "18-21", "", ""}));
  EXPECT_EQ(t.Shiais[2].GameCount, (std::array<QString, 2>{"", ""}));
  EXPECT_EQ(t.Shiais[0].ExtraText1, "x1");
  EXPECT_EQ(t.Shiais[0].ExtraText2, "y1");
  EXPECT_EQ(t.Shiais[0].ExtraValue, 5);
  EXPECT_EQ(t.Shiais[1].ExtraText2, "y2");
  EXPECT_EQ(t.Shiais[1].ExtraValue, 0);  // not numeric
  EXPECT_EQ(t.Shiais[2].ExtraText1, "x3");
  // |-2| matches tie 2; a tie with fewer sub-match fields leaves the rest empty.
  const TeamTaisenRec& t2 = ev.Blocks[1].Taisens.at(0);
  EXPECT_EQ(t2.KekkaA, "Ｘ");
  EXPECT_EQ(t2.Shiais[0].GameCount, (std::array<QString, 2>{"2", "1"}));
  EXPECT_EQ(t2.Shiais[1].GameCount, (std::array<QString, 2>{"", ""}));

  // The event without a section gets its one stage named after itself.
  ASSERT_EQ(f.ev(1).BlockCount, 1);
  EXPECT_EQ(f.ev(1).Blocks[0].Meishou, "一般女子団体");
  EXPECT_TRUE(f.ev(1).Blocks[0].Taisens.empty());
}

TEST(ReadTeamFile, MissingFileChangesNothing) {
  TeamFixture f;
  f.tp.program.kekka.HozonJikoku = "2026/01/01 00:00:00";
  ReadTeamFile(f.tp.program);
  EXPECT_EQ(f.tp.program.kekka.HozonJikoku, "2026/01/01 00:00:00");
  EXPECT_EQ(f.ev().BlockCount, 0);
  EXPECT_TRUE(f.tp.messages.shown.empty());
}

TEST(ReadTeamFile, EmptyAndDamagedFiles) {
  {
    TeamFixture f;
    f.tp.program.kekka.HozonJikoku = "old";
    ASSERT_FALSE(f.read({}));
    EXPECT_TRUE(f.tp.messages.shown.empty());
    EXPECT_EQ(f.tp.program.kekka.HozonJikoku, "");
    EXPECT_EQ(f.ev().BlockCount, 1);
  }
  {
    // Bytes that are not CP932 and a last line cut off inside a character.
    TeamFixture f;
    f.tp.writeFile(QStringLiteral("大会.dan"), kHead + QStringList{"団体,東高"});
    QFile file(f.danPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\x91\x49\x8e\xe8,\xff\xfe\x82");
    file.close();
    ReadTeamFile(f.tp.program);
    // One warning names the file and the damaged line; the file still reads.
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].title, f.danPath());
    EXPECT_TRUE(f.tp.messages.shown[0].text.startsWith(QStringLiteral("%1行目: ").arg(kHead.size() + 2)))
        << f.tp.messages.shown[0].text.toStdString();
    const TeamKubunMemberRec& players = f.ev().Teams[0].Members.at(1);
    EXPECT_EQ(players.Count, 1);
    EXPECT_TRUE(players.Names[0].contains(QChar(0xFFFD)));
  }
}

TEST(ReadTeamFile, EndMarkSecondSectionAndWidthOfTeamNames) {
  TeamFixture f;
  ASSERT_FALSE(f.read(kHead + QStringList{
                                  "団体,ABC",  // half width matches "ＡＢＣ"
                                  "選手,甲",
                                  "オーダー=1,,甲",
                                  "ブロック=予選",
                                  "[一般男子団体],MT2",
                                  "構成種目=シングルス,単,S1,単,213",
                                  "区分=選手,1,3,3",
                                  "!",
                                  "ブロック=読まれない",
                                  "未知の区分,乙",
                              }));
  EXPECT_TRUE(f.tp.messages.shown.empty());
  const TeamShumokuRec& ev = f.ev();
  EXPECT_EQ(ev.Ryakugou, "MT2");
  EXPECT_EQ(ev.KouseiCount, 1);
  EXPECT_EQ(ev.Kubun.Count, 1);
  EXPECT_EQ(ev.Kubun.Names, QStringList{"選手"});
  // The second section started the stages afresh; the end processing added one again.
  ASSERT_EQ(ev.BlockCount, 1);
  EXPECT_EQ(ev.Blocks[0].Meishou, "一般男子団体");
  // Teams keep their members and line-ups.
  EXPECT_EQ(ev.Teams[2].Members.at(1).Names.value(0), "甲");
  EXPECT_EQ(ev.Teams[2].OrderCount, 1);
}

TEST(ReadTeamFile, FatalMessages) {
  struct Case {
    const char* what;
    QStringList lines;
    QString title;  // "@" for the team file's path
    QString text;
  };
  const QString at = "@";
  const std::vector<Case> cases = {
      {"line before any section", {"構成種目=a,b,c,単,213"}, at, "団体戦種目名が記述されていません "},
      {"unknown event", {"[混合団体],XT"}, at, "団体戦種目名が見つかりません 混合団体"},
      {"short section line", {"["}, at, "団体戦種目名が見つかりません "},
      {"unknown team", kHead + QStringList{"団体, 北高 "}, at, "団体名が見つかりません  北高 "},
      {"unknown division", kHead + QStringList{"団体,東高", "コーチ,甲"}, "東高",
       "メンバー枠区分名が見つかりません コーチ"},
      {"over the cap", kHead + QStringList{"団体,東高", "監督,甲", "監督,乙"}, "東高",
       "監督の参加者数が枠を超えています"},
      {"empty entries use places", kHead + QStringList{"団体,東高", "監督,,"}, "東高",
       "監督の参加者数が枠を超えています"},
      {"playing total", {"[一般男子団体],MT", "構成種目=a,b,c,単,213", "区分=監督,0,1,1",
                         "区分=選手,1,9000,7", "区分=控え,1,921,0"},
       "種目＝一般男子団体　最大枠＝9921", "団体戦の出場選手数が20人を超えているため処理できません"},
      {"non-playing total too large",
       {"[一般男子団体],MT", "構成種目=a,b,c,単,213", "区分=記録,0,99999999,0"}, at,
       "3行目: 区分=記録,0,99999999,0\n区分の最大人数の合計が大きすぎます"},
      {"division count not a number", kHead + QStringList{"区分=控え,1,多数,1"}, at,
       "7行目: 区分=控え,1,多数,1\n区分の人数が正しくありません"},
      {"member line before a team", kHead + QStringList{"選手,甲"}, at, "7行目: 選手,甲\n団体,の行より前にあります"},
      {"readings before a team", {"[一般男子団体],MT", "ふりがな,こう"}, at,
       "2行目: ふりがな,こう\n団体,の行より前にあります"},
      {"line-up before a team", kHead + QStringList{"オーダー=1,,甲"}, at,
       "7行目: オーダー=1,,甲\n団体,の行より前にあります"},
      {"definition forgets the team",
       kHead + QStringList{"団体,東高", "構成種目=x,y,z,単,213", "選手,甲"}, at,
       "9行目: 選手,甲\n団体,の行より前にあります"},
      {"line-up number not a number", kHead + QStringList{"団体,東高", "オーダー=一,,甲"}, at,
       "8行目: オーダー=一,,甲\nオーダーの試合番号が数字ではありません"},
      {"tie before a stage", kHead + QStringList{"対戦=1,0,0,0,0,,"}, at,
       "7行目: 対戦=1,0,0,0,0,,\nブロック=の行より前にあります"},
  };
  for (const Case& c : cases) {
    TeamFixture f;
    const auto end = f.read(c.lines);
    ASSERT_TRUE(end.has_value()) << c.what;
    ASSERT_EQ(f.tp.messages.shown.size(), 1u) << c.what;
    const auto& m = f.tp.messages.shown[0];
    EXPECT_EQ(m.title, c.title == at ? f.danPath() : c.title) << c.what;
    EXPECT_EQ(m.text, c.text) << c.what;
    EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation) << c.what;
    EXPECT_EQ(end->message(), m.text) << c.what;
  }
}

TEST(ReadTeamFile, PlayingTotalOf9920Passes) {
  TeamFixture f;
  EXPECT_FALSE(f.read({"[一般男子団体],MT", "構成種目=a,b,c,単,213", "区分=選手,9000,7",
                       "区分=控え,920,0", "区分=記録,0,0,0"}));
  EXPECT_TRUE(f.tp.messages.shown.empty());
}

// A tie whose line-ups are not for it, or whose numbers point nowhere, is not read: a
// warning, an empty tie in its place, and the file goes on.
TEST(ReadTeamFile, BadTiesAreWarnedAndSkipped) {
  struct Case {
    const char* tie;
    const char* reason;  // empty: the tie is kept
  };
  const Case cases[] = {
      {"対戦=2,0,0,1,0,2,1", "団体「東高」のオーダーの試合番号1が対戦番号と合いません"},
      {"対戦=2,0,1,1,0,2,1", "団体「西高」のオーダーの試合番号1が対戦番号と合いません"},
      {"対戦=1,0,0,5,0,2,1", "団体の番号5がありません"},
      {"対戦=1,-1,0,1,0,2,1", "団体の番号-1がありません"},
      {"対戦=1,0,2,1,0,2,1", "団体「東高」のオーダー2がありません"},
      {"対戦=1,0,0,2,0,2,1", "団体「ＡＢＣ」のオーダー0がありません"},
      {"対戦=1,0,0,x,0,2,1", "番号が数字ではありません"},
      {"対戦=1,0,0", "番号が数字ではありません"},
      {"対戦=一,0,0,1,0", "番号が数字ではありません"},
      {"対戦=1,0,0,1,0,2,1", ""},
      {"対戦=2,0,1,1,1,,", ""},  // |-2| of 東高's second line-up
      {"対戦=7,2,3,2,3,,", ""},   // both sides alike: a placeholder, no line-up needed
  };
  for (const Case& c : cases) {
    TeamFixture f;
    ASSERT_FALSE(f.read(kHead + QStringList{"団体,東高", "オーダー=1,,甲", "オーダー=-2,,甲",
                                            "団体,西高", "オーダー=1,,乙", "オーダー=2,,乙",
                                            "ブロック=Ａブロック", c.tie, "対戦=3,0,0,0,0,,"}))
        << c.tie;
    const TeamBlockRec& block = f.ev().Blocks.at(0);
    const QString reason = QString::fromUtf8(c.reason);
    if (reason.isEmpty()) {
      EXPECT_TRUE(f.tp.messages.shown.empty()) << c.tie;
      EXPECT_EQ(block.TaisenCount, 2) << c.tie;
      continue;
    }
    ASSERT_EQ(f.tp.messages.shown.size(), 1u) << c.tie;
    const auto& m = f.tp.messages.shown[0];
    EXPECT_EQ(m.title, f.danPath());
    const QString matchText = QString::fromUtf8(c.tie).mid(3).section(',', 0, 0);
    EXPECT_EQ(m.text, QStringLiteral("種目「一般男子団体」ブロック「Ａブロック」の対戦%1: %2\n"
                                     "この対戦は読み込みません")
                          .arg(matchText, reason))
        << c.tie;
    EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
    // The bad tie keeps its place as an empty tie, so the next one stays at its position.
    ASSERT_EQ(block.TaisenCount, 2) << c.tie;
    const TeamTaisenRec& empty = block.Taisens[0];
    EXPECT_EQ(empty.TeamA, empty.TeamB) << c.tie;
    EXPECT_EQ(empty.OrderA, empty.OrderB) << c.tie;
    EXPECT_TRUE(empty.KekkaA.isEmpty() && empty.KekkaB.isEmpty()) << c.tie;
    EXPECT_EQ(empty.Shiais.size(), static_cast<std::size_t>(f.ev().KouseiCount)) << c.tie;
  }
}

TEST(AdjustTeamWaku, CapsSlotSums) {
  struct Case {
    std::vector<int> slotCounts, caps;
    QStringList masks;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {{1, 7}, {1, 7}, {"000", "111"}, {1, 7}},                  // 8: nothing to do
      {{3, 9}, {3, 5}, {"111", "111"}, {3, 5}},                  // working caps suffice
      {{3, 3, 3}, {5, 5, 5}, {"1", "1", "1"}, {2, 2, 2}},        // descends to 2 at once
      {{1, 1, 8}, {1, 1, 8}, {"0", "0", "1"}, {1, -1, 7}},       // spare division given up
      {{1, 1, 1, 8}, {1, 1, 1, 8}, {"0", "0", "1", "1"}, {1, -1, 1, 6}},  // walk stops at a player
      {{20, 20}, {20, 20}, {"1", "1"}, {4, 4}},                  // stops once the sum is 8
      {std::vector<int>(9, 5), std::vector<int>(9, 5), QStringList(9, "1"),
       std::vector<int>(9, 1)},                                  // threshold 1 is the floor
      {{}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    TeamKubunRec k;
    k.Count = static_cast<int>(c.slotCounts.size());
    k.SlotCount = c.slotCounts;
    k.MaxCount = c.caps;
    k.MaxCount2 = c.caps;
    k.Labels = c.masks;
    AdjustTeamWaku(k);
    EXPECT_EQ(k.SlotCount, c.expected) << ::testing::PrintToString(c.slotCounts);
  }
}

TEST(SplitTeamNameNo, NameAndNumber) {
  struct Case {
    const char* entry;
    const char* name;
    const char* number;
  };
  const Case cases[] = {
      {"東高校@2", "東高校", "2"},   {"東高校２", "東高校", "2"},   {"東高校Ａ", "東高校Ａ", ""},
      {"12", "12", ""},              {"A12", "A12", ""},            {"AB12", "AB", "12"},
      {" 山田 太郎 ＠ １２ ", "山田 太郎", "12"}, {"山田 3", "山田", "3"},
      {"@5", "", "5"},               {"", "", ""},                  {"a@b@c", "a", "b@c"},
      {"甲＠乙", "甲", "乙"},        {"佐藤①", "佐藤①", ""},
      // Only half-width blanks are trimmed: a tab or a full-width space stays.
      {" \t東高校@\t2 ", "\t東高校", "\t2"}, {"\u3000東高校\u3000", "\u3000東高校\u3000", ""},
  };
  for (const Case& c : cases) {
    QString name = "x", number = "y";
    SplitTeamNameNo(QString::fromUtf8(c.entry), name, number);
    EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.entry;
    EXPECT_EQ(number, QString::fromUtf8(c.number)) << c.entry;
  }
}

// The sample tournament's team file, with its one team event as the sample data file's
// entry list leaves it.
TEST(ReadTeamFile, SampleReadsWithoutMessage) {
  TestProgram tp;
  Program& p = tp.program;
  p.taikai.DataFolder = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/");
  p.taikai.TaikaiFileName = QStringLiteral("青葉市民大会.tai");
  TeamShumokuRec ev;
  ev.Meishou = QStringLiteral("一般男子団体");
  ev.ShumokuIndex = 0;
  for (const char* name : {"青葉クラブＡ", "若草ＢＣ", "緑川シャトル会", "東町クラブ", "青葉クラブＢ", "桜台ＳＣ"}) {
    TeamSankashaRec t;
    t.TeamName = QString::fromUtf8(name);
    ev.Teams.push_back(t);
  }
  ev.TeamCount = 6;
  p.team.TeamShumokus.push_back(ev);
  p.team.TeamShumokuCount = 1;

  ReadTeamFile(p);
  EXPECT_TRUE(tp.messages.shown.empty());
  const TeamShumokuRec& got = p.team.TeamShumokus[0];
  EXPECT_EQ(got.KouseiCount, 3);
  EXPECT_EQ(got.BlockCount, 2);
  EXPECT_EQ(got.Blocks[0].TaisenCount, 3);
  EXPECT_EQ(got.Blocks[1].TaisenCount, 3);
  EXPECT_EQ(got.Teams[5].Members.at(1).Count, 5);
  EXPECT_FALSE(p.kekka.HozonJikoku.isEmpty());
}
