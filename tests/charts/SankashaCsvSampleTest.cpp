// The roster files of the sample tournament, compared as text.

#include "charts/MeiboFixture.h"
#include "charts/SankashaMeibo.h"
#include "support/SampleTournament.h"

namespace qv {
namespace {

class SankashaCsvSampleTest : public test::MeiboFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::CopySampleData(t.folder()));
    ASSERT_TRUE(test::LoadSampleTournament(t.program, t.folder()));
    test::MeiboFixture::SetUp();
    t.messages.shown.clear();
    // The whole printable area of an A4 sheet: the sample's roster fits on it.
    EXPECT_EQ(printRoster(20, 15, 190, 282), 0);
    EXPECT_TRUE(t.messages.shown.empty());
  }
};

TEST_F(SankashaCsvSampleTest, AffiliationTally) {
  EXPECT_EQ(fileLines("所属団体別参加数.csv"),
            QStringList({
                "No,所属団体,グループ,男子,女子,参加数,延べ参加数,MT,MS,WS,WD,XD",
                "1,,,6,0,6,6,6,,,,",
                "2,青葉クラブ,,5,4,9,14,,5,3,2,4",
                "3,若草ＢＣ,,4,5,9,15,,4,3,4,4",
                "4,緑川シャトル会,,3,4,7,11,,3,2,4,2",
                "5,東町クラブ,,3,4,7,13,,3,2,4,4",
                "6,桜台ＳＣ,,2,1,3,7,,2,1,1,3",
                "7,青葉北高校,北地区,4,0,4,6,,4,,2,",
                "8,桜台中学校,南地区,2,0,2,2,,2,,,",
                "9,緑川市役所,市外,1,0,1,1,,1,,,",
                "10,青葉北高校,,0,2,2,4,,,2,,2",
                "11,青葉クラブ,中央地区,0,0,0,2,,,,2,",
                "12,青葉クラブ,北地区,0,1,1,1,,,,1,",
                "13,青葉クラブ,南地区,0,1,1,1,,,,1,",
                "14,若草ＢＣ,東地区,0,1,1,2,,,,2,",
                "15,東町クラブ,南地区,0,1,1,1,,,,1,",
                "16,緑川市役所,,0,0,0,1,,,,,1",
                ",合計,,30,24,54,87,6,24,13,24,20",
            }));
}

TEST_F(SankashaCsvSampleTest, ParticipantList) {
  const QStringList lines = fileLines("参加者一覧.csv");
  ASSERT_EQ(lines.size(), 1 + 54);
  EXPECT_EQ(lines[0], "男女,氏名,所属,グループ,MT,MS,WS,WD,XD");
  EXPECT_EQ(lines[1], "1,青葉クラブＡ,,,○,,,,,MT,");  // a team is listed as one entrant
  EXPECT_EQ(lines[8], "1,高橋 翔,青葉クラブ,,,○,,,○,MS:XD,たかはし しょう");
  EXPECT_EQ(lines[31], "2,鈴木 美咲,青葉クラブ,,,,○,○,○,WD:WS:XD,すずき みさき");
  EXPECT_EQ(lines[45], "2,西村 香織,青葉クラブ,北地区,,,,○,○,WD:XD,にしむら かおり");
  EXPECT_EQ(lines[54], "2,上田 理恵,東町クラブ,南地区,,,,○,○,WD:XD,うえだ りえ");
}

TEST_F(SankashaCsvSampleTest, RosterRows) {
  const QStringList lines = fileLines("参加者名簿.csv");
  ASSERT_EQ(lines.size(), 2 + 15 + 12 + 10);
  EXPECT_EQ(lines.mid(0, 3), QStringList({"大会参加者名簿",
                                          "Ｎｏ．,複種目,単種目,氏名,所属,単種目,氏名,所属",
                                          "１,,ＭＴ,青葉クラブＡ,,ＭＴ,若草ＢＣ,"}));
  EXPECT_EQ(lines[16], "１５,,ＭＳ,藤田 陸,桜台中学校,ＭＳ,岡田 光,緑川市役所");
  EXPECT_EQ(lines[17], "１,ＷＤ,ＷＳ,鈴木 美咲,青葉クラブ,ＷＳ,田中 愛,青葉クラブ");
  EXPECT_EQ(lines[28], "１２,ＷＤ,ＷＳ,坂本 麻衣,桜台ＳＣ,,上田 理恵,東町クラブ");
  EXPECT_EQ(lines[38], "１０,ＸＤ,,岡田 光,緑川市役所,,上田 理恵,東町クラブ");
}

}  // namespace
}  // namespace qv
