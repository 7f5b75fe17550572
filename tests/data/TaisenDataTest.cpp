#include <gtest/gtest.h>

#include "data/TaisenData.h"
#include "data/Tournament.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

// Three events as the data file leaves them: 男子シングルス (6 entries), 女子シングルス
// (4 entries, its first one the 7th of the tournament) and the team event 男子団体, whose
// team record holds one stage with two ties from the team file. A versioned results file.
struct Fixture : test::TestProgram {
  Fixture() {
    program.kekka.KekkaVersion = "3.0";
    program.kankyou.LeagueShinpan = "リーグ主審";
    program.kankyou.TournamentShinpan = "トーナメント主審";
    addEvent("男子シングルス", "単", 6, 0);
    addEvent("女子シングルス", "単", 4, 6);
    addEvent("男子団体", "団体", 4, 10);

    TeamShumokuRec team;
    team.Meishou = "男子団体";
    team.ShumokuIndex = 2;
    team.KouseiCount = 3;
    TeamBlockRec stage;
    stage.Meishou = "男子団体";
    for (int i = 0; i < 2; ++i) {
      TeamTaisenRec tie;
      tie.TeamA = i;
      tie.TeamB = i + 2;
      tie.KekkaA = "2";
      tie.KekkaB = "1";
      tie.ShiaiCount = 3;
      tie.Shiais.resize(3);
      tie.Shiais[0].GameCount = {"2", "0"};
      stage.Taisens.push_back(tie);
    }
    stage.TaisenCount = 2;
    team.Blocks.push_back(stage);
    team.BlockCount = 1;
    program.team.TeamShumokus.push_back(team);
    program.team.TeamShumokuCount = 1;
    ev(2).TeamShumokuIndex = 0;
  }

  void addEvent(const QString& name, const QString& shubetsu, int entries, int offset) {
    ShumokuRec e;
    e.Name = name;
    e.Shubetsu = shubetsu;
    e.SankashaOffset = offset;
    for (int i = 0; i < entries; ++i) {
      SankashaRec s;
      s.Name = QStringLiteral("%1%2").arg(name.left(1)).arg(i);
      s.GroupName = QStringLiteral("所属%1").arg(i);
      s.Bangou = i;
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = entries;
    e.KumiawaseSuu = entries;
    e.KumiawaseSuu2 = entries;
    program.taikai.Taikai.Shumoku.push_back(e);
    program.taikai.Taikai.ShumokuCount = static_cast<int>(program.taikai.Taikai.Shumoku.size());
  }

  ShumokuRec& ev(int i) { return program.taikai.Taikai.Shumoku.at(static_cast<size_t>(i)); }
  LeagueBlockRec& block(int e, int b) {
    return ev(e).YosenLeague.Blocks.at(static_cast<size_t>(b));
  }
  TeamShumokuRec& team() { return program.team.TeamShumokus.at(0); }

  QString read(const QStringList& lines) {
    platform::TextFileReader file(lines);
    return ReadTaisenData(program, file);
  }
};

}  // namespace

