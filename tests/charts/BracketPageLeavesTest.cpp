// The entrants at the leaves of a bracket page: names, affiliations, group texts, numbers,
// colours and bold marking, and the texts of leaves that have no entrant yet.

#include <gtest/gtest.h>

#include <algorithm>

#include "BracketFixture.h"
#include "charts/ChartUtil.h"
#include "charts/JouiTournament.h"
#include "charts/SeedOrder.h"
#include "charts/TournamentPages.h"

namespace qv::test {
namespace {

// One side, 8 entrants: name column 20..62.5, affiliation column 63.5..106, rows 31.875 mm
// apart from 40.9375, names 4 mm.
double rowY(double r) { return 40.9375 + r * 31.875; }

TEST(BracketPageLeavesTest, NamesAndAffiliationsOfSinglesAndPairs) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.print(e, QStringLiteral("左"));
  // Draw numbers in order: entrant 1 on row 0, entrant 2 on row 1.
  EXPECT_TRUE(f.hasText(QStringLiteral("選手1"), 20, rowY(0) - 2));
  EXPECT_TRUE(f.hasText(QStringLiteral("（所属0）"), 63.5, rowY(0) - 2));
  EXPECT_TRUE(f.hasText(QStringLiteral("選手2"), 20, rowY(1) - 2));

