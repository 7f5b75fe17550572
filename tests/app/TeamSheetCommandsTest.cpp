#include <gtest/gtest.h>

#include <tuple>

#include "app/TeamSheetCommands.h"
#include "support/TestProgram.h"

using namespace qv;
using namespace qv::test;

namespace {

struct Call {
  QString printer;  // "block", "renki" or "team"
  int event;        // the team event passed; -1 for a team call
  int shumokuIndex;
  int startMode;    // -1 for a team call
  QString team;

  bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Call& c) {
  return os << c.printer.toStdString() << " " << c.event << "/" << c.shumokuIndex << " mode "
            << c.startMode << " " << c.team.toStdString();
}

// Team events built from their team names and page flags; printers that record each call
// and start one page per call.
class TeamSheetCommandsTest : public ::testing::Test {
 protected:
  TeamShumokuRec& addEvent(const QStringList& teams, bool print = true, bool kaipage = true,
                           bool kaigyou = true) {
    TeamState& t = tp.program.team;
    TeamShumokuRec ev;
    for (const QString& name : teams) {
      TeamSankashaRec team;
      team.TeamName = name;
      ev.Teams.push_back(team);
    }
    ev.TeamCount = static_cast<int>(teams.size());
    ev.InsatsuFlag = print;
    ev.KaipageFlag = kaipage;
    ev.KaigyouFlag = kaigyou;
    t.TeamShumokus.push_back(ev);
    t.TeamShumokuCount = static_cast<int>(t.TeamShumokus.size());
    return t.TeamShumokus.back();
  }

  TeamSheetPrinters printers() {
    auto byEvent = [this](const char* name) {
      return [this, name](TieSheetRun& run, int teamEvent, int mode) {
        calls.push_back({name, teamEvent, tp.program.kekka.ShumokuIndex, mode, {}});
        ++run.pageCount;
        run.layout.TeamMeisaiLeft = -1;  // a printer's change stays in the run
        return mode != refuseMode;
      };
    };
    return {byEvent("block"), byEvent("renki"), [this](TieSheetRun& run, const QString& team) {
              calls.push_back({"team", -1, tp.program.kekka.ShumokuIndex, -1, team});
              ++run.pageCount;
              return team != refuseTeam;
            }};
  }

  TestProgram tp;
  std::vector<Call> calls;
  int refuseMode = -1;  // the event printers refuse an event of this start mode
  QString refuseTeam;   // the team printer refuses this name
};

}  // namespace

TEST(TeamSheetOrientation, LandscapeForABoxAtLeastAsWideAsItIsHigh) {
  struct Case {
    float left, top, right, bottom;
    int orientation;
  };
  const Case cases[] = {
      {10, 20, 190, 280, 1},  // 180 x 260
      {10, 15, 280, 195, 2},  // 270 x 180
      {15, 15, 195, 195, 2},  // square
      {0, 0, 0, 0, 2},        // a box of no size
  };
  for (const Case& c : cases) {
    TeamMeisaiLayout layout;
    layout.TeamMeisaiLeft = c.left;
    layout.TeamMeisaiTop = c.top;
    layout.TeamMeisaiRight = c.right;
    layout.TeamMeisaiBottom = c.bottom;
    EXPECT_EQ(TeamSheetOrientation(layout), c.orientation)
        << c.right - c.left << "x" << c.bottom - c.top;
  }
}

TEST(TeamSheetStartMode, UnitsForNoNewPageTensForNoNewRow) {
  struct Case {
    bool kaipage, kaigyou;
    int mode;
  };
  for (const Case& c : {Case{true, true, 0}, Case{false, true, 1}, Case{true, false, 10},
                        Case{false, false, 11}}) {
    TeamShumokuRec ev;
    ev.KaipageFlag = c.kaipage;
    ev.KaigyouFlag = c.kaigyou;
    EXPECT_EQ(TeamSheetStartMode(ev), c.mode) << c.kaipage << c.kaigyou;
  }
}

