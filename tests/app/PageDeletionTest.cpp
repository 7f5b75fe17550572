#include <gtest/gtest.h>

#include "app/PageDeletion.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/TaikaiModel.h"

using namespace qv;

namespace {

// count pages, page i holding one region whose first split count is i + 1, so that a
// page can be recognised after it moved.
InsatsuSeigyoRec layoutOf(int count, std::initializer_list<int> selectedNumbers) {
  InsatsuSeigyoRec layout;
  for (int i = 0; i < count; ++i) {
    const int p = layout.AppendPage();
    layout.Pages[p].RyouikiCount = 1;
    layout.Pages[p].Ryouiki.resize(1);
    layout.Pages[p].Ryouiki[0].BunkatsuH = i + 1;
  }
  layout.Pages[count].Ryouiki.resize(1);
  layout.Pages[count].Ryouiki[0].BunkatsuH = 100;  // the empty page after the last
  for (int n : selectedNumbers) layout.Pages[n - 1].Selected = true;
  return layout;
}

ShumokuRec eventWithMarks(int league, int knockOut, int upper, int finalLeague) {
  ShumokuRec e;
  e.YosenLeaguePage = league;
  e.KesshouTournamentPage = knockOut;
  e.JouiTournamentPage = upper;
  e.KesshouLeaguePage = finalLeague;
  return e;
}

}  // namespace

TEST(PageDeletionTest, PagesTwoAndThreeOfFiveGoAndTheMarksFollowTheirPages) {
  InsatsuSeigyoRec layout = layoutOf(5, {2, 3});
  std::vector<ShumokuRec> events{eventWithMarks(4, 3, 5, 999), eventWithMarks(1, 999, 2, 0),
                                 eventWithMarks(0, 5, -1, 4)};
  EXPECT_EQ(DeleteSelectedPages(layout, events), 2);

  ASSERT_EQ(layout.PageCount, 3);
  ASSERT_EQ(layout.Pages.size(), 4u);
  // Old pages 1, 4, 5 are now 1, 2, 3, and the empty page follows them.
  EXPECT_EQ(layout.Pages[0].Ryouiki[0].BunkatsuH, 1);
  EXPECT_EQ(layout.Pages[1].Ryouiki[0].BunkatsuH, 4);
  EXPECT_EQ(layout.Pages[2].Ryouiki[0].BunkatsuH, 5);
  EXPECT_EQ(layout.Pages[3].Ryouiki[0].BunkatsuH, 100);

  struct Marks {
    int league, knockOut, upper, finalLeague;
  };
  const Marks expected[] = {{2, 0, 3, 0}, {1, 0, 0, 0}, {0, 3, 0, 2}};
  for (std::size_t i = 0; i < events.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events[i].YosenLeaguePage, expected[i].league);
    EXPECT_EQ(events[i].KesshouTournamentPage, expected[i].knockOut);
    EXPECT_EQ(events[i].JouiTournamentPage, expected[i].upper);
    EXPECT_EQ(events[i].KesshouLeaguePage, expected[i].finalLeague);
  }
}

TEST(PageDeletionTest, NothingSelectedKeepsThePagesButClearsUnplacedMarks) {
  InsatsuSeigyoRec layout = layoutOf(3, {});
  std::vector<ShumokuRec> events{eventWithMarks(999, 2, 999, 3), eventWithMarks(7, 0, 0, 0)};
  EXPECT_EQ(DeleteSelectedPages(layout, events), 0);
  EXPECT_EQ(layout.PageCount, 3);
  EXPECT_EQ(layout.Pages[2].Ryouiki[0].BunkatsuH, 3);
  EXPECT_EQ(events[0].YosenLeaguePage, 0);
  EXPECT_EQ(events[0].KesshouTournamentPage, 2);
  EXPECT_EQ(events[0].JouiTournamentPage, 0);
  EXPECT_EQ(events[0].KesshouLeaguePage, 3);
  EXPECT_EQ(events[1].YosenLeaguePage, 0);  // beyond the last page
}

TEST(PageDeletionTest, EveryPageSelectedLeavesOnlyTheEmptyPage) {
  InsatsuSeigyoRec layout = layoutOf(4, {1, 2, 3, 4});
  std::vector<ShumokuRec> events{eventWithMarks(1, 4, 0, 0)};
  EXPECT_EQ(DeleteSelectedPages(layout, events), 4);
  EXPECT_EQ(layout.PageCount, 0);
  ASSERT_EQ(layout.Pages.size(), 1u);
  EXPECT_EQ(layout.Pages[0].Ryouiki[0].BunkatsuH, 100);
  EXPECT_EQ(events[0].YosenLeaguePage, 0);
  EXPECT_EQ(events[0].KesshouTournamentPage, 0);
}
