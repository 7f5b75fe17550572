// Brackets of odd sizes and damaged records print what they can and never read out of
// range.

#include <gtest/gtest.h>

#include "BracketFixture.h"
#include "charts/PrintTournament.h"
#include "charts/TournamentPages.h"
#include "data/Nittei.h"

namespace qv::test {
namespace {

RyouikiRec region(int code) {
  RyouikiRec r;
  r.TournamentKeishiki = code;
  return r;
}

TEST(BracketBadInputTest, EveryDrawSizeInEveryLayout) {
  for (int n : {0, 1, 2, 3, 5, 128, 129, 300}) {
    for (int code = 0; code <= 5; ++code) {
      for (int upper : {0, 1, 7, 127}) {
        BracketFixture f;
        const int e = f.addEvent(n);
        f.tournament(e).KetteiJuni = 0;
        f.decideAll(e);
        f.open();
        ChartEnv env = f.env();
        const ChartResult printed = PrintTournament(env, f.state, f.box, e, upper, region(code));
        EXPECT_GE(printed.Pages, 1);
        EXPECT_EQ(printed.SheetsStarted, printed.Pages - 1);
        EXPECT_EQ(f.surface.count(SurfaceCall::Kind::NewPage), printed.Pages - 1)
            << n << " " << code << " " << upper;
        if (n >= 2) {
          EXPECT_TRUE(f.find(QStringLiteral("選手1"))) << n << " " << code << " " << upper;
        }
      }
    }
  }
}

TEST(BracketBadInputTest, ResultsNamingEntrantsOutsideTheDraw) {
  BracketFixture f;
  const int e = f.addEvent(8);
  TournamentRec& t = f.tournament(e);
  t.KetteiJuni = 0;
  t.Taisens[8].Shousha = 500;   // a leaf naming an entry the event lacks
  t.Taisens[4].Shousha = 500;
  t.Taisens[4].TaisenKekka = QStringLiteral("2:0:21-1:::::::");
  t.Taisens[5].Shousha = -7;
  t.Taisens[2].Shousha = 42;
  t.Taisens[6].Taisen2 = 999;   // a link past the nodes
  t.Taisens[7].ShiaiBangou = QStringLiteral("abc");
  t.Taisens[0].Shousha = 77;
  f.program().run.SeedInsatsu = false;
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("多種目参加者") << QStringLiteral("抽選");
  f.print(e, QStringLiteral("左右"));
  EXPECT_TRUE(f.find(QStringLiteral("選手2")));

  // A record whose node table is shorter than its count.
  t.Taisens.resize(9);
  f.print(e, QStringLiteral("左"));
  t.Taisens.clear();
  f.print(e, QStringLiteral("左右"), 4);
}

TEST(BracketBadInputTest, LongTextsAndAMissingSchedule) {
  BracketFixture f;
  const int e = f.addEvent(6);
  const QString forty = QStringLiteral("長").repeated(40);
  f.event(e).Sankasha[0].Name = forty + QStringLiteral(",") + forty;
  f.event(e).Sankasha[1].Name = forty;
  f.event(e).Sankasha[2].GroupName = forty + QStringLiteral("／") + forty;
  f.program().taikai.DataFolder = f.tp.folder();
  f.program().taikai.NitteiFileName = QStringLiteral("ない日程.csv");
  ReadNitteiFile(f.program());
  f.print(e, QStringLiteral("左右"));
  EXPECT_TRUE(f.find(QStringLiteral("3")));  // the match number instead of the schedule
  // The long name stays in its box: it is squeezed, not run into the rounds.
  for (const SurfaceCall& c : f.surface.callsOf(SurfaceCall::Kind::PlaceChars)) {
    if (c.chars.size() != 40) continue;
    EXPECT_LE(c.chars.back().at.x() / BracketFixture::kPixelsPerMm,
              std::max(f.state.Haichi.ColumnX(0, 1), f.state.Haichi.ColumnX(1, 1)) + 0.1);
  }
}

}  // namespace
}  // namespace qv::test
