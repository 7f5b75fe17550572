#include <gtest/gtest.h>

#include "data/TeamKenin.h"

using namespace qv;

TEST(TeamKenin, DefaultsReplaceEveryValue) {
  // Values left by an earlier tournament must all go, the empty fourth label included.
  TeamKeninState kenin{1, 2, 3, 4, 6, 9, "a", "b", "c", "d", 0};
  SetTeamKeninDefault(kenin);
  EXPECT_EQ(kenin.TeamKenin1, 70.f);
  EXPECT_EQ(kenin.TeamKenin2, 30.f);
  EXPECT_EQ(kenin.TeamKenin3, 70.f);
  EXPECT_EQ(kenin.TeamKenin4, 15.f);
  EXPECT_EQ(kenin.TeamKenin5, 5.f);
  EXPECT_EQ(kenin.TeamKeninCount, 3);
  EXPECT_EQ(kenin.TeamKeninLabel1, "勝者");
  EXPECT_EQ(kenin.TeamKeninLabel2, "敗者");
  EXPECT_EQ(kenin.TeamKeninLabel3, "審判長");
  EXPECT_EQ(kenin.TeamKeninLabel4, "");
  EXPECT_EQ(kenin.TeamKeninFlag, 1);
}
