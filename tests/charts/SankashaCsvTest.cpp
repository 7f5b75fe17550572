// The roster CSV files: participants and their events, the affiliation tally, the kind
// columns, three-player entries and a file that cannot be written.

#include <QDir>

#include "charts/SankashaCsv.h"
#include "program/ChartFiles.h"
#include "charts/MeiboFixture.h"

namespace qv {
namespace {

const QString kTally = QStringLiteral("所属団体別参加数.csv");
const QString kIchiran = QStringLiteral("参加者一覧.csv");

class SankashaCsvTest : public test::MeiboFixture {
 protected:
  // A player in singles and doubles under two spellings of one name, the same name with
  // another affiliation in mixed doubles, and an event without entries.
  void addPlayers() {
    addEvent("MS", "男子", "単", {"山田　太郎,東高", "鈴木　一郎,西高"});
    addEvent("MD", "男子", "複", {"山田太郎,鈴木(一郎),東高,西高"}).Sankasha[0].GroupName = "A";
    addEvent("XD", "混合", "複", {"山田　太郎,花子,北高,東高"});
    addEvent("WS", "女子", "単", {});
  }
};

TEST_F(SankashaCsvTest, ParticipantsAreCountedOncePerNameAndAffiliation) {
  addPlayers();
  WriteChartFiles(t.program, SankashaCsvFiles(t.program));
  EXPECT_EQ(fileLines(kIchiran), QStringList({
                                     "男女,氏名,所属,グループ,MS,MD,XD,WS",
                                     "1,山田　太郎,東高,,○,○,,,MD:MS,",
                                     "1,鈴木　一郎,西高,,○,○,,,MD:MS,",
                                     "1,山田　太郎,北高,,,,○,,XD,",
                                     "2,花子,東高,,,,○,,XD,",
                                 }));
  // A pair's group without "／" belongs to both players; counts of 0 per event stay empty,
  // the men's and women's counts do not.
  EXPECT_EQ(fileLines(kTally), QStringList({
                                   "No,所属団体,グループ,男子,女子,参加数,延べ参加数,MS,MD,XD,WS",
                                   "1,東高,,1,1,2,2,1,,1,",
                                   "2,西高,,1,0,1,1,1,,,",
                                   "3,東高,A,0,0,0,1,,1,,",
                                   "4,西高,A,0,0,0,1,,1,,",
                                   "5,北高,,1,0,1,1,,,1,",
                                   ",合計,,3,1,4,6,2,2,2,",
                               }));
  EXPECT_TRUE(t.messages.shown.empty());
}

TEST_F(SankashaCsvTest, KindColumnsShowWhatTheAbbreviationsHoldBesidesTheSexLetters) {
  addPlayers();
  addEvent("MS2", "男子", "単", {"山田　太郎,東高"});
  t.program.kankyou.SankashaShumokuShubetsu = "単複混合別";
  t.program.taikai.sw.SeibetsuPosStart = 1;
  t.program.taikai.sw.SeibetsuPosEnd = 2;
  WriteChartFiles(t.program, SankashaCsvFiles(t.program));
  const QStringList lines = fileLines(kIchiran);
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "男女,氏名,所属,グループ,複,単,混合,出場");
  EXPECT_EQ(lines[1], "1,山田　太郎,東高,,○,MS2,,MD:MSMS2,");
  EXPECT_EQ(lines[3], "1,山田　太郎,北高,,,,○,XD,");
}

TEST(CutMarkColumnTest, DropsTheSexAndKindLetters) {
  struct Case {
    int start, end;
    QString text, expected;
  };
  const Case cases[] = {
      {1, 2, "MS", "○"},      {1, 2, "", ""},          {1, 2, "MSWS", "WS"},
      {2, 3, "1MS", "1"},     {2, 3, "1MS2MD", "12MD"}, {0, 0, "AB", "AB"},
      {3, 4, "AB", "AB"},     {3, 4, "一般MS", "一般"},
  };
  for (const Case& c : cases) {
    TaikaiSwitches sw;
    sw.SeibetsuPosStart = c.start;
    sw.SeibetsuPosEnd = c.end;
    EXPECT_EQ(CutMarkColumn(sw, c.text), c.expected) << c.start << " " << c.text.toStdString();
  }
}

TEST_F(SankashaCsvTest, ThreePlayerEntryListsAllThreePlayers) {
  ShumokuRec& e = addEvent("MT", "男子", "３人",
                           {"甲,乙,丙,東高,西高,南高", "丁,北高", "戊,己,庚,中高,中高,中高",
                            "辛,壬,癸,港高,港高,港高", "子,丑,寅,川高,川高,川高"});
  // Cut as a pair's text is, once more for the third player; a one-player entry (an
  // unresolved reference) keeps its whole text.
  e.Sankasha[0].GroupName = "東京／神奈川／埼玉";
  e.Sankasha[1].GroupName = "G1／G2";
  e.Sankasha[2].GroupName = "G1／G2";       // the second and third share the rest
  e.Sankasha[3].GroupName = "G3";           // no "／": all three in G3
  e.Sankasha[4].GroupName = "A／B／C／D";    // the third takes all after the second cut
  e.Sankasha[0].SubText = "こう,おつ,へい";
  WriteChartFiles(t.program, SankashaCsvFiles(t.program));
  EXPECT_EQ(fileLines(kIchiran), QStringList({
                                     "男女,氏名,所属,グループ,MT",
                                     "1,甲,東高,東京,○,MT,こう",
                                     "1,乙,西高,神奈川,○,MT,おつ",
                                     "1,丙,南高,埼玉,○,MT,へい",
                                     "1,丁,北高,G1／G2,○,MT,",
                                     "1,戊,中高,G1,○,MT,",
                                     "1,己,中高,G2,○,MT,",
                                     "1,庚,中高,G2,○,MT,",
                                     "1,辛,港高,G3,○,MT,",
                                     "1,壬,港高,G3,○,MT,",
                                     "1,癸,港高,G3,○,MT,",
                                     "1,子,川高,A,○,MT,",
                                     "1,丑,川高,B,○,MT,",
                                     "1,寅,川高,C／D,○,MT,",
                                 }));
  // A row per group, not per trio text.
  EXPECT_EQ(fileLines(kTally), QStringList({
                                   "No,所属団体,グループ,男子,女子,参加数,延べ参加数,MT",
                                   "1,東高,東京,1,0,1,1,1",
                                   "2,西高,神奈川,1,0,1,1,1",
                                   "3,南高,埼玉,1,0,1,1,1",
                                   "4,北高,G1／G2,1,0,1,1,1",
                                   "5,中高,G1,1,0,1,1,1",
                                   "6,中高,G2,2,0,2,2,2",
                                   "7,港高,G3,3,0,3,3,3",
                                   "8,川高,A,1,0,1,1,1",
                                   "9,川高,B,1,0,1,1,1",
                                   "10,川高,C／D,1,0,1,1,1",
                                   ",合計,,13,0,13,13,13",
                               }));
}

TEST_F(SankashaCsvTest, OnePlayerKeepsTheWholeGroupTextAPairCutsItAtTheFirstSlash) {
  ShumokuRec& ms = addEvent("MS", "男子", "単", {"甲,東高", "乙,東高", "丙,東高"});
  ms.Sankasha[0].GroupName = "東京／神奈川";  // one group, not "東京"
  ms.Sankasha[1].GroupName = "東京";
  ms.Sankasha[2].GroupName = "　／";          // kept whole, never a lone blank
  ShumokuRec& md = addEvent("MD", "男子", "複", {"丁,戊,南高,南高", "己,庚,南高,南高"});
  md.Sankasha[0].GroupName = "A／B／C";       // the second player takes all after the first
  md.Sankasha[1].GroupName = "D";             // no "／": both players in D
  WriteChartFiles(t.program, SankashaCsvFiles(t.program));
  EXPECT_EQ(fileLines(kIchiran), QStringList({
                                     "男女,氏名,所属,グループ,MS,MD",
                                     "1,甲,東高,東京／神奈川,○,,MS,",
                                     "1,乙,東高,東京,○,,MS,",
                                     "1,丙,東高,　／,○,,MS,",
                                     "1,丁,南高,A,,○,MD,",
                                     "1,戊,南高,B／C,,○,MD,",
                                     "1,己,南高,D,,○,MD,",
                                     "1,庚,南高,D,,○,MD,",
                                 }));
  // Each group its own row of the tally.
  EXPECT_EQ(fileLines(kTally), QStringList({
                                   "No,所属団体,グループ,男子,女子,参加数,延べ参加数,MS,MD",
                                   "1,東高,東京／神奈川,1,0,1,1,1,",
                                   "2,東高,東京,1,0,1,1,1,",
                                   "3,東高,　／,1,0,1,1,1,",
                                   "4,南高,A,1,0,1,1,,1",
                                   "5,南高,B／C,1,0,1,1,,1",
                                   "6,南高,D,2,0,2,2,,2",
                                   ",合計,,7,0,7,7,3,4",
                               }));
}

TEST_F(SankashaCsvTest, UnwritableFileIsReportedAndTheOtherStillWritten) {
  addPlayers();
  // A folder in the file's place: the temporary file cannot replace it.
  ASSERT_TRUE(QDir(t.folder()).mkdir(kTally));
  WriteChartFiles(t.program, SankashaCsvFiles(t.program));
  ASSERT_EQ(t.messages.shown.size(), 1u);
  EXPECT_EQ(t.messages.shown[0].title, "CSVファイルを書き込めません");
  EXPECT_TRUE(t.messages.shown[0].text.startsWith(t.folder() + kTally));
  EXPECT_EQ(fileLines(kIchiran).size(), 5);
  // Nothing half-written is left behind.
  EXPECT_EQ(QDir(t.folder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({kIchiran}));
}

}  // namespace
}  // namespace qv
