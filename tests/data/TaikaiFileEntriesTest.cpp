#include <QFile>

#include "data/SankashaLists.h"
#include "data/Spreadsheet.h"
#include "data/TaikaiFileFixture.h"
#include "platform/Cp932.h"

using namespace qv;
using qv::test::TaikaiFileTest;

namespace {

const QStringList kEvents = {"【大会データ】",         "種目=男子単,男子,単,MS",
                             "種目=女子単,女子,単,WS", "種目=女子複,女子,複,WD",
                             "種目=三人,混合,３人,X3", "種目=団体,男子,団体,MT"};

}  // namespace

TEST_F(TaikaiFileTest, EntriesByEvent) {
  ASSERT_FALSE(open(kEvents + QStringList{"【種目別参加者名簿】", "1,迷子,9", "[男子単]",
                                          "1,山田　太郎,3", "2,佐藤花子", "3,A,B,7", "",
                                          "4,鈴木,x", "名前だけ", "[団体]", "1,Ａ高,2"}));
  const ShumokuRec& ms = event(0);
  ASSERT_EQ(ms.SankashaCount, 5);
  EXPECT_EQ(ms.KumiawaseSuu2, 5);
  EXPECT_EQ(ms.KumiawaseSuu, 0);
  struct Expect {
    const char* name;
    int bangou;
  };
  const Expect expected[] = {{"山田 太郎", 3}, {"佐藤花子", -1}, {"A,B", 7}, {"鈴木", -1},
                             {"名前だけ", -1}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(entry(0, i).Name, expected[i].name);
    EXPECT_EQ(entry(0, i).Bangou, expected[i].bangou);
    EXPECT_EQ(entry(0, i).ShumokuName, "男子単");
    EXPECT_EQ(entry(0, i).SeqNo, 0);
  }
  ASSERT_EQ(tp.program.team.TeamShumokus.at(0).TeamCount, 1);
  EXPECT_EQ(tp.program.team.TeamShumokus[0].Teams[0].TeamName, "Ａ高");
}

TEST_F(TaikaiFileTest, UnknownEventNameOrAbbreviationEndsTheProgram) {
  auto end = open(kEvents + QStringList{"【種目別参加者名簿】", "[男子複]"});
  ASSERT_TRUE(end);
  EXPECT_EQ(end->title(), "種目別参加者名簿読み込みシステムエラー");
  EXPECT_EQ(end->message(), "種目名が見つかりません");
  EXPECT_EQ(tp.messages.shown.back().icon, platform::MsgIcon::Exclamation);

  for (const char* line : {"MD,山田,,1", ",山田,,1"}) {
    SCOPED_TRACE(line);
    end = open(kEvents + QStringList{"【申込団体別参加者名簿】", "団体=Ａ高", line});
    ASSERT_TRUE(end);
    EXPECT_EQ(end->title(), "申込団体別参加者名簿読み込みシステムエラー");
    EXPECT_EQ(end->message(), QStringLiteral("種目略号が見つかりません ") + QString(line).section(',', 0, 0));
  }
}

