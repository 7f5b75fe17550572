// The knock-out set-up: sides and pages from the region, column fractions from the
// event's longest texts, match-cell contents, full or upper draw.

#include <gtest/gtest.h>

#include <algorithm>

#include "BracketFixture.h"
#include "charts/JouiTournament.h"
#include "charts/PrintTournament.h"

namespace qv::test {
namespace {

RyouikiRec region(int code) {
  RyouikiRec r;
  r.TournamentKeishiki = code;
  return r;
}

// The fractions in force during the print, read back from the columns it left.
std::pair<float, float> ratiosUsed(const TournamentChartState& st) {
  const float w = (st.TournamentInsatsu.Area.X2 - st.TournamentInsatsu.Area.X1) /
                  static_cast<float>(st.Haichi.TournamentSides);
  const auto& h = st.Haichi;
  return {(h.ColumnX(0, 1) - h.ColumnX(0, 0)) / w, (h.ColumnX(0, 3) - h.ColumnX(0, 2)) / w};
}

TEST(PrintTournamentTest, SidesAndPagesFromTheRegion) {
  struct Case {
    int entrants, code;
    const char* keishiki;
    int pages;
  } cases[] = {
      {3, 1, "左", 1},      // three entrants always print on one side
      {3, 3, "左", 1},
      {4, 1, "左右", 1},
      {5, 2, "左右", 1},     // two pages asked, one printed
      {9, 3, "左右", 2},
      {64, 5, "左右", 16},
      {5, 5, "左右", 1},
      {20, 0, "左", 1},
      {20, 9, "", 1},        // an unknown code prints on one side
  };
  for (const Case& c : cases) {
    BracketFixture f;
    const int e = f.addEvent(c.entrants);
    f.open();
    ChartEnv env = f.env();
    const ChartResult printed = PrintTournament(env, f.state, f.box, e, 0, region(c.code));
    EXPECT_EQ(f.state.TournamentInsatsu.Keishiki, QString::fromUtf8(c.keishiki)) << c.entrants << " " << c.code;
    EXPECT_EQ(printed.Pages, c.pages) << c.entrants << " " << c.code;
    EXPECT_EQ(f.state.TournamentInsatsu.PairMode, QStringLiteral("並列"));
  }
}

TEST(PrintTournamentTest, ColumnFractionsFromTheLongestTexts) {
  struct Case {
    int len1, len2, len3;
    bool team, paren;
    float name, shozoku;
  } cases[] = {
      {4, 4, 2, false, false, 0.35f, 0.15f},
      {0, 0, 0, false, false, 0.3f, 0.f},
      {3, 5, 0, false, false, 0.2f, 0.3f},   // the caller's preset
      {6, 2, 0, false, false, 0.25f, 0.25f},
      {6, 0, 0, false, false, 0.f, 0.5f},
      {5, 0, 0, false, false, 0.f, 0.3f},
      {6, 0, 0, true, true, 0.35f, 0.15f},
      {6, 0, 0, true, false, 0.5f, 0.f},
      {5, 0, 0, true, false, 0.3f, 0.f},
  };
  for (const Case& c : cases) {
    BracketFixture f;
    const int e = f.addEvent(8);
    ShumokuRec& ev = f.event(e);
    ev.MaxLen1 = c.len1;
    ev.MaxLen2 = c.len2;
    ev.MaxLen3 = c.len3;
    if (c.paren) ev.Sankasha[1].Name = QStringLiteral("青葉（Ａ）");
    if (c.team) f.program().taikai.sw.TaikaiOptions << QStringLiteral("(TEAM)");
    f.open();
    ChartEnv env = f.env();
    PrintTournament(env, f.state, f.box, e, 0, region(0));
    const auto [name, shozoku] = ratiosUsed(f.state);
    EXPECT_NEAR(name, c.name, 1e-4) << c.len1 << " " << c.len2 << " " << c.len3 << " " << c.team;
    EXPECT_NEAR(shozoku, c.shozoku, 1e-4) << c.len1 << " " << c.len2 << " " << c.len3 << " " << c.team;
    // The print run's preset is in force again afterwards.
    EXPECT_FLOAT_EQ(f.state.NameColumnRatio, 0.2f);
    EXPECT_FLOAT_EQ(f.state.ShozokuColumnRatio, 0.3f);
  }
  for (int variant = 0; variant < 2; ++variant) {
    BracketFixture f;
    const int e = f.addEvent(8);
    f.event(e).MaxLen3 = 3;
    if (variant == 0) f.program().taikai.sw.TaikaiOptions << QStringLiteral("YOJ");
    else f.program().run.KanaKanji = true;
    f.open();
    ChartEnv env = f.env();
    PrintTournament(env, f.state, f.box, e, 0, region(0));
    const auto [name, shozoku] = ratiosUsed(f.state);
    EXPECT_NEAR(name, 0.4f, 1e-4) << variant;
    EXPECT_NEAR(shozoku, 0.1f, 1e-4) << variant;
  }
}

TEST(PrintTournamentTest, MatchCellsAndDrawSize) {
  struct Case {
    int pointHyouji;
    bool scoreShow, keep;
  } cases[] = {{0, true, false}, {1, false, true}, {2, false, false}, {3, true, false}, {7, false, true}};
  for (const Case& c : cases) {
    BracketFixture f;
    const int e = f.addEvent(8);
    f.program().insatsu.InsatsuSeigyo.PointHyouji = c.pointHyouji;
    f.state.TournamentInsatsu.ScoreShow = false;  // what start-up leaves for "unchanged"
    f.state.TournamentInsatsu.ShiaiBangouKeep = true;
    f.open();
    ChartEnv env = f.env();
    PrintTournament(env, f.state, f.box, e, 0, region(0));
    EXPECT_EQ(f.state.TournamentInsatsu.ScoreShow, c.scoreShow) << c.pointHyouji;
    EXPECT_EQ(f.state.TournamentInsatsu.ShiaiBangouKeep, c.keep) << c.pointHyouji;
  }
  struct Size {
    int entrants, count, drawSize;
    bool blocks;
  } sizes[] = {{20, 8, 0, false}, {8, 7, 8, false}, {20, 7, 8, true}, {20, 0, 0, false}, {200, 127, 128, true}};
  for (const Size& c : sizes) {
    BracketFixture f;
    const int e = f.addEvent(c.entrants);
    f.open();
    ChartEnv env = f.env();
    PrintTournament(env, f.state, f.box, e, c.count, region(0));
    EXPECT_EQ(f.state.TournamentInsatsu.DrawSize, c.drawSize) << c.entrants << " " << c.count;
    const auto texts = f.texts();
    const bool blocks = std::any_of(texts.begin(), texts.end(), [](const PrintedText& t) {
      return t.text.endsWith(QStringLiteral("ブロック"));
    });
    EXPECT_EQ(blocks, c.blocks) << c.entrants << " " << c.count;
  }
}

TEST(PrintTournamentTest, UpperDrawShowsBlocksAndDecidedWinners) {
  BracketFixture f;
  const int e = f.addEvent(20);
  const TournamentRec before = f.tournament(e);
  // Block 2 of the upper 8 (node 9 of the 32-position draw) is decided.
  f.decide(e, 18, true, QStringLiteral("2:0:21-3:21-4:::"));
  f.decide(e, 9, true, QStringLiteral("2:0:21-3:21-4:::"));
  const int winner = f.tournament(e).Taisens[9].Shousha;
  ASSERT_GE(winner, 0);
  f.open();
  ChartEnv env = f.env();
  PrintTournament(env, f.state, f.box, e, 7, region(1));
  for (int b : {1, 3, 4, 5, 6, 7, 8})
    EXPECT_TRUE(f.find(QStringLiteral("%1ブロック").arg(b))) << b;
  EXPECT_FALSE(f.find(QStringLiteral("2ブロック")));
  EXPECT_TRUE(f.find(QStringLiteral("選手%1").arg(winner + 1)));
  EXPECT_EQ(f.state.JouiTournament.SankaCount, 8);
  // The model's own knock-out keeps its draw.
  EXPECT_EQ(f.tournament(e).SankaCount, before.SankaCount);
  EXPECT_EQ(f.tournament(e).LevelCount, before.LevelCount);
  for (size_t k = 1; k < before.Taisens.size(); ++k) {
    EXPECT_EQ(f.tournament(e).Taisens[k].HyoujiIchi, before.Taisens[k].HyoujiIchi) << k;
    EXPECT_EQ(f.tournament(e).Taisens[k].HyoujiLevel, before.Taisens[k].HyoujiLevel) << k;
  }
}

TEST(PrintTournamentTest, UpperDrawOfTwoInATwoSidedRegionPrintsOnOneSide) {
  BracketFixture f;
  const int e = f.addEvent(20);
  f.tournament(e).KetteiJuni = 0;
  f.open();
  ChartEnv env = f.env();
  PrintTournament(env, f.state, f.box, e, 1, region(1));
  EXPECT_EQ(f.state.TournamentInsatsu.Keishiki, QStringLiteral("左"));
  EXPECT_TRUE(f.find(QStringLiteral("1ブロック")));
  EXPECT_TRUE(f.find(QStringLiteral("2ブロック")));
}

TEST(PrintTournamentTest, DumpOfTheFullDrawWhenAsked) {
  BracketFixture f;
  const int e = f.addEvent(20);
  f.open();
  ChartEnv env = f.env();
  EXPECT_TRUE(PrintTournament(env, f.state, f.box, e, 7, region(0)).DumpLines.isEmpty());
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("Dumpトーナメント");
  const QStringList dump = PrintTournament(env, f.state, f.box, e, 7, region(0)).DumpLines;
  ASSERT_FALSE(dump.isEmpty());
  EXPECT_EQ(dump.front(), QStringLiteral("【トーナメント】"));
  EXPECT_TRUE(dump.join('\n').contains(QStringLiteral(",20,")));
}

}  // namespace
}  // namespace qv::test