TEST(ReadTaisenData, ReturnsTheLineThatEndsTheSection) {
  struct Case {
    QStringList lines;
    QString returned;
    qsizetype linesRead;
  };
  const Case cases[] = {
      {{"[男子シングルス]", "対戦方式=トーナメント", "【印刷制御データ】", "保存時刻=x"},
       "【印刷制御データ】", 3},
      {{"[男子シングルス]", "対戦方式=トーナメント", ".eof.", "シード数=2"}, ".eof.", 4},
      {{}, ".eof.", 0},
      // A knock-out stage hands back the marker that ended it, even as the last line.
      {{"[男子シングルス]", "トーナメント=本戦", "決定順位=3", "【印刷制御データ】"},
       "【印刷制御データ】", 4},
      {{"[男子シングルス]", "トーナメント=本戦", "決定順位=3"}, ".eof.", 3},
  };
  for (const Case& c : cases) {
    Fixture f;
    platform::TextFileReader file(c.lines);
    EXPECT_EQ(ReadTaisenData(f.program, file), c.returned) << c.lines.join('|').toStdString();
    EXPECT_EQ(file.lineNumber(), c.linesRead);
  }
  // Lines after ".eof." still belong to the section; key lines before the first header
  // and lines without a key apply to nothing.
  Fixture f;
  f.read({"シード数=7", "=5", "[男子シングルス]", "シード数", ".eof.", "シード数=2"});
  EXPECT_EQ(f.ev(0).SeedSuu, 2);
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ReadTaisenData, HeaderSelectsAndResetsTheEventThenEventKeysApply) {
  Fixture f;
  ShumokuRec& e = f.ev(0);
  e.TaisenHoushiki = "古い";
  e.YosenLeagueAri = 1;
  e.TournamentCount = 1;
  e.Tournaments.resize(1);
  e.KesshouShinshutsuSuu = 2;
  e.RallyPoint = -1;
  e.LeagueShinpan = "古い";
  f.read({"[男子シングルス], MS1 "});
  EXPECT_EQ(e.Ryakugou, "MS1");
  EXPECT_EQ(e.TaisenHoushiki, "");
  EXPECT_EQ(e.YosenLeagueAri, 0);
  EXPECT_EQ(e.TournamentCount, 0);
  EXPECT_EQ(e.KesshouShinshutsuSuu, 0);
  EXPECT_EQ(e.RallyPoint, 0);
  EXPECT_EQ(e.LeagueShinpan, "リーグ主審");
  EXPECT_EQ(e.TournamentShinpan, "トーナメント主審");
  EXPECT_EQ(f.program.kekka.ShumokuIndex, 0);

  f.read({"[女子シングルス]", "対戦方式= リーグ戦 ", "リーグ審判=なし", "トーナメント審判=各自",
          "組合せ数=x", "シード数=2.5", "決勝進出順位=2,上位2名", "EXCEL=a,b,c",
          "先頭ブロック名称=Ａ", "対戦回数=2", "予選リーグ印刷配置頁=3", "ラリーポイント=0",
          "未知のキー=1"});
  const ShumokuRec& w = f.ev(1);
  EXPECT_EQ(w.Ryakugou, "");
  EXPECT_EQ(w.TaisenHoushiki, "リーグ戦");
  EXPECT_EQ(w.LeagueShinpan, "なし");
  EXPECT_EQ(w.TournamentShinpan, "各自");
  EXPECT_EQ(w.KumiawaseSuu, 4);  // not a number: the event's entries
  EXPECT_EQ(w.KumiawaseSuu2, 4);
  EXPECT_EQ(w.SeedSuu, 2);
  EXPECT_EQ(w.YosenLeague.ShinshutsuJuni, 2);
  EXPECT_EQ(w.YosenLeague.ShinshutsuJuniText, "上位2名");
  EXPECT_EQ(w.InsatsuSettei.Texts[0], "a");
  EXPECT_EQ(w.InsatsuSettei.Texts[2], "c");
  EXPECT_EQ(w.InsatsuSettei.Texts[3], "");
  EXPECT_EQ(w.YosenLeague.SentouBlockName, "Ａ");
  EXPECT_EQ(w.YosenLeague.TaisenKaisuu, 2);
  EXPECT_EQ(w.YosenLeaguePage, 3);
  EXPECT_EQ(w.RallyPoint, -1);

  f.read({"[女子シングルス]", "組合せ数=8", "決勝リーグ=決勝"});
  EXPECT_EQ(f.ev(1).KumiawaseSuu, 8);
  EXPECT_EQ(f.ev(1).KumiawaseSuu2, 8);
  EXPECT_EQ(f.ev(1).KesshouLeagueAri, 1);
  EXPECT_EQ(f.ev(1).KesshouLeague.Name, "決勝");
  EXPECT_EQ(f.ev(1).KesshouLeague.BlockCount, 1);
  EXPECT_EQ(f.ev(1).KesshouLeague.Blocks.size(), 1u);
}

