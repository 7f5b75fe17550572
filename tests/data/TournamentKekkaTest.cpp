#include <gtest/gtest.h>

#include <vector>

#include "data/Tournament.h"
#include "data/TournamentKekka.h"
#include "platform/TextFile.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

const QString kTooHigh = QStringLiteral(
    "試合番号が試合数を超えています、対戦方式を残したまま参加者数を減らしたことが原因と思われ"
    "ますが、この試合を除外して処理します。");

// One event "男子シングルス" (MS) with entries E0 … E(n-1) on draw numbers 0 … n-1 and
// one knock-out made by the event-block reader; a versioned results file.
struct Stage : test::TestProgram {
  explicit Stage(int entries, int offset = 0) {
    program.kekka.KekkaVersion = "2.0";
    ShumokuRec e;
    e.Name = "男子シングルス";
    e.Ryakugou = "MS";
    e.SankashaOffset = offset;
    for (int i = 0; i < entries; ++i) {
      SankashaRec s;
      s.Name = QStringLiteral("E%1").arg(i);
      s.Bangou = i;
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = entries;
    e.KumiawaseSuu = entries;
    e.KumiawaseSuu2 = entries;
    TournamentRec t;
    t.Meishou = "本戦";
    t.ShumokuCode = 0;
    t.SankaCount = entries;
    t.FirstDrawNo = 7;
    e.Tournaments.push_back(t);
    e.TournamentCount = 1;
    program.taikai.Taikai.Shumoku.push_back(e);
    program.taikai.Taikai.ShumokuCount = 1;
  }
  ShumokuRec& event() { return program.taikai.Taikai.Shumoku[0]; }
  TournamentRec& t() { return event().Tournaments[0]; }
  const TaisenRec& node(int k) { return t().Taisens.at(static_cast<size_t>(k)); }
  int level(int entry) { return event().Sankasha.at(static_cast<size_t>(entry)).KachiagariLevel; }

  // Reads the stage from these lines; returns what ended it.
  QString read(const QStringList& lines) {
    platform::TextFileReader file(lines);
    return ReadTournamentKekka(program, file, 0, 0);
  }
};

}  // namespace

TEST(ReadTournamentKekka, StopsAtTheNextBlockAndHandsItBack) {
  const char* enders[] = {"[女子シングルス]", "【印刷制御データ】", "トーナメント=敗者戦",
                          "(コメント)"};
  for (const char* ender : enders) {
    Stage s(4);
    platform::TextFileReader file({"決定順位=3", "", "無視", "=5", ender, "ポイント数=11"});
    EXPECT_EQ(ReadTournamentKekka(s.program, file, 0, 0), QString::fromUtf8(ender));
    EXPECT_EQ(file.lineNumber(), 5);
    EXPECT_EQ(s.t().KetteiJuni, 3);
    EXPECT_EQ(s.t().FirstDrawNo, 0);
    EXPECT_FALSE(TournamentHasTree(s.t()));
  }
  Stage s(4);
  EXPECT_EQ(s.read({"ポイント数= 15 "}), ".eof.");
  EXPECT_EQ(s.t().PointCount, 15);
  EXPECT_TRUE(TournamentHasTree(s.t()));
  // No such knock-out: the stage is read and nothing stored.
  platform::TextFileReader file({"組合せ数=8", "[次]"});
  EXPECT_EQ(ReadTournamentKekka(s.program, file, 0, 3), "[次]");
  EXPECT_EQ(ReadTournamentKekka(s.program, file, 9, 0), ".eof.");
  EXPECT_EQ(s.t().SankaCount, 4);
}

