#include <gtest/gtest.h>

#include <QFileInfo>

#include "data/Nittei.h"
#include "data/TaikaiFile.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

struct Schedule : test::TestProgram {
  explicit Schedule(const QStringList& lines) {
    program.taikai.DataFolder = folder();
    program.taikai.NitteiFileName = "日程.csv";
    writeFile("日程.csv", lines);
  }
  const NitteiRec& rec(int i) { return program.nittei.Nittei.at(static_cast<size_t>(i)); }
};

}  // namespace

TEST(ReadNitteiFile, GroupsUntilTheFirstBlankLine) {
  Schedule p({"  MS-2  ,a,b,c", "日,1,2,3,4,5", "時,p, q ,r,s",
              "MS,d", "x,e", "y,f",
              "XD-1", "x", "y",
              "   ",
              "WS,z", "x,1", "y,2"});
  ReadNitteiFile(p.program);
  ASSERT_EQ(p.program.nittei.NitteiCount, 3);
  ASSERT_EQ(p.program.nittei.Nittei.size(), 3u);
  EXPECT_EQ(p.rec(0).Title, "MS");
  EXPECT_EQ(p.rec(0).Number, 2);
  EXPECT_EQ(p.rec(0).ColumnCount, 3);
  EXPECT_EQ(p.rec(0).Line1, QStringList({"a", "b", "c"}));
  EXPECT_EQ(p.rec(0).Line2, QStringList({"1", "2", "3"}));  // extra fields dropped
  EXPECT_EQ(p.rec(0).Line3, QStringList({"p", " q ", "r"}));  // blanks kept
  EXPECT_EQ(p.rec(1).Title, "MS");
  EXPECT_EQ(p.rec(1).Number, 0);
  EXPECT_EQ(p.rec(2).Title, "XD");
  EXPECT_EQ(p.rec(2).ColumnCount, 0);
  EXPECT_TRUE(p.rec(2).Line1.isEmpty());
}

TEST(ReadNitteiFile, ShortAndBrokenGroups) {
  // A short second line, a key whose number is no number, an empty key that ends the
  // schedule; then a file that ends inside its group.
  Schedule p({"MS-1,a,b,c", "x,1", "y,p,q,r", "WS-x,a", "x,1", "y,2", " ,a", "x", "y"});
  ReadNitteiFile(p.program);
  ASSERT_EQ(p.program.nittei.NitteiCount, 2);
  EXPECT_EQ(p.rec(0).Line2, QStringList({"1", "", ""}));
  EXPECT_EQ(p.rec(1).Title, "WS");
  EXPECT_EQ(p.rec(1).Number, 0);

  Schedule cut({"MS-1,a,b", "x,1"});
  ReadNitteiFile(cut.program);
  ASSERT_EQ(cut.program.nittei.NitteiCount, 1);
  EXPECT_EQ(cut.rec(0).Line2, QStringList({"1", ""}));
  EXPECT_EQ(cut.rec(0).Line3, QStringList({"", ""}));
}

TEST(FindNitteiIndex, FindsTheFirstMatch) {
  Schedule p({"MS-1,a", "x,1", "y,2", "MS-1,b", "x,3", "y,4", "WS,c", "x,5", "y,6"});
  ReadNitteiFile(p.program);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "MS", 1), 0);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "WS", 0), 2);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "ms", 1), -1);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "MS", 2), -1);

  // Read once for the tournament: a changed file is not read again by a look-up.
  p.writeFile("日程.csv", {"XD-3,z", "x,1", "y,2"});
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "XD", 3), -1);
  // Opening a tournament clears the table.
  ResetTournament(p.program);
  EXPECT_EQ(p.program.nittei.NitteiCount, 0);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "MS", 1), -1);
}

TEST(FindNitteiIndex, MissingOrEmptyFileFindsNothing) {
  Schedule p({"", "MS,a", "x,1", "y,2"});
  ReadNitteiFile(p.program);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "MS", 0), -1);
  EXPECT_EQ(p.program.nittei.NitteiCount, 0);
  p.program.taikai.NitteiFileName = "無い.csv";
  ReadNitteiFile(p.program);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "MS", 0), -1);
  EXPECT_EQ(p.program.nittei.NitteiCount, 0);
}

TEST(FindNitteiIndex, SampleSchedule) {
  test::TestProgram p;
  const QString data = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/");
  if (!QFileInfo::exists(data + "青葉市民大会日程.csv")) GTEST_SKIP() << "no sample schedule";
  p.program.taikai.DataFolder = data;
  p.program.taikai.NitteiFileName = "青葉市民大会日程.csv";
  ReadNitteiFile(p.program);
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "WD", 0), 0);
  const int ws = FindNitteiIndex(p.program.nittei, "WS", 4);
  ASSERT_GE(ws, 0);
  const NitteiRec& rec = p.program.nittei.Nittei.at(static_cast<size_t>(ws));
  EXPECT_EQ(rec.ColumnCount, 3);
  EXPECT_EQ(rec.Line1, QStringList({"14日", "14日", "15日"}));
  EXPECT_EQ(rec.Line2, QStringList({"16:30", "16:30", "14:30"}));
  EXPECT_EQ(rec.Line3, QStringList({"1コート", "2コート", "2コート"}));
  // The lines after the blank line are no group.
  EXPECT_EQ(FindNitteiIndex(p.program.nittei, "作成", 0), -1);
}