TEST(ReadTaisenData, AnEventTheDataFileDoesNotDefineEndsTheProgram) {
  for (const QString header : {"[男子ダブルス],MD", "[", "[男子シングルス"}) {
    Fixture f;
    try {
      f.read({header, "対戦方式=リーグ戦"});
      FAIL() << header.toStdString();
    } catch (const platform::ProgramEnd& end) {
      ASSERT_EQ(f.messages.shown.size(), 1u);
      const auto& m = f.messages.shown[0];
      EXPECT_TRUE(m.title.startsWith("種目名称＝"));
      EXPECT_EQ(m.text, "対戦結果の中に登録されていない種目名称が現れました");
      EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
      EXPECT_EQ(end.title(), m.title);
    }
  }
  Fixture f;
  EXPECT_THROW(f.read({"[男子ダブルス],MD"}), platform::ProgramEnd);
  EXPECT_EQ(f.messages.shown[0].title, "種目名称＝男子ダブルス");
}

TEST(ReadTaisenData, LeagueMatchNumberKeptAsWritten) {
  // The text is the match number; its value (half to even, 0 when not a number) places the
  // match in the block's index.
  struct Case { const char* no; std::vector<int> index; };
  const Case cases[] = {{"03", {0, 0, 1, 0}}, {" 2 ", {0, 1, 0, 0}}, {"2.5", {0, 1, 0, 0}},
                        {"x2", {0, 0, 0, 0}}, {"", {0, 0, 0, 0}}};
  for (const auto& c : cases) {
    Fixture f;
    f.read({"[男子シングルス],MS", "予選リーグ=予選", "ブロック=Ａ", "試合数=3", "参加者数=3",
            "試合=,1,0", QStringLiteral("試合=,%1,0").arg(QString::fromUtf8(c.no))});
    const LeagueBlockRec& a = f.block(0, 0);
    EXPECT_EQ(a.Taisen[0].ShiaiBangou, "1");
    EXPECT_EQ(a.Taisen[1].ShiaiBangou, QString::fromUtf8(c.no));
    EXPECT_EQ(a.Taisen[1].ShiaiBangouHyouji, "") << c.no;
    EXPECT_EQ(a.TaisenIndex, c.index) << c.no;
  }
}