TEST(ReadTournamentKekka, CountAfterThePointsLineIsWarnedAndSkipped) {
  // With or without a tree built by ポイント数=, a later 組合せ数= would leave the stage
  // with no usable tree: the line is skipped with a warning naming the file, line and stage.
  struct Case { int entries; QStringList lines; bool tree; int count; std::vector<int> warned; };
  const Case cases[] = {
      {4, {"ポイント数=21", "組合せ数=8", "対戦=1,21-3,0"}, true, 4, {2}},
      {0, {"ポイント数=21", "組合せ数=8", "対戦=1,21-3,0"}, false, 0, {2}},
      {4, {"組合せ数=8", "ポイント数=21", "組合せ数=8", "組合せ数=2"}, true, 8, {3, 4}},
  };
  for (const Case& c : cases) {
    Stage s(c.entries);
    s.program.kekka.limits.start("/d/大会.kai");
    s.read(c.lines);
    const std::string what = c.lines.join('|').toStdString();
    EXPECT_EQ(TournamentHasTree(s.t()), c.tree) << what;
    EXPECT_EQ(s.t().SankaCount, c.count) << what;
    ASSERT_EQ(s.messages.shown.size(), c.warned.size()) << what;
    for (size_t i = 0; i < c.warned.size(); ++i) {
      const auto& m = s.messages.shown[i];
      EXPECT_EQ(m.title, "/d/大会.kai");
      EXPECT_TRUE(m.text.startsWith(QStringLiteral("%1行目: 組合せ数=").arg(c.warned[i])))
          << m.text.toStdString();
      EXPECT_TRUE(m.text.contains("男子シングルス　本戦")) << m.text.toStdString();
    }
    // A match after the skipped line still lands in the tree.
    if (c.tree && c.lines.last().startsWith("対戦")) {
      EXPECT_EQ(s.node(2).TaisenKekka, "21-3");
    }
  }
}

TEST(ReadTournamentKekka, HeaderKeysAndDefaults) {
  Stage s(4);
  s.read({"組合せ数=2.5", "決定順位=abc", "ポイント数=x", "予選リーグ印刷配置頁=2",
          "決勝リーグ印刷配置頁=3", "決勝トーナメント印刷配置頁=4", "上位トーナメント印刷=8"});
  EXPECT_EQ(s.t().SankaCount, 2);
  EXPECT_EQ(s.t().KetteiJuni, 1);
  EXPECT_EQ(s.t().PointCount, 21);
  EXPECT_EQ(s.t().SeedCount, 2);
  EXPECT_EQ(s.event().YosenLeaguePage, 2);
  EXPECT_EQ(s.event().KesshouLeaguePage, 3);
  EXPECT_EQ(s.event().KesshouTournamentPage, 4);
  EXPECT_EQ(s.event().JouiTournamentSize, 8);
  EXPECT_EQ(s.event().JouiTournamentPage, 0);
  s.read({"上位トーナメント印刷=16,5"});
  EXPECT_EQ(s.event().JouiTournamentSize, 16);
  EXPECT_EQ(s.event().JouiTournamentPage, 5);

  // A shape read in the stage shapes the tree built after it.
  Stage shaped(3);
  shaped.read({"初回戦=3,1,1,2", "ポイント数=21"});
  EXPECT_EQ(shaped.event().ShokaisenIndex, 0);
  EXPECT_EQ(shaped.node(5).Rank, 3);
  EXPECT_EQ(shaped.node(5).Shousha, 1);  // draw 1 is the second real leaf
}

TEST(ReadTournamentKekka, MatchLineFields) {
  Stage s(8);
  s.read({"ポイント数=21", "対戦=1,21-10:21-5,0,,,a,b,10:35,c", "対戦=5,2-1,-10,済,,x,y,7,z",
          "対戦=2,,3,,準々,,,,", "対戦=3,,-20,,,,, 3a : 4b ,"});
  const TaisenRec& m1 = s.node(4);
  EXPECT_EQ(m1.TaisenKekka, "21-10:21-5");
  EXPECT_EQ(m1.Shousha, 0);
  EXPECT_FALSE(m1.InsatsuZumi);
  EXPECT_EQ(m1.ShiaiBangouHyouji, "1");
  EXPECT_EQ(m1.ExtraText1, "a");
  EXPECT_EQ(m1.ExtraText2, "b");
  EXPECT_EQ(m1.ExtraText3, "c");
  EXPECT_EQ(m1.ExtraValue1, 10);
  EXPECT_EQ(m1.ExtraValue2, 35);
  EXPECT_EQ(m1.TimeTableLink, -1);
  // Winner -10 on an ordinary node: the winner coming from its first child.
  const TaisenRec& m5 = s.node(2);
  EXPECT_EQ(m5.Shousha, 0);
  EXPECT_TRUE(m5.InsatsuZumi);
  EXPECT_EQ(m5.ShiaiBangou, "5");
  EXPECT_EQ(m5.ShiaiBangouHyouji, "5");
  EXPECT_EQ(m5.ExtraValue1, 7);
  EXPECT_EQ(m5.ExtraValue2, 0);
  EXPECT_EQ(s.node(5).ShiaiBangouHyouji, "準々");
  EXPECT_EQ(s.node(5).ExtraValue1, 0);
  EXPECT_EQ(s.node(5).ExtraValue2, 0);
  // Winner -20: from the second child, a leaf here (entrant 5).
  EXPECT_EQ(s.node(6).Shousha, 5);
  EXPECT_EQ(s.node(6).ExtraValue1, 3);
  EXPECT_EQ(s.node(6).ExtraValue2, 4);
  EXPECT_EQ(s.node(7).TimeTableLink, 0);
}

