// Tie sheets continued across events: the running slot across events and runs, the start
// modes, the breaks before the last stage, the tie number texts and the cut team names.

#include <gtest/gtest.h>

#include "team/TeamMeisai.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

constexpr double kU = 3.375;

class TeamMeisaiRenkiTest : public TieSheetFixture {
 protected:
  bool print(int e, int startMode) {
    auto env = p().chartEnv();
    return PrintTeamMeisaiRenki(env, e, layout, pages, startMode);
  }
  // Page and cell of every sheet printed since the last clear.
  struct Place {
    int page, col, row;
    friend bool operator==(const Place&, const Place&) = default;
  };
  std::vector<Place> places() const {
    std::vector<Place> out;
    for (const Sheet& s : sheets()) {
      const auto [c, r] = cellOf(s, kU);
      out.push_back({s.page, c, r});
    }
    return out;
  }
  int slot() const { return tp.program.teamOutput.TeamMeisaiSlot; }
};

TEST_F(TeamMeisaiRenkiTest, SlotRunsThroughPagesAndOnIntoTheNextEvent) {
  const int a = addEvent(QStringLiteral("MT"), 4);
  addTies(a, addStage(a), 14);
  const int b = addEvent(QStringLiteral("WT"), 2);
  addTies(b, addStage(b), 1);
  EXPECT_TRUE(print(a, 0));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(slot(), 14);
  const auto first = places();
  ASSERT_EQ(first.size(), 14u);
  EXPECT_EQ(first[11], (Place{1, 2, 3}));
  EXPECT_EQ(first[12], (Place{2, 0, 0}));
  EXPECT_EQ(first[13], (Place{2, 1, 0}));
  // Without a new page or row the next event takes the next cell: no page, no heading.
  const int headings = countOf(QStringLiteral("市民大会令和８年６月１４日中央体育館WT団体"));
  EXPECT_TRUE(print(b, 11));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(places().back(), (Place{2, 2, 0}));
  EXPECT_EQ(countOf(QStringLiteral("市民大会令和８年６月１４日中央体育館WT団体")), headings);
  EXPECT_EQ(slot(), 15);
}

TEST_F(TeamMeisaiRenkiTest, StartModesChooseTheFirstSlot) {
  struct Case {
    int saved, mode;
    int page, col, row;  // of the event's first sheet, pages counted from the run's first
    int slotAfter;
  } cases[] = {
      {14, 1, 1, 0, 1, 16},  // next row
      {15, 1, 1, 0, 1, 16},  // already at a row start
      {14, 11, 1, 2, 0, 15},
      {12, 1, 2, 0, 0, 13},  // a multiple of the page: a new page
      {14, 0, 2, 0, 0, 1},
      {14, 10, 2, 0, 0, 1},
      {14, 7, 1, 2, 0, 15},  // an unknown mode continues
  };
  for (const Case& c : cases) {
    reset();
    const int filler = addEvent(QStringLiteral("AT"), 2);
    addTies(filler, addStage(filler), 1);
    const int e = addEvent(QStringLiteral("MT"), 2);
    addTies(e, addStage(e), 1);
    // A page of this run holds the slot the previous event left.
    pages = 0;
    p().teamOutput.TeamMeisaiSlot = c.saved - c.saved % 12;
    print(filler, 11);
    p().teamOutput.TeamMeisaiSlot = c.saved;
    surface.calls.clear();
    print(e, c.mode);
    std::vector<Place> got = places();
    ASSERT_EQ(got.size(), 1u) << c.saved << "/" << c.mode;
    const int newPages = surface.count(SurfaceCall::Kind::NewPage);
    EXPECT_EQ(1 + newPages, c.page) << c.saved << "/" << c.mode;
    EXPECT_EQ(got[0].col, c.col) << c.saved << "/" << c.mode;
    EXPECT_EQ(got[0].row, c.row) << c.saved << "/" << c.mode;
    EXPECT_EQ(slot(), c.slotAfter) << c.saved << "/" << c.mode;
  }
}

TEST_F(TeamMeisaiRenkiTest, SecondRunContinuingMidPageBeginsAFreshPage) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  addTies(e, addStage(e), 5);
  EXPECT_TRUE(print(e, 0));
  EXPECT_EQ(slot(), 5);
  // The next run of the command: its page count starts at 0.
  p().device.ClosePrint();
  pages = 0;
  surface.calls.clear();
  EXPECT_TRUE(print(e, 11));
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(surface.count(SurfaceCall::Kind::BeginDocument), 1);
  EXPECT_EQ(places().front(), (Place{1, 0, 0}));
  EXPECT_EQ(slot(), 5);
}

