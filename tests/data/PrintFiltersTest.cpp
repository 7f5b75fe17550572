#include <gtest/gtest.h>

#include "data/PrintFilters.h"
#include "program/Program.h"
#include "support/TestProgram.h"

using namespace qv;

TEST(IsSelected, FragmentsOfTheSelectionString) {
  struct Case {
    QString filter;
    QString name;
    bool selected;
  };
  const Case cases[] = {
      {"東高、西高", "東 高 一", true},  // blanks leave the name first
      {"東高、西高", "東　高", true},
      {"東高、西高", "南高", false},
      {"東高,西高", "西高二", true},      // "," separates like "、"
      {"東高、西高", "東", false},
      {"東高、", "南高", true},           // an empty fragment selects every non-empty name
      {"東高、", " 　 ", false},          // a name of blanks only is never selected
      {"東高、", "", false},
      {"東 高", "東高", false},           // blanks inside a fragment stay
      {"-----", "東高", false},
      {"-----", "a-----b", true},
      {"", "東高", false},                // an empty selection string has no fragment
  };
  for (const auto& c : cases) {
    PrintFilterState filters;
    filters.TeamFilter = c.filter;
    EXPECT_EQ(IsSelected(filters, c.name), c.selected)
        << c.filter.toStdString() << " / " << c.name.toStdString();
  }
  EXPECT_EQ(PrintFilterState{}.TeamFilter, "-----");
}

namespace {

ShumokuRec makeEvent(const QString& seibetsu, const QString& shubetsu, const QStringList& entries) {
  ShumokuRec ev;
  ev.Seibetsu = seibetsu;
  ev.Shubetsu = shubetsu;
  for (const auto& e : entries) {
    SankashaRec s;
    s.Name = e;
    ev.Sankasha.push_back(s);
  }
  ev.SankashaCount = int(ev.Sankasha.size());
  return ev;
}

class GetTashumokuMarkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& taikai = t.program.taikai.Taikai;
    taikai.Shumoku = {
        makeEvent("男子", "単", {"山田,東高", "佐藤,西高"}),                    // 0
        makeEvent("男子", "団体", {"田中,北高"}),                                 // 1
        makeEvent("混合", "複", {"山田,鈴木,東高,東高"}),                         // 2
        makeEvent("男子", "複", {"佐藤,田中,西高,西高"}),                         // 3
        makeEvent("男子", "単", {"田中,北高", "単:1"}),                           // 4
        makeEvent("男子", "３人", {"伊藤,加藤,木村,X,Y,Z"}),                       // 5
        makeEvent("女子", "単", {"高橋（南高）"}),                                // 6
    };
    taikai.ShumokuCount = int(taikai.Shumoku.size());
  }

  QString mark(int current, const QString& name) {
    return GetTashumokuMark(t.program, CurrentChart{kind, current}, name, resolve);
  }

  test::TestProgram t;
  QString kind;  // the print kind of the chart asking
  QStringList resolved;
  SankashaRefResolver resolve = [this](const QString& text) {
    resolved << text;
    return text == "単:1" ? QStringLiteral("木村,南高") : text;
  };
};

}  // namespace

TEST_F(GetTashumokuMarkTest, KindOfTheFirstOtherEvent) {
  struct Case {
    int current;
    QString name;
    QString mark;
  };
  const Case cases[] = {
      {0, "山田", "X"},   // mixed doubles
      {2, "山田", "S"},
      {-1, "山田", "S"},  // no event skipped
      {0, "佐藤", "D"},
      {0, "鈴木", "X"},   // second name of a pair
      {0, "田中", ""},    // a team event found first ends the search
      {1, "田中", "D"},
      {0, "木村", "S"},   // through the entry reference
      {4, "木村", ""},    // a trio's third name is never found
      {0, "伊藤", ""},    // a trio event has no mark
      {0, "不明", ""},
      {0, "山田 ", ""},   // the comparison is exact
      {0, "高橋（南高）", ""},
      {0, "", ""},        // no player: never marked
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mark(c.current, c.name), c.mark) << c.current << " " << c.name.toStdString();
  }
  EXPECT_TRUE(resolved.contains("単:1"));
}

TEST_F(GetTashumokuMarkTest, OneFieldEntriesFollowThePrintKind) {
  t.program.taikai.sw.TaikaiOptions = {"(TEAM)"};
  EXPECT_EQ(mark(0, "高橋"), "S");
  kind = "L";
  EXPECT_EQ(mark(0, "高橋"), "");
  EXPECT_EQ(mark(0, "高橋（南高）"), "");  // an affiliation is no name
}

TEST_F(GetTashumokuMarkTest, CountsBeyondTheStoredRecordsAreNotRead) {
  auto& taikai = t.program.taikai.Taikai;
  taikai.ShumokuCount = 99;
  taikai.Shumoku[0].SankashaCount = 50;
  EXPECT_EQ(mark(2, "佐藤"), "S");
  taikai.Shumoku[0].SankashaCount = -3;
  EXPECT_EQ(mark(2, "佐藤"), "D");
  // Events past the count are not searched.
  taikai.ShumokuCount = 1;
  EXPECT_EQ(mark(0, "山田"), "");
  taikai.ShumokuCount = -1;
  EXPECT_EQ(mark(9, "山田"), "");
  // Without a resolver the entry texts are split as they stand.
  taikai.ShumokuCount = int(taikai.Shumoku.size());
  EXPECT_EQ(GetTashumokuMark(t.program, CurrentChart{QString(), 0}, "木村", nullptr), "");
}

TEST(GetArrayItem, OutOfRangeGivesEmpty) {
  const QStringList items{"a", "b", "c"};
  struct Case {
    qsizetype index;
    QString item;
  };
  const Case cases[] = {{-1, ""}, {0, "a"}, {2, "c"}, {3, ""}, {1000000, ""}};
  for (const auto& c : cases) EXPECT_EQ(GetArrayItem(items, c.index), c.item) << c.index;
  EXPECT_EQ(GetArrayItem({}, 0), "");
}

TEST(IsSameName, BlanksAnywhereAreIgnored) {
  struct Case {
    QString a;
    QString b;
    bool same;
  };
  const Case cases[] = {
      {"山田 太郎", "山田太郎", true},
      {"　山田　太郎 ", "山 田太郎", true},
      {"", "  　", true},
      {"山田太郎", "山田次郎", false},
      {"Yamada", "yamada", false},
      {"山田\t太郎", "山田太郎", false},  // only the two blanks are removed
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSameName(c.a, c.b), c.same) << c.a.toStdString() << " / " << c.b.toStdString();
  }
}