TEST(ReadTaisenData, LeagueBlocksTakeTheirEntrantsMatchesAndUmpires) {
  Fixture f;
  LeagueShiaiJunRec& jun = *f.program.kankyou.LeagueShiaiJun(3);
  jun.LeagueSize = 3;
  jun.ShiaiCount = 3;
  jun.Shinpan = {11, 12, 13, 21, 22, 23};
  f.read({"[男子シングルス],MS", "予選リーグ=予選", "ブロック=Ａ", "ポイント数=21", "試合数=3",
          "参加者数=3", "参加者=4,2", "参加者=0,0", "参加者=5", "参加者=1",
          "試合=1,2,7,21-10 21-5,0,0,1,済,,t1,t2,10:35,t3",
          "試合=X,3,0,,-1,1,2,,第2試合,,,7", "試合=,1,0,,-1,0,2,,,,,,",
          "試合=,4,0,,-1,0,1", "ブロック=Ｂ", "試合数=1", "参加者数=2", "参加者=2", "参加者=3"});
  const ShumokuRec& e = f.ev(0);
  EXPECT_EQ(e.YosenLeagueAri, 1);
  EXPECT_EQ(e.YosenLeague.Name, "予選");
  ASSERT_EQ(e.YosenLeague.BlockCount, 2);
  EXPECT_EQ(e.YosenLeague.TaisenTotal, 4);
  const LeagueBlockRec& a = f.block(0, 0);
  EXPECT_EQ(a.Name, "Ａ");
  EXPECT_FALSE(a.Dummy);
  EXPECT_EQ(a.PointSuu, 21);
  EXPECT_EQ(a.SankashaSuu, 3);
  EXPECT_EQ(a.Sankasha, (std::vector<int>{4, 0, 5}));  // the fourth 参加者 line is one too many
  EXPECT_EQ(a.SankashaIchi, (std::vector<int>{2, 0, 0}));
  EXPECT_EQ(a.SankashaShiaiSuu.size(), 3u);
  EXPECT_EQ(a.Juni.size(), 3u);
  EXPECT_EQ(a.Shinpan, (std::vector<int>{11, 12, 13, 21, 22, 23}));
  // The entries get their running position over the event's blocks.
  EXPECT_EQ(e.Sankasha[4].Bangou, 0);
  EXPECT_EQ(e.Sankasha[0].Bangou, 1);
  EXPECT_EQ(e.Sankasha[5].Bangou, 2);
  EXPECT_EQ(e.Sankasha[2].Bangou, 3);
  EXPECT_EQ(e.Sankasha[3].Bangou, 4);
  EXPECT_EQ(e.Sankasha[1].Bangou, 1);  // untouched

  ASSERT_EQ(a.TaisenCount, 3);
  ASSERT_EQ(a.Taisen.size(), 4u);
  const LeagueTaisenRec& m0 = a.Taisen[0];
  EXPECT_EQ(m0.ShiaiBangou, "2");
  EXPECT_EQ(m0.ShiaiBangouHyouji, "1");
  EXPECT_EQ(m0.TaisenKekka, "21-10 21-5");
  EXPECT_EQ(m0.Shousha, 0);
  EXPECT_EQ(m0.Taisen1, 0);
  EXPECT_EQ(m0.Taisen2, 1);
  EXPECT_TRUE(m0.InsatsuZumi);
  EXPECT_EQ(m0.ExtraText1, "t1");
  EXPECT_EQ(m0.ExtraText2, "t2");
  EXPECT_EQ(m0.ExtraText3, "t3");
  EXPECT_EQ(m0.ExtraValue1, 10);
  EXPECT_EQ(m0.ExtraValue2, 35);
  EXPECT_EQ(m0.TimeTableLink, -1);
  const LeagueTaisenRec& m1 = a.Taisen[1];
  EXPECT_EQ(m1.ShiaiBangouHyouji, "第2試合");
  EXPECT_FALSE(m1.InsatsuZumi);
  EXPECT_EQ(m1.ExtraValue1, 7);
  EXPECT_EQ(m1.ExtraValue2, 0);
  EXPECT_EQ(a.Taisen[2].ExtraValue1, 0);
  EXPECT_EQ(a.Taisen[3].ShiaiBangou, "");  // the 4th 試合 line is one too many
  EXPECT_EQ(a.TaisenValue, (std::vector<int>{7, 0, 0}));
  // Match numbers 2, 3, 1 are the records 0, 1, 2.
  EXPECT_EQ(a.TaisenIndex, (std::vector<int>{2, 0, 1, 0}));

  const LeagueBlockRec& b = f.block(0, 1);
  EXPECT_EQ(b.Name, "Ｂ");
  EXPECT_EQ(b.Shinpan, (std::vector<int>{0, 0}));  // a block of two has no umpire table
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ReadTaisenData, DummyBlocksHoldNoMatches) {
  Fixture f;
  f.read({"[男子シングルス]", "予選リーグ=予選", "ブロック=Ａ,Dummy", "試合数=3", "参加者数=1",
          "参加者=3,1", "試合=1,1,0,,-1,0,0", "決勝進出者数=1", "決勝進出者=1,1,-1,,0,0",
          "トーナメント=本戦"});
  const ShumokuRec& e = f.ev(0);
  const LeagueBlockRec& a = f.block(0, 0);
  EXPECT_EQ(a.Name, "Ａ");
  EXPECT_TRUE(a.Dummy);
  EXPECT_EQ(a.TaisenCount, 0);
  EXPECT_TRUE(a.Taisen.empty());
  EXPECT_EQ(e.YosenLeague.DummyBlockCount, 1);
  EXPECT_EQ(e.YosenLeague.TaisenTotal, 0);
  EXPECT_EQ(a.Sankasha, (std::vector<int>{3}));
  EXPECT_EQ(a.KesshouCount, 1);
  // At the end of the section the qualifier of a placeholder block is filled in.
  EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaIdx, 3);
  EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaText, "所属3");
}

