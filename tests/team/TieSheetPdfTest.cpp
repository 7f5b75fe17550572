// The sample's team event printed as tie sheets into build/…/tests/tiesheets.pdf (by event,
// continued across events and per team), read back: every team's name and its sheets.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "data/LeagueResults.h"
#include "platform/QtPrintSurface.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"
#include "team/TeamMeisai.h"
#include "team/TeamSheetsByTeam.h"

namespace qv::test {
namespace {

// A final stage after the league blocks: two ties of the first teams, one not played yet.
void AddFinalStage(TeamShumokuRec& ev) {
  TeamBlockRec stage;
  stage.Meishou = QStringLiteral("決勝トーナメント");
  for (int i = 0; i < 2; ++i) {
    TeamTaisenRec tie = ev.Blocks.front().Taisens.front();
    tie.TeamA = i;
    tie.TeamB = i + 2;
    if (i == 1) {
      tie.KekkaA.clear();
      tie.KekkaB.clear();
      for (TeamShiaiRec& s : tie.Shiais) s = TeamShiaiRec{};
    }
    stage.Taisens.push_back(tie);
  }
  stage.TaisenCount = 2;
  ev.Blocks.push_back(stage);
  ev.BlockCount = static_cast<int>(ev.Blocks.size());
}

TEST(TieSheetPdfTest, SampleTeamEventPrintsByEventContinuedAndPerTeam) {
  TestProgram tp;
  Program& p = tp.program;
  // A copy dated at its save time, so that no data-change warning comes up.
  const QString data = tp.folder() + QStringLiteral("data");
  ASSERT_TRUE(CopySampleData(data));
  ASSERT_TRUE(LoadSampleTournament(p, data));
  ASSERT_FALSE(p.team.TeamShumokus.empty());
  TeamShumokuRec& ev = p.team.TeamShumokus.front();
  ASSERT_EQ(ev.BlockCount, 2);
  AddFinalStage(ev);

  const QString pdf = QCoreApplication::applicationDirPath() + QStringLiteral("/tiesheets.pdf");
  int pages = 0;
  {
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    platform::QtPrintSurface surface(writer);
    p.device.attachSurface(&surface);
    auto env = p.chartEnv();
    const TeamMeisaiLayout byEvent{15, 15, 195, 275, 3, 4, QStringLiteral("ブロック")};
    MakePrintRunStandings(p);
    EXPECT_TRUE(PrintTeamMeisai(env, 0, byEvent, pages));
    EXPECT_EQ(pages, 2);  // the league blocks, then the final stage
    const TeamMeisaiLayout continued{15, 20, 195, 280, 2, 3, QStringLiteral("種目連記")};
    EXPECT_TRUE(PrintTeamMeisaiRenki(env, 0, continued, pages, 0));
    EXPECT_EQ(pages, 4);  // 6 league ties on one page, the final on a page of its own
    QStringList done;
    for (const TeamSankashaRec& team : ev.Teams) {
      if (done.contains(team.TeamName)) continue;
      done << team.TeamName;
      EXPECT_TRUE(PrintTeamSheetsByTeam(env, byEvent, pages, team.TeamName));
    }
    EXPECT_EQ(pages, 4 + static_cast<int>(done.size()));
    p.device.ClosePrint();
  }
  for (const RecordedMessage& m : tp.messages.shown) ADD_FAILURE() << qPrintable(m.title + ": " + m.text);

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  QProcess proc;
  proc.start(pdftotext, {pdf, QStringLiteral("-")});
  ASSERT_TRUE(proc.waitForFinished(30000));
  QString text = QString::fromUtf8(proc.readAllStandardOutput());
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  const QStringList pageTexts = text.split(QChar(u'\f'));
  for (const TeamSankashaRec& team : ev.Teams) {
    QString name = team.TeamName;
    EXPECT_TRUE(text.contains(QStringLiteral("【") + name + QStringLiteral("】"))) << qPrintable(name);
  }
  EXPECT_TRUE(text.contains(QStringLiteral("試合番号Ａ－１")));
  EXPECT_TRUE(text.contains(QStringLiteral("佐藤健太")));
}

}  // namespace
}  // namespace qv::test