TEST_F(TaikaiFileTest, EntriesByOrganisation) {
  ASSERT_FALSE(open(kEvents + QStringList{
      "【申込団体別参加者名簿】", "団体=Ａ高", "MS,山田太郎,,5", "MS, 山田 次郎 ,Ａ高[東],6,やまだ",
      "  ", "MS,削除した川田,,7", "団体=共通", "MS,ｶﾜﾀﾞ,,", "WD,鈴木,田中,Ｂ高[東],,8,すずき,たなか",
      "WD,佐藤,伊藤,Ｃ高[東],Ｄ高[西],9", "WD,a,b,Ｅ高,Ｅ高[北]", "X3,一,二,三,Ｆ高,,Ｇ高[南],1",
      "団体=Ａ高", "MT,Ａ高ﾁｰﾑ,2"}));
  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.Shozoku.size(), 2u);
  EXPECT_EQ(p.taikai.Shozoku[1].Name, "共通");

  struct Expect {
    size_t event, index;
    const char* name;
    const char* group;
    const char* sub;
    int bangou;
  };
  const Expect expected[] = {
      {0, 0, "山田太郎,Ａ高", "", "", 5},
      {0, 1, "山田 次郎,Ａ高", "東", "やまだ", 6},
      {0, 2, "カワダ, ", "", "", -1},  // "共通" leaves a blank affiliation
      {2, 0, "鈴木,田中,Ｂ高,Ｂ高", "東", "すずき,たなか", 8},
      {2, 1, "佐藤,伊藤,Ｃ高,Ｄ高", "東／西", ",", 9},
      {2, 2, "ａ,ｂ,Ｅ高,Ｅ高", "／北", ",", -1},
      {3, 0, "一,二,三,Ｆ高,Ｆ高,Ｇ高", "／南", ",,", 1},
      {4, 0, "Ａ高チーム", "", "", 2},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(e.name);
    const SankashaRec& s = entry(e.event, e.index);
    EXPECT_EQ(s.Name, e.name);
    EXPECT_EQ(s.GroupName, e.group);
    EXPECT_EQ(s.SubText, e.sub);
    EXPECT_EQ(s.Bangou, e.bangou);
    EXPECT_EQ(s.SeqNo, static_cast<int>(e.index));
  }
  // The deleted entry is not there but its draw number is not in the table either.
  EXPECT_EQ(event(0).SankashaCount, 3);
  EXPECT_EQ(event(0).KumiawaseSuu, 3);
  EXPECT_EQ(event(0).MaxLen1, 6);  // "削除した川田" still counts
  EXPECT_EQ(event(2).MaxLen3, 1);
  const JudgeShumokuRec& judge = p.taikai.JudgeShumoku.at(0);
  EXPECT_EQ(judge.Count, 7);
  ASSERT_EQ(judge.Texts1.size(), 7);
  EXPECT_EQ(judge.Texts1[5], "山田太郎,Ａ高");
  EXPECT_EQ(judge.Texts1[0], "");
  ASSERT_EQ(p.team.TeamShumokus.at(0).TeamCount, 1);
  EXPECT_EQ(p.team.TeamShumokus[0].Teams[0].TeamName, "Ａ高チーム");
  EXPECT_TRUE(tp.messages.shown.empty());
}

// A dictionary of one row: the two parts of a name and its second name.
class OneRowSheet final : public Spreadsheet {
 public:
  QString ExcelGetCell(int row, int column) override {
    if (row != 1) return QString();
    return QStringList{"ﾔﾏﾀﾞ", "ﾀﾛｳ", "Taro YAMADA", ""}.value(column - 1);
  }
  void ExcelBeginSheet(const QString&, float, float, float, float, const QString&) override {}
  void ExcelWriteEntry(const QString&, int, int, int) override {}
  void ExcelClose() override {}
};

TEST_F(TaikaiFileTest, DictionaryOptionNarrowsTheLineAndFillsDictionaryTexts) {
  tp.program.spreadsheet = std::make_unique<OneRowSheet>();
  ASSERT_FALSE(open(kEvents + QStringList{"OPTION=YOJ", "【申込団体別参加者名簿】", "団体=Ａ高",
                                          "ＭＳ,ヤマダ　タロウ,,３", "MS,ヤマダ タロウ,,4,山田",
                                          "MS,誰か,,5"}));
  EXPECT_EQ(entry(0, 0).Name, "ﾔﾏﾀﾞ ﾀﾛｳ,A高");
  EXPECT_EQ(entry(0, 0).Bangou, 3);
  EXPECT_EQ(entry(0, 0).SubText, "Taro YAMADA");
  EXPECT_EQ(entry(0, 1).SubText, "山田");  // a given text stays
  EXPECT_EQ(entry(0, 2).SubText, "");
}

