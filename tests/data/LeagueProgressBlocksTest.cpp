#include <gtest/gtest.h>

#include "data/LeagueResults.h"
#include "data/LeagueResultsFixture.h"
#include "support/TestProgram.h"

using namespace qv;

// Qualifiers listed in any order each take the entry of their own block's place, whether
// every block is counted or only one.
TEST(LeagueProgressBlocks, QualifiersTakeTheirOwnBlocksPlaces) {
  test::TestProgram t;
  const int e = test::addEvent(t.program, "男子シングルス", "単", 4);
  ShumokuRec& ev = test::event(t.program, e);
  ev.TournamentCount = 1;
  // Finished blocks: ",Dummy" blocks need no played matches.
  auto& first = test::addBlock(ev, 2, 21, true);
  first.Sankasha = {0, 1};
  first.SankashaIchi = {1, 2};
  auto& second = test::addBlock(ev, 2, 21, true);
  second.Sankasha = {2, 3};
  second.SankashaIchi = {2, 1};
  struct Listed {
    int blockNo, place;
  };
  for (const Listed l : {Listed{2, 1}, Listed{1, 1}, Listed{2, 2}, Listed{9, 1}, Listed{0, 1},
                         Listed{1, 2}}) {
    KesshouShinshutsuRec k;
    k.BlockNo = l.blockNo;
    k.Juni = l.place;
    k.Hyouji = "file";
    ev.KesshouShinshutsu.push_back(k);
  }
  ev.KesshouShinshutsuSuu = static_cast<int>(ev.KesshouShinshutsu.size());
  auto hyouji = [&] {
    QStringList h;
    for (const auto& k : test::event(t.program, e).KesshouShinshutsu) h << k.Hyouji;
    return h;
  };

  CountLeagueProgress(t.program, e, 1);  // the second block only
  EXPECT_EQ(hyouji(), (QStringList{"E3", "file", "E2", "file", "file", "file"}));
  CountLeagueProgress(t.program, -1, -1);
  EXPECT_EQ(hyouji(), (QStringList{"E3", "E0", "E2", "file", "file", "E1"}));
}