TEST(ReadTaisenData, QualifiersGoToTheFinalStage) {
  Fixture f;
  f.read({"[男子シングルス]", "予選リーグ=予選", "ブロック=Ａ", "試合数=1", "参加者数=2",
          "参加者=0", "参加者=1", "試合=1,1,0,,-1,0,1", "ブロック=Ｂ", "決勝進出者数=3",
          "決勝進出者=1,1,5,一位:Ａ,9,4", "決勝進出者=3,1,2,,0,0", "決勝進出者=2,2,-1,二位,0,0",
          "決勝進出者=1,2,1", "決勝進出者=2,1,0", "決勝リーグ=決勝", "ブロック=決勝",
          "参加者数=2", "参加者=9", "参加者=9"});
  const ShumokuRec& e = f.ev(0);
  ASSERT_EQ(e.KesshouShinshutsuSuu, 3);
  ASSERT_EQ(e.KesshouShinshutsu.size(), 3u);
  const KesshouShinshutsuRec& q0 = e.KesshouShinshutsu[0];
  EXPECT_EQ(q0.BlockNo, 1);
  EXPECT_EQ(q0.Juni, 1);
  EXPECT_EQ(q0.SankashaIdx, 5);
  EXPECT_EQ(q0.Hyouji, "一位,Ａ");
  EXPECT_EQ(q0.SankashaText, "所属5");
  EXPECT_EQ(q0.ExtraValue, 9);
  // Block 3 does not exist: that line is skipped and the next one takes its place.
  const KesshouShinshutsuRec& q1 = e.KesshouShinshutsu[1];
  EXPECT_EQ(q1.BlockNo, 2);
  EXPECT_EQ(q1.SankashaIdx, -1);
  EXPECT_EQ(q1.SankashaText, "");
  EXPECT_EQ(e.KesshouShinshutsu[2].SankashaIdx, 1);
  EXPECT_EQ(f.block(0, 0).KesshouCount, 2);
  EXPECT_EQ(f.block(0, 1).KesshouCount, 1);
  // In the final league the p-th entrant line gives qualifier p its position; the blocks'
  // entrants came first.
  EXPECT_EQ(q0.Ichi, 2);
  EXPECT_EQ(q1.Ichi, 3);

  // A league-only event has no qualifiers.
  Fixture g;
  g.read({"[女子シングルス]", "対戦方式=リーグ戦", "予選リーグ=予選", "ブロック=Ａ",
          "決勝進出者数=4", "決勝進出者=1,1,0,,0,0"});
  EXPECT_EQ(g.ev(1).KesshouShinshutsuSuu, 0);
  EXPECT_TRUE(g.ev(1).KesshouShinshutsu.empty());
  EXPECT_EQ(g.block(1, 0).KesshouCount, 0);
}

TEST(ReadTaisenData, KnockOutStagesGoToTheKnockOutReader) {
  Fixture f;
  const QString ended = f.read(
      {"[男子シングルス]", "組合せ数=4", "トーナメント=本戦", "ポイント数=21",
       "対戦=1,21-10 21-8,0,済", "", "トーナメント=順位戦", "組合せ数=8", "ポイント数=15",
       "[女子シングルス]", "予選リーグ=予選", "ブロック=Ａ", "決勝進出者数=2",
       "トーナメント=決勝", "【印刷制御データ】"});
  EXPECT_EQ(ended, "【印刷制御データ】");
  const ShumokuRec& e = f.ev(0);
  ASSERT_EQ(e.TournamentCount, 2);
  ASSERT_EQ(e.Tournaments.size(), 2u);
  const TournamentRec& t0 = e.Tournaments[0];
  EXPECT_EQ(t0.Meishou, "本戦");
  EXPECT_EQ(t0.ShumokuCode, 0);
  EXPECT_EQ(t0.SankaCount, 4);  // the event's 組合せ数
  EXPECT_EQ(t0.PointCount, 21);
  ASSERT_TRUE(TournamentHasTree(t0));
  const TaisenRec& match1 = t0.Taisens.at(static_cast<size_t>(t0.ShiaiJunNode.at(1)));
  EXPECT_EQ(match1.Shousha, 0);
  EXPECT_EQ(match1.TaisenKekka, "21-10 21-8");
  EXPECT_TRUE(match1.InsatsuZumi);
  // The stage's own 組合せ数 sizes that stage only.
  const TournamentRec& t1 = e.Tournaments[1];
  EXPECT_EQ(t1.Meishou, "順位戦");
  EXPECT_EQ(t1.SankaCount, 8);
  EXPECT_EQ(e.KumiawaseSuu, 4);
  // A knock-out after a preliminary league takes the qualifiers.
  const ShumokuRec& w = f.ev(1);
  ASSERT_EQ(w.TournamentCount, 1);
  EXPECT_EQ(w.Tournaments[0].SankaCount, 2);
  EXPECT_EQ(w.Tournaments[0].ShumokuCode, 1);
  EXPECT_EQ(f.program.kekka.ShumokuIndex, 1);
  EXPECT_EQ(f.program.kekka.TournamentIndex, 0);

  // A second block header starts the knock-out list again.
  f.read({"[男子シングルス]", "トーナメント=再戦"});
  ASSERT_EQ(f.ev(0).TournamentCount, 1);
  EXPECT_EQ(f.ev(0).Tournaments.size(), 1u);
  EXPECT_EQ(f.ev(0).Tournaments[0].Meishou, "再戦");
  EXPECT_FALSE(TournamentHasTree(f.ev(0).Tournaments[0]));
}