TEST_F(TeamSheetCommandsTest, EventsMarkedForPrintingGoToThePrinterOfTheArrangement) {
  addEvent({"A"}, true, false, true);
  addEvent({"B"}, false);
  addEvent({"C"}, true, false, false);
  struct Case {
    QString keishiki;
    QString printer;
  };
  for (const Case& c : {Case{"ブロック", "block"}, Case{"種目連記", "renki"}, Case{"", "block"}}) {
    calls.clear();
    tp.program.teamMeisaiLayout.TeamMeisaiKeishiki = c.keishiki;
    TieSheetRun run;
    EXPECT_TRUE(PrintTeamSheetsByEvent(tp.program, printers(), run));
    EXPECT_EQ(calls, (std::vector<Call>{{c.printer, 0, 0, 1, {}}, {c.printer, 2, 2, 11, {}}}))
        << c.keishiki.toStdString();
    EXPECT_EQ(run.pageCount, 2);
  }
}

TEST_F(TeamSheetCommandsTest, TheCurrentEventIsTheTournamentsRecordOfTheTeamEvent) {
  // Two individual events come first: team event 0 is the tournament's event 2.
  TaikaiRec& t = tp.program.taikai.Taikai;
  t.Shumoku.resize(3);
  t.ShumokuCount = 3;
  t.Shumoku[2].TeamShumokuIndex = 0;
  addEvent({"A"}).ShumokuIndex = 2;
  addEvent({"B"}).ShumokuIndex = 0;  // not paired back: the team event's own index
  TieSheetRun run;
  PrintTeamSheetsByEvent(tp.program, printers(), run);
  EXPECT_EQ(calls, (std::vector<Call>{{"block", 0, 2, 0, {}}, {"block", 1, 1, 0, {}}}));
}

TEST_F(TeamSheetCommandsTest, NoEventMarkedPrintsNothing) {
  addEvent({"A"}, false);
  TieSheetRun run;
  PrintTeamSheetsByEvent(tp.program, printers(), run);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(run.pageCount, 0);
}

TEST_F(TeamSheetCommandsTest, EachTeamNamePrintsOnceWhereItFirstOccurs) {
  addEvent({"青葉", "若草"});
  addEvent({"若草", "桜台", "青葉 "}, false);  // unmarked events still give their teams
  tp.program.kekka.ShumokuIndex = 7;
  TieSheetRun run;
  EXPECT_TRUE(PrintTeamSheetsByTeamName(tp.program, printers(), run));
  EXPECT_EQ(calls, (std::vector<Call>{{"team", -1, 7, -1, "青葉"},
                                      {"team", -1, 7, -1, "若草"},
                                      {"team", -1, 7, -1, "桜台"},
                                      {"team", -1, 7, -1, "青葉 "}}));
  EXPECT_EQ(run.pageCount, 4);
}

TEST_F(TeamSheetCommandsTest, ATeamFilterSelectsTheNames) {
  addEvent({"青葉クラブ", "若草ＢＣ", "青葉 ジュニア"});
  tp.program.printFilters.TeamFilter = QStringLiteral("青葉ジ");
  TieSheetRun run;
  PrintTeamSheetsByTeamName(tp.program, printers(), run);
  EXPECT_EQ(calls, (std::vector<Call>{{"team", -1, -1, -1, "青葉 ジュニア"}}));
}

TEST_F(TeamSheetCommandsTest, ARefusingPrinterEndsTheRun) {
  addEvent({"A", "B"}, true, false, true);
  addEvent({"C", "D"});
  refuseMode = 1;
  TieSheetRun run;
  EXPECT_FALSE(PrintTeamSheetsByEvent(tp.program, printers(), run));
  EXPECT_EQ(calls.size(), 1u);

  calls.clear();
  refuseTeam = "B";
  EXPECT_FALSE(PrintTeamSheetsByTeamName(tp.program, printers(), run));
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(TeamSheetCommandsTest, TheRunHasItsOwnCopyOfTheBoxAndGrid) {
  TeamMeisaiLayout& layout = tp.program.teamMeisaiLayout;
  SetTeamMeisaiDefaults(layout);
  EXPECT_EQ(std::tuple(layout.TeamMeisaiLeft, layout.TeamMeisaiTop, layout.TeamMeisaiRight,
                       layout.TeamMeisaiBottom, layout.TeamMeisaiCols, layout.TeamMeisaiRows),
            std::tuple(15.f, 15.f, 190.f, 275.f, 3, 4));
  addEvent({"A"});
  TieSheetRun run{0, layout};
  PrintTeamSheetsByEvent(tp.program, printers(), run);
  EXPECT_EQ(run.layout.TeamMeisaiLeft, -1);
  EXPECT_EQ(layout.TeamMeisaiLeft, 15);
}