TEST(ReadTournamentKekka, LevelsAndTheThirdPlaceMatch) {
  Stage s(8);
  s.read({"ポイント数=21",
          "対戦=1,,0,,",   // node 4: 0 beats 1
          "対戦=2,,3,,",   // node 5: 3 beats 2
          "対戦=3,,5,,",   // node 6: 5 beats 4
          "対戦=4,,6,,",   // node 7: 6 beats 7
          "対戦=5,,3,,",   // node 2: 3 beats 0
          "対戦=6,,5,,",   // node 3: 5 beats 6
          "対戦=7,,3,,"}); // final: 3 beats 5
  EXPECT_EQ(s.node(0).Taisen1, 0);
  EXPECT_EQ(s.node(0).Taisen2, 6);
  const int want[] = {-2, -1, -1, 3, -1, -3, -2, -1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s.level(i), want[i]) << i;

  // Third place: -20 is the loser of the lower semi-final; entrant 0 lost it.
  s.read({"対戦=8,,-20,,"});
  EXPECT_EQ(s.node(0).Shousha, 6);
  EXPECT_EQ(s.level(6), 4);
  EXPECT_EQ(s.level(0), -4);
  s.read({"対戦=8,,-10,,"});
  EXPECT_EQ(s.node(0).Shousha, 0);
  EXPECT_EQ(s.level(0), 4);
  EXPECT_EQ(s.level(6), -4);
  EXPECT_TRUE(s.messages.shown.empty());

  // A winner who lost earlier is reported, and the win is recorded anyway.
  s.read({"対戦=7,,5,,"});
  ASSERT_EQ(s.messages.shown.size(), 1u);
  const auto& msg = s.messages.shown[0];
  EXPECT_EQ(msg.title, "このメッセージをVessinにご連絡ください");
  EXPECT_EQ(msg.text, "MS\r\nE5");
  EXPECT_EQ(msg.icon, platform::MsgIcon::None);
  EXPECT_EQ(msg.buttons, platform::MsgButtons::Ok);
  EXPECT_EQ(s.level(5), 3);
  EXPECT_EQ(s.level(3), -3);
}

TEST(ReadTournamentKekka, LosersComeOnlyFromDecidedMatches) {
  // Two entrants: there are no semi-finals; -10 and -20 at the third place find nobody.
  Stage two(2);
  two.read({"ポイント数=21", "対戦=1,,1,,", "対戦=2,,-10,,", "対戦=2,,-20,,"});
  EXPECT_EQ(two.node(1).Shousha, 1);
  EXPECT_EQ(two.node(0).Shousha, -1);
  EXPECT_EQ(two.level(0), -1);

  // Three entrants: the upper half is a bye, the lower semi-final (node 3) is match 1.
  Stage three(3);
  three.read({"ポイント数=21", "対戦=3,,-10,,"});
  EXPECT_EQ(three.node(0).Shousha, -1);
  three.read({"対戦=1,,9999,,"});
  EXPECT_EQ(three.node(3).Shousha, 9999);
  EXPECT_EQ(three.node(0).Taisen2, -1);  // no loser of a match nobody won
  EXPECT_EQ(three.level(1), -1);
  EXPECT_EQ(three.level(2), -1);
  three.read({"対戦=1,,2,,"});
  EXPECT_EQ(three.node(0).Taisen2, 1);
  three.read({"対戦=3,,-20,,"});
  EXPECT_EQ(three.node(0).Shousha, 1);

  // A winner outside the draw is stored, marks nobody and yields no loser.
  Stage eight(8);
  eight.read({"ポイント数=21", "対戦=1,,0,,", "対戦=2,,3,,", "対戦=5,,50,,", "対戦=6,,-1,,"});
  EXPECT_EQ(eight.node(2).Shousha, 50);
  EXPECT_EQ(eight.node(0).Taisen1, -1);
  EXPECT_EQ(eight.level(0), 1);
  EXPECT_EQ(eight.level(3), 1);
  eight.read({"対戦=5,,-7,,"});
  EXPECT_EQ(eight.node(2).Shousha, -7);
  EXPECT_TRUE(eight.messages.shown.empty());
}