TEST(ReadTaisenData, FileWithoutVersionLineMakesEntryNumbersEventLocal) {
  for (const bool versioned : {false, true}) {
    Fixture f;
    if (!versioned) f.program.kekka.KekkaVersion.clear();
    f.read({"[女子シングルス]", "予選リーグ=予選", "ブロック=Ａ", "参加者数=3", "参加者=7",
            "参加者=3", "参加者=6", "決勝進出者数=2", "決勝進出者=1,1,8,,0,0",
            "決勝進出者=1,2,2,,0,0"});
    const ShumokuRec& e = f.ev(1);
    const LeagueBlockRec& a = f.block(1, 0);
    if (!versioned) {
      EXPECT_EQ(a.Sankasha, (std::vector<int>{1, 3, 0}));
      EXPECT_EQ(e.Sankasha[1].Bangou, 0);
      EXPECT_EQ(e.Sankasha[3].Bangou, 1);
      EXPECT_EQ(e.Sankasha[0].Bangou, 2);
      EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaIdx, 2);
      EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaText, "所属2");
      EXPECT_EQ(e.KesshouShinshutsu.at(1).SankashaIdx, 2);
    } else {
      EXPECT_EQ(a.Sankasha, (std::vector<int>{7, 3, 6}));
      EXPECT_EQ(e.Sankasha[3].Bangou, 1);  // the others are no entries of this event
      EXPECT_EQ(e.Sankasha[0].Bangou, 0);
      EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaIdx, 8);
      EXPECT_EQ(e.KesshouShinshutsu.at(0).SankashaText, "");
    }
  }
}

TEST(ReadTaisenData, TeamEventStagesFollowTheLeagueBlocksAndKnockOuts) {
  Fixture f;
  f.read({"[男子団体],MT", "予選リーグ=予選", "ブロック=Ａ組", "試合数=3", "ブロック=Ｂ組",
          "試合数=1", "トーナメント=決勝"});
  const TeamShumokuRec& t = f.team();
  ASSERT_EQ(t.BlockCount, 3);
  ASSERT_EQ(t.Blocks.size(), 3u);
  const TeamBlockRec& a = t.Blocks[0];
  EXPECT_EQ(a.Meishou, "Ａ組");
  EXPECT_EQ(a.TaisenCount, 3);
  ASSERT_EQ(a.Taisens.size(), 4u);
  // The ties from the team file keep their teams and results.
  EXPECT_EQ(a.Taisens[1].TeamA, 1);
  EXPECT_EQ(a.Taisens[1].TeamB, 3);
  EXPECT_EQ(a.Taisens[1].KekkaA, "2");
  EXPECT_EQ(a.Taisens[0].Shiais.at(0).GameCount[0], "2");
  EXPECT_EQ(a.Taisens[3].KekkaA, "");
  EXPECT_EQ(a.Taisens[3].Shiais.size(), 3u);
  EXPECT_EQ(t.Blocks[1].Meishou, "Ｂ組");
  EXPECT_EQ(t.Blocks[1].TaisenCount, 1);
  EXPECT_EQ(t.Blocks[1].Taisens.size(), 2u);
  EXPECT_EQ(t.Blocks[2].Meishou, "決勝");
  EXPECT_EQ(t.Blocks[2].TaisenCount, 0);
  EXPECT_TRUE(f.messages.shown.empty());

  // A knock-out-only team event: its first knock-out follows stage 0, which keeps its name.
  Fixture g;
  g.read({"[男子団体],MT", "トーナメント=本戦"});
  ASSERT_EQ(g.team().BlockCount, 2);
  EXPECT_EQ(g.team().Blocks[0].Meishou, "男子団体");
  EXPECT_EQ(g.team().Blocks[0].TaisenCount, 2);
  EXPECT_EQ(g.team().Blocks[1].Meishou, "本戦");
}

