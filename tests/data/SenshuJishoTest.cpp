#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "data/SenshuJisho.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

// A sheet that gives these rows (columns 1 to 4) and counts what it is asked.
class RowsSheet : public Spreadsheet {
 public:
  explicit RowsSheet(std::vector<std::array<QString, 4>> rows) : rows_(std::move(rows)) {}
  QString ExcelGetCell(int row, int column) override {
    ++reads;
    if (row < 1 || row > static_cast<int>(rows_.size()) || column < 1 || column > 4) return {};
    return rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
  }
  void ExcelBeginSheet(const QString&, float, float, float, float, const QString&) override {}
  void ExcelWriteEntry(const QString&, int, int, int) override {}
  void ExcelClose() override { ++closes; }
  int reads = 0;
  int closes = 0;

 private:
  std::vector<std::array<QString, 4>> rows_;
};

struct Jisho : test::TestProgram {
  RowsSheet* use(std::vector<std::array<QString, 4>> rows) {
    auto sheet = std::make_unique<RowsSheet>(std::move(rows));
    RowsSheet* raw = sheet.get();
    program.spreadsheet = std::move(sheet);
    return raw;
  }
};

}  // namespace

TEST(NormalizeJishoKey, Cases) {
  const struct {
    const char* in;
    const char* key;
  } cases[] = {
      {"ｙａｍａｄａ Ｔａｒｏ", "YAMADATARO"},
      {"Smith (USA)", "SMITH"},
      {"Ｓｍｉｔｈ（ＵＳＡ）", "SMITH"},  // full-width bracket cuts too
      {"O'Neil-Brown", "ONEILBROWN"},
      {"Lee [2]", "LEE"},
      {"a[1] (2)", "A[1]"},  // "(" is looked for before "["
      {"~*`.x y", "XY"},
      {"山田　太郎", "山田太郎"},  // the full-width blank narrows and goes
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NormalizeJishoKey(QString::fromUtf8(c.in)), QString::fromUtf8(c.key)) << c.in;
}

TEST(SenshuJisho, EmptySheetGivesAnEmptyDictionary) {
  test::TestProgram p;
  EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, "山田太郎"), "");
  EXPECT_EQ(p.program.senshuJisho.SenshuJishoCount, 0);
  ReadSenshuJisho(p.program);
  EXPECT_EQ(p.program.senshuJisho.SenshuJishoCount, 0);
  EXPECT_TRUE(p.program.senshuJisho.SenshuJishoKeys.isEmpty());
}

TEST(SenshuJisho, EmptyNameAndQualifiersAreNotLookedUp) {
  Jisho p;
  p.use({{"Qualifier", "3", "予選通過者", ""}});
  ReadSenshuJisho(p.program);
  ASSERT_EQ(p.program.senshuJisho.SenshuJishoCount, 2);
  for (const char* name : {"", "Qualifier 3", "ｑｕａｌｉｆｉｅｒ３", "QUALI-FIER A"})
    EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, QString::fromUtf8(name)), "") << name;
}

TEST(SenshuJisho, RowsGiveBothOrdersAndThePreferredName) {
  Jisho p;
  RowsSheet* sheet = p.use({{"山田", "太郎", "YAMADA Taro", ""},
                            {"鈴木", "花子", "SUZUKI Hanako", "鈴木　Hanako"},
                            {"", "", "", ""},
                            {"佐藤", "健", "SATO Ken", ""}});
  ReadSenshuJisho(p.program);
  EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, "山田太郎"), "YAMADA Taro");
  EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, "太郎 山田"), "YAMADA Taro");
  EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, "鈴木花子"), "鈴木 Hanako");
  EXPECT_EQ(LookupSenshuJisho(p.program.senshuJisho, "佐藤健"), "");  // after the empty row
  EXPECT_EQ(p.program.senshuJisho.SenshuJishoCount, 4);
  EXPECT_EQ(sheet->closes, 1);
  const int reads = sheet->reads;
  ReadSenshuJisho(p.program);
  EXPECT_EQ(sheet->reads, reads);  // loaded once
}

TEST(MakeBilingualNames, Cases) {
  const struct {
    const char *n1, *n2, *t1, *t2;
    const char *line1, *line2, *team1, *team2;
  } cases[] = {
      {"山田", "", "A高", "B高", "山田", "", "A高", "A高"},
      {"山田", "鈴木", "A高", "B高", "山田 (A高 ) & 鈴木 (B高 )", " & ", "", ""},
      {"山田", "鈴木", "A高", "A高", "山田 & 鈴木", " & ", "A高", "A高"},
  };
  for (const auto& c : cases) {
    test::TestProgram p;
    QString n1 = QString::fromUtf8(c.n1), n2 = QString::fromUtf8(c.n2);
    QString t1 = QString::fromUtf8(c.t1), t2 = QString::fromUtf8(c.t2);
    MakeBilingualNames(p.program.senshuJisho, n1, n2, t1, t2);
    EXPECT_EQ(n1, QString::fromUtf8(c.line1)) << c.n1 << c.n2;
    EXPECT_EQ(n2, QString::fromUtf8(c.line2)) << c.n1 << c.n2;
    EXPECT_EQ(t1, QString::fromUtf8(c.team1)) << c.n1 << c.n2;
    EXPECT_EQ(t2, QString::fromUtf8(c.team2)) << c.n1 << c.n2;
  }
}

TEST(MakeBilingualNames, SecondLineFromTheDictionary) {
  Jisho p;
  p.use({{"山田", "太郎", "YAMADA Taro", ""}, {"鈴木", "一郎", "SUZUKI Ichiro", ""}});
  ReadSenshuJisho(p.program);
  QString n1 = "山田太郎", n2 = "", t1 = "A高", t2 = "";
  MakeBilingualNames(p.program.senshuJisho, n1, n2, t1, t2);
  EXPECT_EQ(n2, "YAMADA Taro");
  n1 = "山田太郎", n2 = "鈴木一郎", t1 = "A高", t2 = "A高";
  MakeBilingualNames(p.program.senshuJisho, n1, n2, t1, t2);
  EXPECT_EQ(n1, "山田太郎 & 鈴木一郎");
  EXPECT_EQ(n2, "YAMADA Taro & SUZUKI Ichiro");
}