TEST_F(TaikaiFileTest, RunNumbersBecomeOrderWithinAffiliation) {
  ASSERT_FALSE(open(kEvents + QStringList{"【申込団体別参加者名簿】", "団体=Ａ高", "MS,一,,",
                                          "MS,二,,", "MS,三,,", "団体=Ｂ高", "MS,四,,", "団体=Ｃ高",
                                          "MS,五,,", "MS,六,,", "WS,七,,"}));
  const int expected[] = {1, 2, 3, 0, 1, 2};
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(entry(0, i).ShozokuNaiJun, expected[i]) << i;
  EXPECT_EQ(entry(1, 0).ShozokuNaiJun, 3);  // the run goes on across events
  EXPECT_EQ(event(0).SankashaOffset, 0);
  EXPECT_EQ(event(1).SankashaOffset, 6);
  EXPECT_EQ(event(2).SankashaOffset, 7);
}

TEST_F(TaikaiFileTest, RegroupCountFollowsRunsOfAbbreviations) {
  struct Case {
    const char* name;
    QStringList lines;
    int count;
  };
  const QStringList head = {"【大会データ】", "種目=男子単,男子,単,MS", "種目=女子単,女子,単,WS",
                            "【申込団体別参加者名簿】"};
  const std::vector<Case> cases = {
      {"grouped", head + QStringList{"MS,a,,", "MS,b,,", "WS,c,,"}, 0},
      {"scattered", head + QStringList{"MS,a,,", "WS,c,,", "MS,b,,"}, 1},
      {"deleted lines count", head + QStringList{"MS,a,,", "WS,削除c,,", "MS,b,,"}, 1},
      {"grouped, a section after",
       head + QStringList{"MS,a,,", "WS,c,,", "【大会データ】", "種目=男子単,男子,単,MS",
                          "種目=女子単,女子,単,WS"},
       0},
      {"one event only", head + QStringList{"WS,c,,"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qv::TaikaiDataFile file{"x", platform::TextFileReader(c.lines), {}, 0, {}};
    EXPECT_EQ(ReadTaikaiSections(tp.program, file), c.count);
  }
}

TEST_F(TaikaiFileTest, DrawNumbersBeyondAnyDrawAreRefused) {
  ASSERT_FALSE(open(kEvents + QStringList{"【申込団体別参加者名簿】", "MS,a,,4096", "MS,b,,999999999",
                                          "【種目別参加者名簿】", "[女子単]", "1,c,5000"}));
  EXPECT_EQ(entry(0, 0).Bangou, 4096);
  EXPECT_EQ(entry(0, 1).Bangou, -1);
  EXPECT_EQ(entry(1, 0).Bangou, -1);
  EXPECT_EQ(tp.program.taikai.JudgeShumoku.at(0).Count, 4097);
  ASSERT_EQ(tp.messages.shown.size(), 2u);
  EXPECT_TRUE(tp.messages.shown[0].text.contains("999999999"));
  EXPECT_TRUE(tp.messages.shown[0].text.contains("男子単"));
  EXPECT_TRUE(tp.messages.shown[0].text.contains(tp.folder() + "大会.tai"));
}

TEST_F(TaikaiFileTest, BytesThatAreNotShiftJisReadWithoutHarm) {
  QByteArray bytes = platform::encodeCp932(u"【大会データ】") + "\r\n";
  bytes += platform::encodeCp932(u"種目=") + "\xff\xfe,\x82,\x80\r\n";
  bytes += platform::encodeCp932(u"【申込団体別参加者名簿】") + "\r\n";
  bytes += "\xff\xfe\x82,\x81";
  QFile f(tp.folder() + "壊れ.tai");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  const auto end = openExisting("壊れ.tai");
  // The entry line names no event: a message, never a crash.
  ASSERT_TRUE(end);
  EXPECT_EQ(end->title(), "申込団体別参加者名簿読み込みシステムエラー");
}

TEST_F(TaikaiFileTest, EntryFieldsLoseHalfWidthBlanksOnly) {
  ASSERT_FALSE(open(kEvents + QStringList{"【申込団体別参加者名簿】", "団体=Ａ高",
                                          " MS ,\t山田\t, Ａ高 ,5"}));
  EXPECT_EQ(entry(0, 0).Name, "\t山田\t,Ａ高");
  EXPECT_EQ(entry(0, 0).Bangou, 5);
  EXPECT_TRUE(tp.messages.shown.empty());
}