  BracketFixture g;
  const int d = g.addEvent(4, QStringLiteral("女子ダブルス"), QStringLiteral("WD"), QStringLiteral("複"));
  auto& entries = g.event(d).Sankasha;
  entries[0].Name = QStringLiteral("鈴木　美咲,田中　愛,青葉クラブ,青葉クラブ");
  entries[1].Name = QStringLiteral("西村　香織,原田　智子,東町クラブ,若草ＢＣ");
  entries[2].Name = QStringLiteral("村上　結衣,近藤　七海,北高校,北高校");
  entries[2].GroupName = QStringLiteral("北地区");
  g.print(d, QStringLiteral("左"));
  // 4 rows of 63.75 mm; a pair's names 1.2 name sizes apart around the row.
  const double pitch = 255.0 / 4, y0 = 25 + pitch / 2, ns = 4;
  EXPECT_TRUE(g.hasText(QStringLiteral("鈴木美咲"), 20, y0 - 1.1 * ns));
  EXPECT_TRUE(g.hasText(QStringLiteral("田中愛"), 20, y0 + 0.1 * ns));
  // One shared affiliation half-way between the two names.
  EXPECT_TRUE(g.hasText(QStringLiteral("（青葉クラブ）"), 63.5, y0 - 1.1 * ns + 0.6 * ns));
  EXPECT_EQ(g.countTexts(QStringLiteral("（青葉クラブ）")), 1);
  // Two affiliations: each beside its name.
  const double y3 = y0 + pitch;  // the second entry on row 1
  EXPECT_TRUE(g.hasText(QStringLiteral("（東町クラブ）"), 63.5, y3 - 1.1 * ns));
  EXPECT_TRUE(g.hasText(QStringLiteral("（若草ＢＣ）"), 63.5, y3 + 0.1 * ns));
  // A group text: names and the shared affiliation in the name column, the group in the
  // affiliation column. "学校" is dropped from affiliations.
  const auto group = g.find(QStringLiteral("（北地区）"));
  ASSERT_TRUE(group);
  EXPECT_NEAR(group->x, 63.5, 0.02);
  const auto shared = g.find(QStringLiteral("（北高校）"));
  ASSERT_TRUE(shared);
  EXPECT_NEAR(shared->x, 20, 0.02);
}

TEST(BracketPageLeavesTest, SeedNumbersFollowTheOrderOfTheDrawsOwnSize) {
  for (int p : {16, 32, 64, 128}) {
    BracketFixture f;
    const int e = f.addEvent(p);
    f.program().taikai.sw.NumberSeedJun = true;
    f.program().run.SeedInsatsu = true;
    f.print(e, QStringLiteral("左"));
    std::vector<PrintedText> numbers;
    for (const PrintedText& t : f.texts())
      if (t.x < 20) numbers.push_back(t);
    std::sort(numbers.begin(), numbers.end(), [](auto& a, auto& b) { return a.y < b.y; });
    std::vector<int> read;
    for (const PrintedText& t : numbers) read.push_back(t.text.toInt());
    EXPECT_EQ(read, StandardSeedOrder(p)) << p;
    if (p == 64) {
      const SeedOrderTable table = MakeSeedTable();
      for (int i = 0; i < 64; ++i) EXPECT_EQ(table[i].trimmed().toInt(), read[i]) << i;
    }
  }
  // Numbering by order prints each leaf's position from the top.
  BracketFixture f;
  const int e = f.addEvent(8);
  f.program().taikai.sw.NumberJunban = true;
  f.print(e, QStringLiteral("左"));
  for (int r = 0; r < 8; ++r)
    EXPECT_TRUE(f.hasText(QString::number(r + 1), 20 - 4 - 0.2 * 4, rowY(r) - 1.6)) << r;
}

TEST(BracketPageLeavesTest, PlayersInOtherEventsAreColouredAndSelectedOnesBold) {
  BracketFixture f;
  const int e = f.addEvent(8);
  const int d = f.addEvent(2, QStringLiteral("男子ダブルス"), QStringLiteral("MD"), QStringLiteral("複"));
  f.event(d).Sankasha[0].Name = QStringLiteral("選手1,選手9,所属0,所属0");
  const int x = f.addEvent(2, QStringLiteral("混合ダブルス"), QStringLiteral("XD"), QStringLiteral("複"));
  f.event(x).Seibetsu = QStringLiteral("混合");
  f.event(x).Sankasha[0].Name = QStringLiteral("選手8,選手10,所属3,所属1");
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("多種目参加者");
  f.program().printFilters.TeamFilter = QStringLiteral("所属2");
  f.print(e, QStringLiteral("左"));
  EXPECT_EQ(f.find(QStringLiteral("選手1"))->color, Rgb(0, 0, 128));
  EXPECT_EQ(f.find(QStringLiteral("選手8"))->color, Rgb(0, 128, 0));
  EXPECT_EQ(f.find(QStringLiteral("選手5"))->color, Rgb(0, 0, 0));
  EXPECT_EQ(f.find(QStringLiteral("（所属0）"))->color, Rgb(0, 0, 0));
  // Entrants of the selected affiliation print bold in Gothic.
  EXPECT_EQ(f.find(QStringLiteral("選手3"))->weight, 700);
  EXPECT_EQ(f.find(QStringLiteral("選手3"))->face, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(f.find(QStringLiteral("選手4"))->weight, 400);
  EXPECT_EQ(f.program().device.FontBold, 0);
}

TEST(BracketPageLeavesTest, EntriesWithoutANameAndUnresolvedReferences) {
  BracketFixture f;
  const int e = f.addEvent(4);
  auto& entries = f.event(e).Sankasha;
  entries[0].Name = QStringLiteral("青葉クラブ");
  entries[1].Name = QStringLiteral("MS：3Ｗ");
  entries[2].Name = QStringLiteral("MS：Ｂ－1");
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("勝上り順位表示");
  f.print(e, QStringLiteral("左"));
  // Right-aligned to end at the affiliation column's end (106), half-width parentheses.
  const auto club = f.find(QStringLiteral("(青葉クラブ)"));
  ASSERT_TRUE(club);
  EXPECT_NEAR(club->x, 106 - 10 * 4 / 2.0 - 4, 0.02);
  EXPECT_TRUE(f.find(QStringLiteral("(3勝者)")));
  EXPECT_TRUE(f.find(QStringLiteral("(Ｂ－1位)")));
  EXPECT_EQ(f.countTexts(QStringLiteral("()")), 0);
}

TEST(BracketPageLeavesTest, KanaAndDictionaryNames) {
  BracketFixture f;
  const int e = f.addEvent(4);
  f.event(e).Sankasha[0].SubText = QStringLiteral("せんしゅいち");
  f.program().run.KanaKanji = true;      // the dictionary is empty: names print as they are
  f.program().run.KanaKanjiPrint = true;
  f.print(e, QStringLiteral("左"));
  EXPECT_TRUE(f.find(QStringLiteral("選手1")));
  EXPECT_TRUE(f.find(QStringLiteral("選手2")));
  EXPECT_EQ(f.countTexts(QStringLiteral("せんしゅいち")), 1);
  const auto kana = f.find(QStringLiteral("せんしゅいち"));
  const auto name = f.find(QStringLiteral("選手1"));
  EXPECT_NEAR(kana->y, name->y - 0.7 * name->size, 0.02);
  EXPECT_NEAR(kana->size, 0.6 * name->size, 0.01);
}

TEST(BracketPageLeavesTest, UndecidedBlockOfAnUpperDrawShowsItsLabelOnly) {
  BracketFixture f;
  const int e = f.addEvent(16);
  f.event(e).Sankasha[0].SubText = QStringLiteral("よみ");
  f.program().run.KanaKanjiPrint = true;
  f.decideAll(e);
  f.tournament(e).Taisens[5].Shousha = kShoushaUndecided;  // no side won block 2
  f.state.TournamentInsatsu.DrawSize = 4;
  TournamentRec joui;
  MakeJouiTournament(f.tournament(e), 4, joui);
  f.setUp(QStringLiteral("左"));
  f.state.TournamentInsatsu.DrawSize = 4;
  f.open();
  ChartEnv env = f.env();
  PrintTournamentPages(env, f.state, joui, -1);
  EXPECT_TRUE(f.find(QStringLiteral("2ブロック")));
  EXPECT_FALSE(f.find(QStringLiteral("1ブロック")));
  EXPECT_EQ(f.countTexts(QStringLiteral("よみ")), 1);
  EXPECT_EQ(f.countTexts(QStringLiteral("()")), 0);
}

}  // namespace
}  // namespace qv::test
