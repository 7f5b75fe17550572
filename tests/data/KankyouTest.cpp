#include <gtest/gtest.h>

#include <QDir>

#include <functional>
#include <optional>

#include "data/Kankyou.h"
#include "data/KankyouState.h"
#include "data/TextVars.h"
#include "platform/ProgramEnd.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;
using qv::test::TestProgram;

namespace {

std::optional<QString> textVar(const Program& p, const QString& key) {
  for (const auto& v : p.textVars.TextVars) {
    if (v.Key == key) return v.Value;
  }
  return std::nullopt;
}

// Reads the configuration made of the lines; the ProgramEnd it threw, if any.
std::optional<platform::ProgramEnd> readConfig(TestProgram& tp, const QStringList& lines) {
  tp.writeFile("Quorvane.cfg", lines);
  try {
    ReadKankyouTeigi(tp.program);
  } catch (const platform::ProgramEnd& end) {
    return end;
  }
  return std::nullopt;
}

}  // namespace

TEST(KankyouTeigi, KeysSetValuesAndTextVariables) {
  TestProgram tp;
  tp.writeFile("文章.txt", {"文章名＝挨拶", "本日は"});
  ASSERT_FALSE(readConfig(tp, {"協会=県協会=本部", "会長=山田", "*メモ=abc", "大会略称=ABC",
                               "名簿=x", "先頭ブロック名称=A", "文章ファイル=文章.txt",
                               "賞状=県知事", "審判用紙=A4", "参加者種目別種別=種目順",
                               "リーグ戦順位判定方法=", "リーグ審判=有", "トーナメント審判=無",
                               "HTM出力=true", "協会", "", "未知の行"}));
  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.KyoukaiName, "県協会");
  EXPECT_EQ(p.taikai.KaichouName, "山田");
  EXPECT_EQ(p.kankyou.BunshouFileName, "文章.txt");
  EXPECT_EQ(p.kankyou.KankyouShoujou, "県知事");
  EXPECT_EQ(p.kankyou.ShinpanYoushi.Name, "A4");
  EXPECT_EQ(p.kankyou.SankashaShumokuShubetsu, "種目順");
  EXPECT_EQ(p.kankyou.LeagueJuniHantei, "勝率");
  EXPECT_EQ(p.kankyou.LeagueShinpan, "有");
  EXPECT_EQ(p.kankyou.TournamentShinpan, "無");
  EXPECT_TRUE(p.kankyou.HtmOutput);
  EXPECT_EQ(p.kankyou.InsatsuFont, "ＭＳ 明朝");
  EXPECT_TRUE(tp.messages.shown.empty());

  struct Var { const char* key; const char* value; };  // value nullptr: no such variable
  const Var vars[] = {{"協会名", "県協会"}, {"会長名", "山田"}, {"大会略称", "ABC"},
                      {"*メモ", nullptr}, {"名簿", nullptr}, {"先頭ブロック名称", nullptr},
                      {"HTM出力", nullptr}, {"協会", nullptr}, {"未知の行", nullptr}};
  for (const auto& v : vars) {
    const auto got = textVar(p, QString::fromUtf8(v.key));
    if (v.value) {
      EXPECT_EQ(got, std::optional<QString>(QString::fromUtf8(v.value))) << v.key;
    } else {
      EXPECT_FALSE(got.has_value()) << v.key;
    }
  }
  // The page phrases are set up and the named phrase file is read at the end.
  EXPECT_EQ(p.bunshou.BunshouItemCount, 13);
  EXPECT_EQ(p.bunshou.BunshouNames, QStringList{"挨拶"});
}

TEST(KankyouTeigi, SingleValuedSwitches) {
  struct Case { const char* line; bool htm; const char* hantei; };
  const Case cases[] = {{"HTM出力=TRUE", true, "多勝少敗"}, {"HTM出力=True", true, "多勝少敗"},
                        {"HTM出力=yes", false, "多勝少敗"}, {"HTM出力=", false, "多勝少敗"},
                        {"リーグ戦順位判定方法=得失点", false, "得失点"},
                        {"リーグ戦順位判定方法=", false, "勝率"}};
  for (const auto& c : cases) {
    TestProgram tp;
    ASSERT_FALSE(readConfig(tp, {QString::fromUtf8(c.line)}));
    EXPECT_EQ(tp.program.kankyou.HtmOutput, c.htm) << c.line;
    EXPECT_EQ(tp.program.kankyou.LeagueJuniHantei, QString::fromUtf8(c.hantei)) << c.line;
  }
}