TEST_F(TeamMeisaiRenkiTest, LastStageBreaksOnOptionWordsAndFinalKnockoutBeginsAPage) {
  struct Case {
    QStringList options;
    QString lastName;
    int firstTieSkipped;
    Place place;  // of the last stage's first sheet
  } cases[] = {
      {{}, "", 0, {1, 1, 2}},
      {{"決勝トーナメント改行"}, "決勝リーグ", 0, {1, 0, 3}},
      {{"決勝トーナメント改行", "決勝トーナメント改頁"}, "", 0, {2, 0, 0}},
      {{}, "決勝トーナメント", 0, {2, 0, 0}},
      {{}, "決勝トーナメント", 1, {1, 1, 2}},  // its tie 0 is skipped: no reset
  };
  for (const Case& c : cases) {
    reset();
    p().taikai.sw.TaikaiOptions = c.options;
    const int e = addEvent(QStringLiteral("MT"), 3);
    addTies(e, addStage(e), 7);
    const int last = addStage(e, c.lastName);
    if (c.firstTieSkipped) addTie(e, last, 1, 1);
    addTies(e, last, 2);
    print(e, 0);
    const auto got = places();
    ASSERT_EQ(got.size(), 9u);
    EXPECT_EQ(got[7], c.place) << qPrintable(c.options.join(",") + c.lastName);
  }
  // A single stage ignores the option words: it continues on the run's open page.
  reset();
  p().taikai.sw.TaikaiOptions = {QStringLiteral("決勝トーナメント改行"),
                                 QStringLiteral("決勝トーナメント改頁")};
  pages = 1;
  p().teamOutput.TeamMeisaiSlot = 5;
  const int e = addEvent(QStringLiteral("MT"), 3);
  addTies(e, addStage(e), 1);
  print(e, 11);
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(slot(), 6);
}

TEST_F(TeamMeisaiRenkiTest, TieNumbersOfEventsWithAndWithoutLeague) {
  const int two = addEvent(QStringLiteral("XT"), 2);
  addTies(two, addStage(two), 2);
  print(two, 0);
  ASSERT_EQ(sheets().size(), 2u);
  EXPECT_EQ(sheets()[1].number, QStringLiteral("ＸＴ"));

  surface.calls.clear();
  const int three = addEvent(QStringLiteral("MT"), 3);
  addTies(three, addStage(three), 3);
  print(three, 0);
  EXPECT_EQ(sheets()[2].number, QStringLiteral("ＭＴ－３"));

  // League form for the blocks (a filler block too), the tie's number beyond the blocks.
  surface.calls.clear();
  const int league = addEvent(QStringLiteral("LT"), 3, {1, 1});
  p().taikai.Taikai.Shumoku.back().YosenLeague.Blocks[1].Dummy = true;
  addTies(league, 0, 1);
  addTies(league, 1, 1);
  addTies(league, addStage(league), 1);
  print(league, 0);
  QStringList numbers;
  for (const Sheet& s : sheets()) numbers << s.number;
  EXPECT_EQ(numbers, (QStringList{"Ａ－１０", "Ｂ－２０", "１"}));
}

TEST_F(TeamMeisaiRenkiTest, NamesAreCutBeforeTheirBracketsWithoutTouchingDelbla) {
  const int e = addEvent(QStringLiteral("MT"), 2);
  ev(e).Teams[0].TeamName = QStringLiteral("北中学（Ａ）");
  addTie(e, addStage(e), 0, 1);
  p().taikai.sw.DelBla = false;
  print(e, 0);
  EXPECT_TRUE(find(QStringLiteral("北中学")));
  EXPECT_TRUE(find(QStringLiteral("Ａ")));
  EXPECT_FALSE(find(QStringLiteral("北中学（Ａ）")));
  EXPECT_FALSE(p().taikai.sw.DelBla);
}

TEST_F(TeamMeisaiRenkiTest, EventWithoutPrintableTieKeepsItsFirstSlot) {
  const int e = addEvent(QStringLiteral("MT"), 2);
  addTie(e, addStage(e), 1, 1);
  p().teamOutput.TeamMeisaiSlot = 14;
  EXPECT_TRUE(print(e, 1));
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ(slot(), 15);
}

TEST_F(TeamMeisaiRenkiTest, UnusableGridIsRefused) {
  const int e = addEvent(QStringLiteral("MT"), 2);
  addTies(e, addStage(e), 1);
  layout.TeamMeisaiRows = 0;
  EXPECT_FALSE(print(e, 0));
  EXPECT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
}  // namespace qv::test
