// What a print run reads as it begins: the draw lots only where the draws print them.

#include <gtest/gtest.h>

#include "data/Cyusen.h"
#include "program/PrintRunStart.h"
#include "support/TestProgram.h"

namespace qv {
namespace {

TEST(PreparePrintRun, ReadsTheDrawLotsOnlyUnderTheirOptionWord) {
  for (const bool ballots : {false, true}) {
    test::TestProgram t;
    t.program.taikai.DataFolder = t.folder();
    t.program.taikai.TaikaiFileName = "春季大会.tai";
    t.writeFile("春季大会.csn", {"MS,1,a"});
    if (ballots) t.program.taikai.sw.TaikaiOptions << QStringLiteral("抽選");
    PreparePrintRun(t.program, false);
    EXPECT_EQ(FindCyusen(t.program.cyusen, "MS", 1), ballots ? 0 : -1) << ballots;
  }
}

}  // namespace
}  // namespace qv