TEST(KankyouTeigi, MissingConfigurationEndsTheProgram) {
  TestProgram tp;
  std::optional<platform::ProgramEnd> end;
  try {
    ReadKankyouTeigi(tp.program);
  } catch (const platform::ProgramEnd& e) {
    end = e;
  }
  ASSERT_TRUE(end);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "Quorvaneシステム");
  EXPECT_EQ(tp.messages.shown[0].text, "環境定義ファイルが見つかりません");
  EXPECT_EQ(tp.messages.shown[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(end->message(), "環境定義ファイルが見つかりません");
}

TEST(KankyouTeigi, LeagueMatchOrderAndReferees) {
  TestProgram tp;
  ASSERT_FALSE(readConfig(tp, {"試合番号=4,1,6,2,5,3,4", "試合番号=3,2,3,1",
                               "ブロック審判=3,5,6,7,8,9,10", "試合番号=18", "ブロック審判=4,2,3"}));
  const KankyouState& k = tp.program.kankyou;
  const LeagueShiaiJunRec* four = k.LeagueShiaiJun(4);
  ASSERT_NE(four, nullptr);
  EXPECT_EQ(four->LeagueSize, 4);
  EXPECT_EQ(four->ShiaiCount, 6);
  EXPECT_EQ(four->Order, (std::vector<int>{1, 6, 2, 5, 3, 4}));
  EXPECT_EQ(four->OrderInv, (std::vector<int>{0, 2, 4, 5, 3, 1}));
  EXPECT_EQ(four->OrderInv[5], 1);
  EXPECT_EQ(four->Shinpan, (std::vector<int>{2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));

  // Exactly 2k referee numbers fill both halves.
  const LeagueShiaiJunRec* three = k.LeagueShiaiJun(3);
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(three->OrderInv, (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(three->Shinpan, (std::vector<int>{5, 6, 7, 8, 9, 10}));

  // A size with no matches listed, sizes never listed, and sizes outside the table.
  EXPECT_EQ(k.LeagueShiaiJun(18)->LeagueSize, 18);
  EXPECT_EQ(k.LeagueShiaiJun(18)->ShiaiCount, 0);
  EXPECT_EQ(k.LeagueShiaiJun(5)->LeagueSize, 0);
  EXPECT_TRUE(k.LeagueShiaiJun(5)->Order.empty());
  EXPECT_EQ(k.LeagueShiaiJun(2), nullptr);
  EXPECT_EQ(k.LeagueShiaiJun(19), nullptr);
}

TEST(KankyouTeigi, LinesTheFormatDoesNotAllowEndTheProgram) {
  struct Case { QStringList lines; int lineNo; const char* reason; };
  const Case cases[] = {
      {{"協会=A", "試合番号=2,1"}, 2, "3から18"},
      {{"試合番号=19,1"}, 1, "3から18"},
      {{"試合番号=abc,1"}, 1, "3から18"},
      {{"試合番号=4,1,1,2"}, 1, "1から3まで"},
      {{"試合番号=4,1,5,2,3"}, 1, "1から4まで"},
      {{"試合番号=4,1,x"}, 1, "1から2まで"},
      {{"試合番号=4,0"}, 1, "1から1まで"},
      {{"試合番号=4,1,2,3,4,5,6", "ブロック審判=5,1,2"}, 2, "試合番号=の行より前"},
      {{"試合番号=3,1,2,3", "ブロック審判=3,1,2,3,4,5,6,7"}, 2, "2倍(6)"},
      {{"ブロック審判=20,1"}, 1, "3から18"},
      {{"[団体戦諸元]", "適用=一般", "名称=A", "END"}, 2, "名称=の行より前"},
      {{"[団体戦諸元]", "名称=A", "区分=一般,11,5,3"}, 1, "ENDの行がありません"},
  };
  for (const auto& c : cases) {
    TestProgram tp;
    const auto end = readConfig(tp, c.lines);
    ASSERT_TRUE(end) << c.lines.join('|').toStdString();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    const auto& msg = tp.messages.shown[0];
    EXPECT_EQ(msg.title, "環境定義ファイルの読み込み");
    EXPECT_EQ(end->title(), msg.title);
    EXPECT_EQ(end->message(), msg.text);
    const QString text = msg.text;
    EXPECT_TRUE(text.contains(tp.folder() + "Quorvane.cfg")) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("%1行目: %2").arg(c.lineNo).arg(c.lines[c.lineNo - 1])))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.toStdString();
    // The page phrases are never set up from a configuration read only in part.
    EXPECT_EQ(tp.program.bunshou.BunshouItemCount, 0);
  }
}

TEST(KankyouTeigi, TeamMatchTypes) {
  TestProgram tp;
  ASSERT_FALSE(readConfig(tp, {"[団体戦諸元]", "名称=三複", "適用=一般", "構成種目=第1複,1D,,複,213",
                               "構成種目=第1単,1S,x,単,21", "区分=一般,11,5,3", "区分=控え,00,2",
                               "未知=1", "名称=単のみ", "END", "協会=後"}));
  const KankyouState& k = tp.program.kankyou;
  ASSERT_EQ(k.TeamShogenCount, 2);
  ASSERT_EQ(k.TeamShogens.size(), 2u);
  const TeamShogenRec& t = k.TeamShogens[0];
  EXPECT_EQ(t.Meishou, "三複");
  EXPECT_EQ(t.Tekiyou, "一般");
  ASSERT_EQ(t.KouseiCount, 2);
  struct K { const char* m; const char* h; const char* t3; const char* kind; const char* rule; };
  const K kousei[] = {{"第1複", "1D", "", "複", "213"}, {"第1単", "1S", "x", "単", "21"}};
  for (int i = 0; i < 2; ++i) {
    const auto& d = t.Kousei[static_cast<size_t>(i)];
    EXPECT_EQ(d.Meishou, QString::fromUtf8(kousei[i].m));
    EXPECT_EQ(d.Hyouji, QString::fromUtf8(kousei[i].h));
    EXPECT_EQ(d.Text3, QString::fromUtf8(kousei[i].t3));
    EXPECT_EQ(d.Kind, QString::fromUtf8(kousei[i].kind));
    EXPECT_EQ(d.Rule, QString::fromUtf8(kousei[i].rule));
    EXPECT_EQ(d.Index, i);
  }
  EXPECT_EQ(t.Kubun.Count, 2);
  EXPECT_EQ(t.Kubun.Names, (QStringList{"一般", "控え"}));
  EXPECT_EQ(t.Kubun.Labels, (QStringList{"11", "00"}));
  EXPECT_EQ(t.Kubun.MaxCount, (std::vector<int>{5, 2}));
  EXPECT_EQ(t.Kubun.MaxCount2, (std::vector<int>{5, 2}));
  EXPECT_EQ(t.Kubun.SlotCount, (std::vector<int>{3, 0}));
  EXPECT_EQ(k.TeamShogens[1].Meishou, "単のみ");
  EXPECT_EQ(k.TeamShogens[1].KouseiCount, 0);
  // Reading goes on with ordinary keys after END.
  EXPECT_EQ(tp.program.taikai.KyoukaiName, "後");
}

TEST(KankyouTeigi, EventClasses) {
  struct Case { QStringList lines; bool ends; int classes; const char* kongou; };
  const Case cases[] = {
      {{"協会=A"}, false, 1, "MWX"},
      {{"[大会種目クラス]", "*コメント", "", "一般男子,MA,1", "男女混合,MFX", "シニア,S,2,余分"},
       false, 3, "MFX"},
      {{"[大会種目クラス]", "男女混合"}, false, 1, ""},
      {{"[大会種目クラス]", "一般男子,MA,1", "一般,A"}, true, 0, ""},
  };
  for (const auto& c : cases) {
    TestProgram tp;
    const auto end = readConfig(tp, c.lines);
    const KankyouState& k = tp.program.kankyou;
    if (c.ends) {
      ASSERT_TRUE(end);
      ASSERT_EQ(tp.messages.shown.size(), 1u);
      EXPECT_EQ(tp.messages.shown[0].title, "環境定義ファイルの読み込み");
      EXPECT_EQ(tp.messages.shown[0].text, "バージョンが古いのでVessinに連絡して下さい");
      EXPECT_EQ(tp.messages.shown[0].icon, platform::MsgIcon::Information);
      continue;
    }
    ASSERT_FALSE(end) << c.lines.join('|').toStdString();
    EXPECT_EQ(k.ShumokuClassCount, c.classes);
    ASSERT_EQ(k.ShumokuClasses.size(), static_cast<size_t>(c.classes));
    EXPECT_EQ(k.ShumokuClasses[0].Texts[0], "(なし)");
    EXPECT_EQ(k.KongouCodes, QString::fromUtf8(c.kongou));
  }
  TestProgram tp;
  ASSERT_FALSE(readConfig(tp, {"[大会種目クラス]", "一般男子,MA,1", "シニア,S,2,余分"}));
  const auto& classes = tp.program.kankyou.ShumokuClasses;
  EXPECT_EQ(classes[1].Texts, (std::array<QString, 3>{"一般男子", "MA", "1"}));
  EXPECT_EQ(classes[2].Texts, (std::array<QString, 3>{"シニア", "S", "2"}));
}

TEST(KankyouTeigi, UserFileFirstValue) {
  struct Case { std::optional<QString> line; const char* user; };
  const Case cases[] = {{std::nullopt, ""},          {QString(), ""},
                        {"\"山田, 太郎\",x", "山田, 太郎"}, {"  鈴木 ,次", "鈴木"},
                        {"\" 佐藤 \"", "佐藤"},       {"\"閉じない,値", "閉じない,値"},
                        {"Vessin", "Vessin"}};
  for (const auto& c : cases) {
    TestProgram tp;
    tp.program.kankyou.UserName = "前の値";
    if (c.line) tp.writeFile("User.dat", c.line->isEmpty() ? QStringList{} : QStringList{*c.line});
    ASSERT_FALSE(readConfig(tp, {"協会=A"}));
    EXPECT_EQ(tp.program.kankyou.UserName, QString::fromUtf8(c.user))
        << c.line.value_or("(none)").toStdString();
  }
}

TEST(KankyouTeigi, DataFolderChoice) {
  struct Case {
    QDate today;
    QStringList folders;
    std::optional<QString> remembered;  // first line of 前回ファイル.cfg, "<p>" the program folder
    QString expected;                   // relative to the program folder
  };
  const Case cases[] = {
      {QDate(2025, 3, 15), {"2024Data", "2025Data"}, std::nullopt, "2024Data/"},
      {QDate(2025, 4, 1), {"2024Data", "2025Data"}, std::nullopt, "2025Data/"},
      {QDate(2025, 1, 1), {"2025Data"}, std::nullopt, ""},
      {QDate(2025, 3, 15), {"2024Data"}, "<p>gone/", ""},
      {QDate(2025, 3, 15), {"2024Data", "大会"}, "<p>大会/", "大会/"},
      {QDate(2025, 3, 15), {"2024Data"}, "", ""},
  };
  for (const auto& c : cases) {
    TestProgram tp(QDateTime(c.today, QTime(9, 0)));
    for (const auto& f : c.folders) QDir(tp.folder()).mkpath(f);
    if (c.remembered) {
      QString line = *c.remembered;
      line.replace("<p>", tp.folder());
      tp.writeFile("前回ファイル.cfg", line.isEmpty() ? QStringList{} : QStringList{line});
    }
    ASSERT_FALSE(readConfig(tp, {"協会=A"}));
    EXPECT_EQ(tp.program.taikai.DataFolder, tp.folder() + c.expected)
        << c.today.toString(Qt::ISODate).toStdString() << " " << c.expected.toStdString();
  }
}
