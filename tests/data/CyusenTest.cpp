#include <gtest/gtest.h>

#include <QFileInfo>

#include "data/Cyusen.h"
#include "data/TaikaiFile.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

struct Lots : test::TestProgram {
  explicit Lots(const QStringList& lines) {
    open();
    writeFile("春季大会.csn", lines);
  }
  void open() {
    program.taikai.DataFolder = folder();
    program.taikai.TaikaiFileName = "春季大会.tai";
  }
  const CyusenRec& rec(int i) { return program.cyusen.Cyusen.at(static_cast<size_t>(i)); }
};

// As a print run sees it: the file loaded as the run began, then searched.
int find(Model& model, const QString& name, int no) {
  ReadCyusenFileIfEmpty(model);
  return FindCyusen(model.cyusen, name, no);
}

}  // namespace

TEST(FindCyusen, KeysAndFields) {
  Lots p({"MS,3,a,b,c,d,e,f,g,h,i,j",  // twelve fields: the last two dropped
          "MS ,3,blank", "ms,3,lower", "MS,3,second", "WD,x,not a number", "XD, 5 ,short",
          "", "MS,9,after the empty line"});
  const struct {
    const char* name;
    int no;
    int index;
  } cases[] = {{"MS", 3, 0}, {"MS ", 3, 1}, {"ms", 3, 2}, {"WD", 0, 4},
               {"XD", 5, 5}, {"MS", 9, -1}, {"MS", 4, -1}, {"", 0, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(find(p.program, QString::fromUtf8(c.name), c.no), c.index) << c.name << c.no;
  EXPECT_EQ(p.program.cyusen.CyusenCount, 6);

  const CyusenRec& full = p.rec(0);
  EXPECT_EQ(full.Field3, "a");
  EXPECT_EQ(full.Field10, "h");
  const CyusenRec& shortLine = p.rec(5);
  EXPECT_EQ(shortLine.Field3, "short");
  EXPECT_EQ(shortLine.Field4, "");
  EXPECT_EQ(shortLine.Field10, "");
}

TEST(FindCyusen, MissingOrEmptyFileIsReadAgainUntilItHoldsLines) {
  Lots p({"", "MS,1,a"});
  EXPECT_EQ(find(p.program, "MS", 1), -1);
  EXPECT_EQ(p.program.cyusen.CyusenCount, 0);
  p.writeFile("春季大会.csn", {"MS,1,a"});
  EXPECT_EQ(find(p.program, "MS", 1), 0);

  test::TestProgram none;
  none.program.taikai.DataFolder = none.folder();
  none.program.taikai.TaikaiFileName = "無い.tai";
  EXPECT_EQ(find(none.program, "MS", 1), -1);
  none.program.taikai.TaikaiFileName = "ab";  // shorter than its extension
  EXPECT_EQ(find(none.program, "MS", 1), -1);
}

TEST(FindCyusen, OpeningATournamentLoadsItsOwnFile) {
  Lots p({"MS,1,old"});
  EXPECT_EQ(find(p.program, "MS", 1), 0);
  p.writeFile("春季大会.csn", {"WS,2,new"});
  EXPECT_EQ(find(p.program, "WS", 2), -1);  // still the loaded table
  ResetTournament(p.program);
  EXPECT_EQ(p.program.cyusen.CyusenCount, 0);
  p.open();
  EXPECT_EQ(find(p.program, "WS", 2), 0);
  EXPECT_EQ(p.rec(0).Field3, "new");
}

TEST(FindCyusen, SampleDrawLots) {
  test::TestProgram p;
  const QString data = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/");
  if (!QFileInfo::exists(data + "青葉市民大会.csn")) GTEST_SKIP() << "no sample draw lots";
  p.program.taikai.DataFolder = data;
  p.program.taikai.TaikaiFileName = "青葉市民大会.tai";
  const int i = find(p.program, "WD", 4);
  ASSERT_GE(i, 0);
  const CyusenRec& rec = p.program.cyusen.Cyusen.at(static_cast<size_t>(i));
  EXPECT_EQ(rec.Field3, "中島 杏奈");
  EXPECT_EQ(rec.Field10, "青葉クラブ");  // the note after the tenth field is not kept
  EXPECT_EQ(find(p.program, "MS", 3), 0);
  EXPECT_EQ(find(p.program, "MS", 5), -1);
}
