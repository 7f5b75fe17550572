#include "charts/LeagueFixture.h"
#include "charts/LeagueGeometry.h"

namespace qv {
namespace {

using test::PrintedText;

class LeagueTable : public test::LeagueFixture {
 protected:
  LeagueGeometry geometry(const QString& shubetsu, int n, bool shozoku = true) {
    return MakeLeagueGeometry(box, shubetsu, n, shozoku, false,
                              model().taikai.sw.LeagueMeisaiMode > 0);
  }
  // The texts of the header row in opponent column c.
  QStringList columnHeader(const LeagueGeometry& g, int c) {
    return textsIn(g.columnLeft(c), g.Y1, g.columnLeft(c + 1) - 0.01, g.Y1 + g.R);
  }
  // The texts of the name column in the row of slot i.
  QStringList rowNames(const LeagueGeometry& g, int i) {
    return textsIn(g.X1, g.rowTop(i), g.X1 + g.W - 0.01, g.rowTop(i + 1) - 0.01);
  }
  std::optional<PrintedText> rank(const LeagueGeometry& g, int i) {
    return textIn(g.rankLeft(), g.rowTop(i), g.X2, g.rowTop(i + 1) - 0.01);
  }
};

const QStringList kThree{"山田 花子,青葉", "鈴木 愛,緑川", "田中 舞,若草"};

TEST_F(LeagueTable, HeaderCellWithOneAndWithSeveralBlocks) {
  const int e = addLeague("単", kThree);
  print(e);
  const LeagueGeometry g = geometry("単", 3);
  const auto title = find("女子単");
  ASSERT_TRUE(title);
  const double hh = std::max(g.Hb, g.H);
  EXPECT_NEAR(title->y, g.R / 2 - hh / 2, 0.02);
  EXPECT_NEAR(title->size, hh, 0.02);
  EXPECT_TRUE(find("順"));
  EXPECT_TRUE(find("位"));
  EXPECT_FALSE(find("勝敗"));

  model().taikai.sw.TaikaiOptions << "略号";
  test::addBlock(test::event(model(), e), 3);
  print(e, 1);
  const auto name = find("女子単(WS)");
  const auto caption = find("Ｂ１ブロック");
  ASSERT_TRUE(name && caption);
  EXPECT_NEAR(name->y, g.R / 2 - 1.1 * g.Hb, 0.02);
  EXPECT_NEAR(caption->y, g.R / 2 + 0.1 * g.Hb, 0.02);
  EXPECT_NEAR(caption->size, g.Hb, 0.02);
}

TEST_F(LeagueTable, NamesAffiliationsAndColumnHeaders) {
  struct Case {
    QString ueName, entry, left, header;
  };
  const Case cases[] = {
      {"", "山田 花子,青葉", "山田花子", "山田"},
      {"", "山田　花子,青葉", "山田花子", "山田"},
      {"姓名", "山田 花子,青葉", "山田花子", "山田花子"},
      {"", "山田花子,青葉", "山田花子", "山田花子"},
      {"", "山田 花子（北）,青葉", "山田花子（北）", "山田"},
  };
  for (const Case& c : cases) {
    test::TestProgram fresh;
    std::swap(t.program.taikai, fresh.program.taikai);
    model().taikai.sw.LeagueUeName = c.ueName;
    const int e = addLeague("単", {c.entry, "鈴木 愛,緑川"});
    print(e);
    const LeagueGeometry g = geometry("単", 2);
    EXPECT_EQ(rowNames(g, 0), (QStringList{c.left, "（青葉）"})) << c.entry.toStdString();
    EXPECT_EQ(columnHeader(g, 0), QStringList{c.header}) << c.entry.toStdString();
    const auto left = find(c.left);
    ASSERT_TRUE(left);
    EXPECT_NEAR(left->y, g.rowTop(0) + g.LeftFirst, 0.02);
    EXPECT_NEAR(left->x, 0.2 * g.H, 0.02);
    EXPECT_NEAR(find("（青葉）")->y, g.rowTop(0) + g.LeftFirst, 0.02);
    EXPECT_NEAR(textIn(g.columnLeft(0), 0, g.columnLeft(1), g.R)->y, g.HeaderFirst, 0.02);
  }
}

TEST_F(LeagueTable, PairsAndTriosStackTheirNames) {
  model().taikai.sw.ShozokuHyouji = false;
  const int e = addLeague("複", {"佐藤 一,鈴木 二,青葉,緑川", "a,b,c,d", "e,f,g,h", "i,j,k,l", "m,n,o,p"});
  print(e);  // 170 x 120, five slots: R = 20
  const LeagueGeometry g = geometry("複", 5, false);
  ASSERT_NEAR(g.LeftFirst, 2.367347, 1e-5);
  EXPECT_NEAR(find("佐藤一")->y, 20 + 2.367347, 0.02);
  EXPECT_NEAR(find("鈴木二")->y, 20 + 2.367347 + 1.2 * g.H, 0.02);
  EXPECT_EQ(columnHeader(g, 0), (QStringList{"佐藤", "鈴木"}));

  test::TestProgram fresh;
  std::swap(t.program.taikai, fresh.program.taikai);
  model().taikai.sw.ShozokuHyouji = false;
  box = {0, 190, 0, 96};
  const int trio = addLeague("３人", {"甲 一,乙 二,丙 三,青,青,青", "a,b,c,d,e,f", "g,h,i,j,k,l"});
  print(trio);  // R = 24
  EXPECT_NEAR(find("甲一")->y, 24 + 1.263158, 0.02);
  EXPECT_NEAR(find("乙二")->y, 24 + 8.842105, 0.02);
  EXPECT_NEAR(find("丙三")->y, 24 + 16.421053, 0.02);
  EXPECT_NEAR(find("甲一")->size, 6.315789, 0.02);
}

TEST_F(LeagueTable, UnresolvedReferencesAsRankTexts) {
  model().taikai.sw.TaikaiOptions << "勝上り順位表示";
  const int e = addLeague("単", {"ZZ：B－1", "ZZ：12Ｗ", "ZZ：A－2,", "山田 花子,青葉"});
  print(e);
  const LeagueGeometry g = geometry("単", 4);
  EXPECT_EQ(columnHeader(g, 0), QStringList{"ZZ：B－1位"});
  EXPECT_EQ(columnHeader(g, 1), QStringList{"12勝者"});
  EXPECT_EQ(columnHeader(g, 2), QStringList{"A－2位"});
  EXPECT_EQ(columnHeader(g, 3), QStringList{"山田"});
  EXPECT_EQ(rowNames(g, 0), QStringList{"（ZZ：B－1位）"});
  EXPECT_EQ(rowNames(g, 1), QStringList{"（12勝者）"});

  // Without the option a one-field entry shows as it stands.
  model().taikai.sw.TaikaiOptions.clear();
  print(e);
  EXPECT_EQ(columnHeader(g, 0), QStringList{"ZZ：B－1"});
  EXPECT_EQ(rowNames(g, 0), QStringList{"（ZZ：B－1）"});
}

TEST_F(LeagueTable, RanksShowWhenTheBlockIsCompleteOrTheSlotIsDecided) {
  const int e = addLeague("単", kThree);
  LeagueBlockRec& b = block(e);
  test::addMatch(b, 0, 1, "2:0:21-1:21-2").Shousha = 0;
  test::addMatch(b, 0, 2, "2:0:21-3:21-4").Shousha = 0;
  test::addMatch(b, 1, 2, "");
  const LeagueGeometry g = geometry("単", 3);
  print(e);
  ASSERT_TRUE(rank(g, 0));
  EXPECT_EQ(rank(g, 0)->text, "１");  // won all its matches
  EXPECT_NEAR(rank(g, 0)->x, g.rankCentre() - g.Cw / 2, 0.02);
  EXPECT_NEAR(rank(g, 0)->y, g.rowTop(0) + (g.R - g.Ch) / 2, 0.02);
  EXPECT_FALSE(rank(g, 1));
  EXPECT_FALSE(rank(g, 2));

  b.SankashaIchi[2] = 999;  // withdrawn: shows before the block is complete
  print(e);
  EXPECT_EQ(rank(g, 2)->text, "Ｘ");

  b.Taisen[2].TaisenKekka = "2:1:21-5:5-21:21-9";
  b.Taisen[2].Shousha = 1;
  b.SankashaIchi[2] = 3;
  print(e);
  EXPECT_EQ(rank(g, 1)->text, "２");
  EXPECT_EQ(rank(g, 2)->text, "３");

  b.SankashaIchi[1] = 0;  // no rank
  print(e);
  EXPECT_FALSE(rank(g, 1));
}

// A vacant slot plays no match; the others' ranks still print once they have played.
TEST_F(LeagueTable, VacantSlotDoesNotHoldBackTheRanks) {
  const int e = addLeague("単", {"山田 花子,青葉", "鈴木 愛,緑川", "田中 舞,若草", "空き,なし"});
  LeagueBlockRec& b = block(e);
  b.Sankasha[3] = -1;
  b.SankashaIchi = {1, 3, 2, 0};
  test::addMatch(b, 0, 1, "2:0:21-1:21-2").Shousha = 0;
  test::addMatch(b, 0, 2, "2:0:21-3:21-4").Shousha = 0;
  test::addMatch(b, 0, 3, "", "0");
  test::addMatch(b, 1, 2, "0:2:1-21:2-21").Shousha = 2;
  test::addMatch(b, 1, 3, "", "0");
  test::addMatch(b, 2, 3, "", "0");
  print(e);
  const LeagueGeometry g = geometry("単", 4);
  ASSERT_TRUE(rank(g, 1) && rank(g, 2));
  EXPECT_EQ(rank(g, 1)->text, "３");
  EXPECT_EQ(rank(g, 2)->text, "２");
  EXPECT_TRUE(rowNames(g, 3).isEmpty());
  EXPECT_TRUE(columnHeader(g, 3).isEmpty());
}

TEST_F(LeagueTable, WonLostTotalsAndHighlightedNames) {
  model().taikai.sw.LeagueMeisaiMode = 1;
  model().printFilters.TeamFilter = "緑川";
  const int e = addLeague("単", kThree);
  LeagueBlockRec& b = block(e);
  test::addMatch(b, 0, 1, "2:1:21-15:12-21:21-19").Shousha = 0;
  test::addMatch(b, 0, 2, "");
  test::addMatch(b, 1, 2, "");
  print(e);
  const LeagueGeometry g = geometry("単", 3);
  const auto m = find("M1-0");
  ASSERT_TRUE(m);
  EXPECT_NEAR(m->y, g.rowTop(0) + g.R / 16, 0.02);
  EXPECT_NEAR(m->size, g.R / 4, 0.02);
  EXPECT_NEAR(find("G2-1")->y, g.rowTop(0) + 6 * g.R / 16, 0.02);
  EXPECT_NEAR(find("P54-55")->y, g.rowTop(0) + 11 * g.R / 16, 0.02);
  EXPECT_TRUE(find("M0-1"));
  EXPECT_TRUE(find("勝敗"));
  EXPECT_EQ(textsIn(g.wonLostLeft(), g.rowTop(2), g.rankLeft(), g.Y2), QStringList{});

  EXPECT_EQ(find("鈴木愛")->weight, 700);
  EXPECT_EQ(find("鈴木")->weight, 700);
  EXPECT_EQ(find("（緑川）")->weight, 700);
  EXPECT_EQ(find("山田花子")->weight, 400);
  EXPECT_EQ(find("山田")->weight, 400);
}

TEST_F(LeagueTable, OtherEventPlayersInColour) {
  model().taikai.sw.TaikaiOptions << "多種目参加者";
  const int e = addLeague("単", kThree);
  const int d = test::addEvent(model(), "女子複", "複", 1);
  test::event(model(), d).Sankasha[0].Name = "鈴木 愛,佐藤 舞,緑川,青葉";
  print(e);
  EXPECT_EQ(find("鈴木愛")->color, Rgb(0, 0, 128));
  EXPECT_EQ(find("鈴木")->color, Rgb(0, 0, 0));  // column headers print black
  EXPECT_EQ(find("山田花子")->color, Rgb(0, 0, 0));
}

TEST_F(LeagueTable, TeamNamesWithTheirBrackets) {
  model().taikai.sw.TaikaiOptions << "(TEAM)" << "リーグ戦所属改行";
  const int e = addLeague("団体", {"青葉クラブ（東京）", "若草ＢＣ（千葉）"}, "男子団体");
  print(e);
  EXPECT_TRUE(find("青葉クラブ"));
  const auto aff = find("（東京）");
  ASSERT_TRUE(aff);
  const LeagueGeometry g =
      MakeLeagueGeometry(box, "団体", 2, true, true, false);
  EXPECT_NEAR(aff->y, g.rowTop(0) + g.LeftFirst + 1.2 * g.H, 0.02);
  EXPECT_NEAR(aff->x, g.X1 + g.W - g.H * 4, 0.05);
  EXPECT_TRUE(model().taikai.sw.ShozokuHyouji);  // the switch is left as it was

  model().taikai.sw.TaikaiOptions.clear();
  print(e);
  EXPECT_TRUE(find("青葉クラブ（東京）"));
  EXPECT_FALSE(find("（東京）"));
}

// Damaged or unusual blocks print what they can and never read past their lists.
TEST_F(LeagueTable, BadBlocksPrintWithoutReadingOutOfRange) {
  for (int n = 2; n <= 18; ++n) {
    QStringList entries;
    for (int i = 0; i < n; ++i)
      entries << QString("選手%1 名前,%2").arg(i).arg(QString(40, QChar(0x6240)));  // 所 x 40
    const int e = addLeague(n % 2 ? "複" : "単", entries);
    LeagueBlockRec& b = block(e);
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j) test::addMatch(b, i, j, (i + j) % 3 ? "２:1:２１-5: 9-21 :21-3X" : "");
    print(e);
    EXPECT_GT(surface.count(SurfaceCall::Kind::Line), 2 * n) << n;
  }
  const int e = addLeague("単", kThree);
  LeagueBlockRec& b = block(e);
  b.SankashaSuu = 6;  // more slots than the lists hold
  b.Sankasha = {0, 99, -5};
  b.SankashaIchi.resize(1);
  b.Juni.resize(1);
  test::addMatch(b, 0, 1, "2:0");
  print(e);
  EXPECT_TRUE(find("山田花子"));
  b.SankashaSuu = 0;
  print(e);
  EXPECT_TRUE(find("順"));

  const int team = addLeague("団体", {}, "空団体");  // a team event without entries
  block(team).SankashaSuu = 3;
  print(team);
  EXPECT_TRUE(find("空団体"));

  surface.calls.clear();
  auto env = t.program.chartEnv();
  PrintLeague(env, box, e, 5);
  PrintLeague(env, box, 99, 0);
  PrintLeague(env, box, -1, 0);
  EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
}  // namespace qv