TEST(ReadTaisenData, TeamEventWithoutTeamRecordIsReadWithAWarning) {
  Fixture f;
  f.ev(2).TeamShumokuIndex = -1;  // no team record paired with it
  f.read({"[男子団体],MT", "予選リーグ=予選", "ブロック=Ａ組", "試合数=3",
          "トーナメント=決勝", "[男子団体],MT"});
  ASSERT_EQ(f.messages.shown.size(), 2u);  // once per block header
  const auto& m = f.messages.shown[0];
  EXPECT_EQ(m.title, "種目名称＝男子団体");
  EXPECT_EQ(m.text, "団体戦の種目データが見つかりません。この種目の団体戦のブロックと対戦は設定しません");
  EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(f.block(2, 0).TaisenCount, 3);
  EXPECT_EQ(f.ev(2).TournamentCount, 0);  // the second header started its knock-outs again
  // The other team record is left alone.
  EXPECT_EQ(f.team().BlockCount, 1);
  EXPECT_EQ(f.team().Blocks[0].Meishou, "男子団体");
  EXPECT_EQ(f.team().Blocks[0].TaisenCount, 2);
}

TEST(ReadTaisenData, FaultyNumbersAndLinesAreSkipped) {
  Fixture f;
  LeagueShiaiJunRec& jun = *f.program.kankyou.LeagueShiaiJun(4);
  jun.LeagueSize = 4;
  jun.ShiaiCount = 2;
  jun.Shinpan = {1, 2, 3};  // shorter than a block of four matches needs
  f.read({"[男子シングルス]", "試合数=3", "参加者=1", "試合=1,1", "予選リーグ=予選",
          "ブロック=Ａ", "試合数=-2", "試合数=99999999", "試合数=4", "参加者数=x",
          "参加者数=4", "参加者=99", "参加者=-5", "参加者", "試合=,-3",
          "試合=a,b,c,d,e,f,g,h,i,j,k,l,m,n,o", "試合=,99,0", "試合=,5", "試合=,1",
          "決勝進出者数=-1", "決勝進出者=1,1,0", "決勝進出者数=1", "決勝進出者=0,1,0",
          "決勝進出者=x"});
  const ShumokuRec& e = f.ev(0);
  ASSERT_EQ(e.YosenLeague.BlockCount, 1);
  const LeagueBlockRec& a = f.block(0, 0);
  EXPECT_EQ(a.TaisenCount, 4);
  EXPECT_EQ(e.YosenLeague.TaisenTotal, 4);
  EXPECT_EQ(a.SankashaSuu, 4);
  EXPECT_EQ(a.Shinpan, (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1}));
  EXPECT_EQ(a.Sankasha, (std::vector<int>{99, -5, 0, 0}));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(e.Sankasha[static_cast<size_t>(i)].Bangou, i);
  // Match numbers -3, none ("b", kept as written), 99 and 5 (the last index entry);
  // "試合=,1" is one too many.
  EXPECT_EQ(a.Taisen[0].ShiaiBangou, "-3");
  EXPECT_EQ(a.Taisen[1].ShiaiBangou, "b");
  EXPECT_EQ(a.Taisen[1].ShiaiBangouHyouji, "i");
  EXPECT_EQ(a.Taisen[1].ExtraText3, "m");
  EXPECT_EQ(a.Taisen[2].ShiaiBangou, "99");
  EXPECT_EQ(a.TaisenIndex, (std::vector<int>{0, 0, 0, 0, 3}));
  EXPECT_EQ(e.KesshouShinshutsuSuu, 1);
  EXPECT_EQ(e.KesshouShinshutsu.at(0).BlockNo, 0);  // block 0 and "x" name no block
  EXPECT_EQ(a.KesshouCount, 0);
  // Only the count beyond a league block's matches is reported.
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_TRUE(f.messages.shown[0].text.contains("試合数=99999999"));
  EXPECT_TRUE(f.messages.shown[0].text.contains("9900"));
}