TEST(ReadTournamentKekka, MatchNumbersOutsideTheDraw) {
  Stage s(8);
  s.read({"対戦=1,,0,,", "ポイント数=21", "対戦=9,,1,,", "対戦=-3,,1,,", "対戦=0,,1,,",
          "対戦=abc,,1,,", "対戦=99999999999,,1,,"});
  ASSERT_EQ(s.messages.shown.size(), 2u);
  EXPECT_EQ(s.messages.shown[0].title, "男子シングルス　試合番号-9");
  EXPECT_EQ(s.messages.shown[0].text, kTooHigh);
  EXPECT_EQ(s.messages.shown[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(s.messages.shown[1].title, "男子シングルス　試合番号-2147483647");
  for (int k = 0; k < 16; ++k) {
    EXPECT_TRUE(s.node(k).TaisenKekka.isEmpty());
    EXPECT_EQ(s.node(k).TimeTableLink, 0) << k;  // no line reached a node
  }
  EXPECT_EQ(s.node(8).Shousha, 0);  // placed
  EXPECT_EQ(s.node(4).Shousha, -1);  // the line read before the tree was dropped
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s.level(i), 0);

  // A knock-out of one entrant has no tree: its lines are ignored.
  Stage one(1);
  EXPECT_EQ(one.read({"ポイント数=21", "対戦=1,,0,,", "対戦=2,,-10,,"}), ".eof.");
  EXPECT_TRUE(one.t().Taisens.empty());
  EXPECT_TRUE(one.messages.shown.empty());
  EXPECT_EQ(one.level(0), 0);
}

TEST(ReadTournamentKekka, FileWithoutVersionCountsAcrossEvents) {
  Stage s(8, 20);
  s.program.kekka.KekkaVersion.clear();
  s.read({"ポイント数=21", "対戦=1,,20,,", "対戦=2,,9999,,", "対戦=3,,5,,", "対戦=4,,26,,",
          "対戦=6,,-10,,"});
  EXPECT_EQ(s.node(4).Shousha, 0);
  EXPECT_EQ(s.node(5).Shousha, 9999);
  EXPECT_EQ(s.node(6).Shousha, 5);  // below the offset: kept as read
  EXPECT_EQ(s.node(7).Shousha, 6);
  EXPECT_EQ(s.node(3).Shousha, 5);
  EXPECT_EQ(s.level(0), 1);
  EXPECT_EQ(s.level(1), -1);
}

TEST(ReadTournamentKekka, RebuildingDiscardsResults) {
  Stage s(4);
  s.read({"ポイント数=21", "対戦=1,2-0,0,,", "ポイント数=15"});
  EXPECT_EQ(s.t().PointCount, 15);
  EXPECT_TRUE(s.node(2).TaisenKekka.isEmpty());
  EXPECT_EQ(s.node(2).Shousha, -1);
  EXPECT_EQ(s.node(4).Shousha, 0);
}

TEST(ReadTournamentKekka, QualifiersLevelTheirEntries) {
  Stage s(8);
  ShumokuRec& e = s.event();
  e.YosenLeagueAri = 1;
  e.KesshouShinshutsuSuu = 4;
  const int entryOf[] = {5, 2, 7, 0};
  for (int i = 0; i < 4; ++i) {
    KesshouShinshutsuRec q;
    q.SankashaIdx = entryOf[i];
    q.Ichi = i;
    e.KesshouShinshutsu.push_back(q);
  }
  s.t().SankaCount = 4;
  s.read({"ポイント数=21",
          "対戦=1,,1,,",     // node 2: qualifier 1 (entry 2) beats qualifier 0 (entry 5)
          "対戦=2,,2,,",     // node 3: qualifier 2 (entry 7) beats qualifier 3 (entry 0)
          "対戦=4,,-20,,"}); // third place: qualifier 3 beats qualifier 0
  EXPECT_EQ(s.node(4).Shousha, 0);
  EXPECT_EQ(s.node(0).Taisen1, 0);
  EXPECT_EQ(s.node(0).Taisen2, 3);
  EXPECT_EQ(s.node(0).Shousha, 3);
  EXPECT_EQ(s.level(2), 1);
  EXPECT_EQ(s.level(7), 1);
  EXPECT_EQ(s.level(0), 3);
  EXPECT_EQ(s.level(5), -3);
  // Not a qualifier (9999 included): nobody is marked.
  s.read({"対戦=3,,9999,,", "対戦=3,,40,,"});
  EXPECT_EQ(s.level(2), 1);
  EXPECT_EQ(s.level(7), 1);
  EXPECT_TRUE(s.messages.shown.empty());
}
