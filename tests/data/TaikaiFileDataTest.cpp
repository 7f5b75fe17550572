#include <QFileInfo>

#include <functional>
#include <vector>

#include "data/Kankyou.h"
#include "data/Taikai.h"
#include "data/TaikaiFileFixture.h"
#include "data/TextVars.h"

using namespace qv;
using qv::test::TaikaiFileTest;

namespace {

QString textVar(const Program& p, const QString& key) {
  for (const auto& v : p.textVars.TextVars) {
    if (v.Key == key) return v.Value;
  }
  return QStringLiteral("<none>");
}

}  // namespace

TEST_F(TaikaiFileTest, KeysSetTheHeaderAndUnknownKeysBecomeTextVariables) {
  tp.program.kankyou.KankyouShoujou = "市長";
  ASSERT_FALSE(open({"前置き", "【大会データ】", "大会名= 第10回=記念大会 ", "開催日=2009年5月3日",
                     "協会=市協会", "会長=山田", "参加資格=登録者", "日程=日程.txt",
                     "団体結果検印=60,25,,,,2,勝,負", "後援=市", "=値だけ", "等号なし",
                     "ブロック=なし", "予選=", "リーグ戦順位判定方法=勝率"}));
  const Program& p = tp.program;
  EXPECT_TRUE(read);
  EXPECT_EQ(p.taikai.Taikai.Name, "第10回=記念大会");
  EXPECT_EQ(p.taikai.Taikai.KaisaiBi, "2009.05.03");
  EXPECT_EQ(p.taikai.KyoukaiName, "市協会");
  EXPECT_EQ(textVar(p, "協会名"), "市協会");
  EXPECT_EQ(textVar(p, "会長名"), "山田");
  EXPECT_EQ(textVar(p, "後援"), "市");
  EXPECT_EQ(textVar(p, ""), "<none>");
  EXPECT_EQ(p.taikai.Taikai.SankaShikaku, "登録者");
  EXPECT_EQ(p.taikai.Taikai.Shoujou, "市長");
  EXPECT_EQ(p.taikai.NitteiFileName, "日程.txt");
  EXPECT_EQ(p.kankyou.LeagueJuniHantei, "勝率");
  EXPECT_EQ(p.taikai.sw.LeagueBlockName, "");
  EXPECT_EQ(p.taikai.sw.LeagueYosenName, "");
  // Given fields replace the defaults; missing ones keep them.
  EXPECT_EQ(p.teamKenin.TeamKenin1, 60.f);
  EXPECT_EQ(p.teamKenin.TeamKenin3, 0.f);
  EXPECT_EQ(p.teamKenin.TeamKeninCount, 2);
  EXPECT_EQ(p.teamKenin.TeamKeninLabel2, "負");
  EXPECT_EQ(p.teamKenin.TeamKeninLabel3, "審判長");
  EXPECT_EQ(p.teamKenin.TeamKeninFlag, 1);
  // The section ran to the end of the file without リーグ戦明細.
  EXPECT_EQ(p.taikai.sw.LeagueMeisaiMode, 0);
  EXPECT_TRUE(p.kekka.UserErrorContinue);
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(TaikaiFileTest, SealBoxLineFillsOnlyTheFieldsItHas) {
  struct Case { const char* value; float kenin1; float kenin2; int count; const char* label1; };
  const Case cases[] = {{"", 70.f, 30.f, 3, "勝者"},
                        {"   ", 70.f, 30.f, 3, "勝者"},
                        {"55", 55.f, 30.f, 3, "勝者"},
                        {"70.5,30.2", 70.5f, 30.2f, 3, "勝者"},
                        {"1,2,3,4,5,6,\t勝\u3000", 1.f, 2.f, 6, "\t勝\u3000"}};
  for (const auto& c : cases) {
    ASSERT_FALSE(open({"【大会データ】", QStringLiteral("団体結果検印=") + QString::fromUtf8(c.value)}));
    const TeamKeninState& k = tp.program.teamKenin;
    EXPECT_EQ(k.TeamKenin1, c.kenin1) << c.value;
    EXPECT_EQ(k.TeamKenin2, c.kenin2) << c.value;
    EXPECT_EQ(k.TeamKenin5, 5.f) << c.value;
    EXPECT_EQ(k.TeamKeninCount, c.count) << c.value;
    EXPECT_EQ(k.TeamKeninLabel1, QString::fromUtf8(c.label1)) << c.value;
    EXPECT_EQ(k.TeamKeninFlag, 1) << c.value;
  }
}

TEST_F(TaikaiFileTest, ValuesLoseHalfWidthBlanksOnly) {
  ASSERT_FALSE(open({"【大会データ】", "大会名=  \t大会\u3000  ", "会長= 山田\t"}));
  EXPECT_EQ(tp.program.taikai.Taikai.Name, "\t大会\u3000");
  EXPECT_EQ(textVar(tp.program, "会長名"), "山田\t");
}

TEST_F(TaikaiFileTest, OptionWordsSetSwitchesAndOnlySomeAreKept) {
  struct Case {
    const char* word;
    bool kept;
    std::function<bool(const TaikaiSwitches&)> check;
  };
  const std::vector<Case> cases = {
      {"RANKING", false, [](const auto& sw) { return sw.NumberSeedJun; }},
      {"団体戦総括票", false, [](const auto& sw) { return sw.TeamSoukatsuhyou; }},
      {"P2NULL", false, [](const auto& sw) { return sw.FinalCaption.isEmpty(); }},
      {"DELBLA", true, [](const auto& sw) { return sw.DelBla; }},
      {"USE学校", true, [](const auto& sw) { return !sw.UseGakkou; }},
      {"略号表示", true, [](const auto& sw) { return sw.ShumokuRyakugouHyouji; }},
      {"リーグ上姓名", true, [](const auto& sw) { return sw.LeagueUeName == "姓名"; }},
      {"リーグ左グループ", true, [](const auto& sw) { return sw.LeagueHidariGroup == "グループ"; }},
      {"リーグ左所属グループ", true,
       [](const auto& sw) { return sw.LeagueHidariGroup == "所属グループ"; }},
      {"正副オーダー用紙", true,
       [](const auto& sw) {
         return sw.TeamOrderYoushi == "正副" &&
                sw.TeamOrderCaptions.mid(0, 2) == QStringList{"自チーム控え", "本部提出用(正)"};
       }},
      {"３連オーダー用紙", true,
       [](const auto& sw) {
         return sw.TeamOrderYoushi == "３連" &&
                sw.TeamOrderCaptions ==
                    QStringList{"自チーム控え", "対戦相手用", "本部提出用(正)"};
       }},
      {"YOJ", true, [](const auto& sw) { return !sw.NarrowEntryText; }},
      {"ranking", true, [](const auto& sw) { return !sw.NumberSeedJun; }},
      {"リーグ戦明細", true, [](const auto& sw) { return sw.LeagueMeisaiMode == 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    ASSERT_FALSE(open({"【大会データ】", QStringLiteral("OPTION=") + c.word}));
    const TaikaiSwitches& sw = tp.program.taikai.sw;
    EXPECT_TRUE(c.check(sw));
    EXPECT_EQ(IsTaikaiOption(sw, c.word), c.kept);
    EXPECT_EQ(sw.TaikaiOptions.size(), c.kept ? 1 : 0);
  }
}

TEST_F(TaikaiFileTest, DefaultsAndTheEndOfTheSectionDecideTheDetailMode) {
  ASSERT_FALSE(open({"【大会データ】", "OPTION=リーグ戦明細", "OPTION=リーグ戦明細", "ブロック=",
                     "【種目別参加者名簿】"}));
  const TaikaiSwitches& sw = tp.program.taikai.sw;
  EXPECT_EQ(sw.LeagueMeisaiMode, 2);  // the section ended at a marker
  EXPECT_EQ(sw.TaikaiOptions.size(), 2);
  EXPECT_EQ(sw.LeagueBlockName, "ブロック");
  EXPECT_EQ(sw.LeagueUeName, "姓");
  EXPECT_EQ(sw.LeagueHidariGroup, "所属");
  EXPECT_EQ(sw.TeamOrderYoushi, "２枚");
  EXPECT_EQ(sw.FinalCaption, "決勝戦");
  EXPECT_TRUE(sw.UseGakkou);
  EXPECT_TRUE(sw.ShozokuHyouji);
  EXPECT_EQ(tp.program.taikai.Taikai.SankaShikaku, "県協");
}

TEST_F(TaikaiFileTest, FirstEventPlacesTheSexLetter) {
  struct Case {
    const char* line;
    int start, end;
  };
  for (const Case& c : {Case{"種目=一般男子単,男子,単,1BS", 2, 3}, Case{"種目=男子,男子,単,1AS", 1, 2},
                        Case{"種目=女子,女子,単,WLS", 2, 3}, Case{"種目=混合,混合,複,1XD", 2, 3},
                        Case{"種目=混合,混合,複,1BD", 1, 2}, Case{"種目=A,男子,単,A", 0, 0},
                        Case{"種目=A,男子,単,BS", 1, 2}}) {
    SCOPED_TRACE(c.line);
    // Only the first event counts.
    ASSERT_FALSE(open({"【大会データ】", c.line, "種目=他,男子,単,12345"}));
    EXPECT_EQ(tp.program.taikai.sw.SeibetsuPosStart, c.start);
    EXPECT_EQ(tp.program.taikai.sw.SeibetsuPosEnd, c.end);
  }
}

TEST_F(TaikaiFileTest, TeamEventsPairWithTheirEvents) {
  ASSERT_FALSE(open({"【大会データ】", "種目=男子単,男子,単,MS", "種目=男子団体,男子,団体,MT",
                     "種目=女子団体,女子,団体,WT", "種目=短い,女子", "【種目別参加者名簿】",
                     "[女子団体]", "1,Ａ高,1", "[男子団体]", "1,Ｂ高", "2,Ｃ高,2",
                     "【申込団体別参加者名簿】", "MT,Ｄ高,,3"}));
  const Program& p = tp.program;
  ASSERT_EQ(p.taikai.Taikai.ShumokuCount, 4);
  ASSERT_EQ(p.team.TeamShumokuCount, 2);
  EXPECT_EQ(event(0).TeamShumokuIndex, -1);
  EXPECT_EQ(event(1).TeamShumokuIndex, 0);
  EXPECT_EQ(event(2).TeamShumokuIndex, 1);
  EXPECT_EQ(event(3).Ryakugou, "");
  EXPECT_EQ(p.team.TeamShumokus[0].ShumokuIndex, 1);
  EXPECT_EQ(p.team.TeamShumokus[0].Meishou, "男子団体");
  EXPECT_EQ(p.team.TeamShumokus[1].Seibetsu, "女子");
  ASSERT_EQ(p.team.TeamShumokus[0].TeamCount, 3);
  EXPECT_EQ(p.team.TeamShumokus[0].Teams[2].TeamName, "Ｄ高");
  ASSERT_EQ(p.team.TeamShumokus[1].TeamCount, 1);
  EXPECT_EQ(p.team.TeamShumokus[1].Teams[0].TeamName, "Ａ高");
  EXPECT_EQ(p.taikai.JudgeShumoku.size(), 4u);
}

TEST_F(TaikaiFileTest, OpeningAnotherTournamentResetsWhatTheFirstSet) {
  ASSERT_FALSE(open({"【大会データ】", "大会名=一", "OPTION=DELBLA", "OPTION=YOJ", "OPTION=P2NULL",
                     "OPTION=団体戦総括票", "予選=予選リーグ", "日程=a.txt",
                     "種目=団体,男子,団体,MT", "【種目別参加者名簿】", "[団体]", "1,Ａ,1"}));
  EXPECT_TRUE(tp.program.taikai.sw.DelBla);
  tp.program.kankyou.KankyouShoujou = "知事";
  ASSERT_FALSE(open({"【大会データ】", "種目=単,男子,単,MS"}, "二.tai"));
  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.TaikaiFileName, "二.tai");
  EXPECT_EQ(p.taikai.Taikai.Name, "");
  EXPECT_FALSE(p.taikai.sw.DelBla);
  EXPECT_TRUE(p.taikai.sw.NarrowEntryText);
  EXPECT_FALSE(p.taikai.sw.TeamSoukatsuhyou);
  EXPECT_EQ(p.taikai.sw.FinalCaption, "決勝戦");
  EXPECT_EQ(p.taikai.sw.LeagueYosenName, "");
  EXPECT_EQ(p.taikai.NitteiFileName, "");
  EXPECT_EQ(p.taikai.Taikai.Shoujou, "知事");
  EXPECT_EQ(p.taikai.Taikai.ShumokuCount, 1);
  EXPECT_EQ(p.team.TeamShumokuCount, 0);
  EXPECT_TRUE(p.team.TeamShumokus.empty());
}

TEST_F(TaikaiFileTest, FilesThatAreNotTournamentDataEndTheProgram) {
  struct Case {
    QStringList lines;
    const char* title;
  };
  const std::vector<Case> cases = {
      {{}, "大会参加者読み込み"},
      {{"大会名=X"}, "Quorvaneデータではありません"},
      {{"【大会データ】", "【その他】", "a=b"}, "Quorvaneデータではありません"},
      {{""}, "Quorvaneデータではありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    tp.messages.shown.clear();
    const auto end = open(c.lines);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->title(), c.title);
    EXPECT_EQ(end->message(), tp.folder() + "大会.tai");
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, c.title);
  }
}

TEST_F(TaikaiFileTest, AMissingFileIsReportedWithoutEndingTheProgram) {
  ASSERT_FALSE(open({"【大会データ】", "大会名=前の大会", "種目=単,男子,単,MS"}));
  EXPECT_FALSE(openExisting("ない.tai").has_value());
  EXPECT_EQ(tp.program.taikai.Taikai.Name, "前の大会");  // the open tournament stays
  EXPECT_EQ(tp.program.taikai.Taikai.ShumokuCount, 1);
  EXPECT_FALSE(read);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].text, tp.folder() + "ない.tai");
  EXPECT_EQ(tp.messages.shown[0].icon, platform::MsgIcon::Exclamation);

  tp.messages.shown.clear();
  EXPECT_FALSE(openExisting("  ").has_value());
  EXPECT_FALSE(read);
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(TaikaiFileTest, ReadingStopsAtTheTeamRoster) {
  ASSERT_FALSE(open({"【大会データ】", "種目=単,男子,単,MS", "【団体別参加者名簿】",
                     "【申込団体別参加者名簿】", "XX,誰か,,1"}));
  EXPECT_EQ(event(0).SankashaCount, 0);
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(TaikaiFileTest, SampleTournamentReadsWithoutAMessage) {
  const QString samples = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/");
  if (!QFileInfo::exists(samples + "data/青葉市民大会.tai")) GTEST_SKIP() << "no sample yet";
  tp.program.programFolder = samples + "program/";
  try {
    ReadKankyouTeigi(tp.program);
  } catch (const platform::ProgramEnd& end) {
    FAIL() << end.title().toStdString() << ": " << end.message().toStdString();
  }
  tp.program.taikai.DataFolder = samples + "data/";
  tp.messages.shown.clear();
  ASSERT_FALSE(openExisting("青葉市民大会.tai").has_value());
  EXPECT_TRUE(read);
  for (const auto& m : tp.messages.shown) {
    ADD_FAILURE() << m.title.toStdString() << ": " << m.text.toStdString();
  }
  EXPECT_EQ(tp.program.taikai.Taikai.ShumokuCount, 5);
  EXPECT_GT(event(1).SankashaCount, 0);
  EXPECT_EQ(tp.program.team.TeamShumokus.at(0).TeamCount, event(0).SankashaCount);
  // Regrouped files are never rewritten: no backup appears beside the sample.
  EXPECT_FALSE(QFileInfo::exists(samples + "data/青葉市民大会.bak"));
}
