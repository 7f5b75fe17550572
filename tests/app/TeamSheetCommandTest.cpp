// The two tie-sheet commands of the main window on the sample tournament: the printer
// window preset from the sheet box, the job on the chosen printer, the end message and the
// buttons.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include <tuple>

#include "StartupFixture.h"
#include "app/CurrentPrinter.h"
#include "layout/FrmTeamMeisaiLayout.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

class TeamSheetCommandTest : public ::testing::Test, public StartupFixture {
 protected:
  void SetUp() override {
    env.arguments = {sampleTai()};
    // The layout window opens with the events following one another; the stub ticks
    // ブロック別 when a case asks for it and leaves with キャンセル, which keeps the box.
    env.execTeamLayout = [this](QDialog& dialog) {
      auto& form = static_cast<FrmTeamMeisaiLayout&>(dialog);
      ++teamLayoutShown;
      if (keishiki == QStringLiteral("ブロック") && !form.ChkBlock->isChecked()) form.ChkBlock->click();
      form.CmdCancel_Click();
      return form.result();
    };
    start();
    ASSERT_TRUE(window->HasTeamEvents);
    auto owned = std::make_unique<ScriptedPrinterSetup>();
    setup = owned.get();
    window->printer().setSetup(std::move(owned));
    window->printer().drawOn(&surface);
    setup->whileShown = [this] {
      for (QPushButton* b : buttons()) EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    };
  }

  std::vector<QPushButton*> buttons() const {
    FrmInsatsuSeigyo& w = *window;
    return {w.CmdTeam, w.CmdTeamX, w.CmdTeamE, w.CmdAuto, w.CmdLayout, w.CmdInsatsu, w.CmdReturn, w.CmdDelete};
  }
  void expectButtonsOnAgain() {
    for (QPushButton* b : buttons()) EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  }
  int pages() const {
    return surface.count(SurfaceCall::Kind::NewPage) +
           (surface.count(SurfaceCall::Kind::BeginDocument) > 0 ? 1 : 0);
  }

  RecordingSurface surface{10};
  ScriptedPrinterSetup* setup = nullptr;
  QString keishiki;  // the arrangement chosen in the layout window
  int teamLayoutShown = 0;
};

TEST_F(TeamSheetCommandTest, CancelledPrinterWindowPrintsNothingAndGivesTheButtonsBack) {
  setup->cancel();
  for (QPushButton* command : {window->CmdTeam, window->CmdTeamE}) {
    command->click();
    expectButtonsOnAgain();
  }
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_TRUE(tp.messages.shown.empty());
  EXPECT_EQ(teamLayoutShown, 2);
  // The layout window's defaults, 175 mm by 260 mm: portrait.
  ASSERT_EQ(setup->calls.size(), 2u);
  EXPECT_EQ(setup->calls[0].orientation, 1);
  const TeamMeisaiLayout& layout = tp.program.teamMeisaiLayout;
  EXPECT_EQ(std::tuple(layout.TeamMeisaiLeft, layout.TeamMeisaiRight, layout.TeamMeisaiCols),
            std::tuple(15.f, 190.f, 3));
}

TEST_F(TeamSheetCommandTest, AWideBoxPresetsLandscape) {
  TeamMeisaiLayout& layout = tp.program.teamMeisaiLayout;
  layout = TeamMeisaiLayout{10, 15, 280, 195, 4, 2, QStringLiteral("ブロック")};
  setup->cancel();
  window->CmdTeam->click();
  ASSERT_EQ(setup->calls.size(), 1u);
  EXPECT_EQ(setup->calls[0].orientation, 2);
}

TEST_F(TeamSheetCommandTest, EndMessagesGiveThePageCount) {
  struct Case {
    QPushButton* command;
    QString keishiki;
    QString tail;
  };
  const Case cases[] = {{window->CmdTeam, "ブロック", " 頁印刷しました。"},
                        {window->CmdTeam, "種目連記", " 頁印刷しました。"},
                        {window->CmdTeamE, "", " 頁印刷しました"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command->objectName().toStdString() + " " + c.keishiki.toStdString());
    surface.calls.clear();
    tp.messages.shown.clear();
    setup->accept();
    keishiki = c.keishiki;
    c.command->click();
    EXPECT_EQ(tp.program.teamMeisaiLayout.TeamMeisaiKeishiki,
              c.keishiki == QStringLiteral("ブロック") ? c.keishiki : QStringLiteral("種目連記"));
    ASSERT_GT(pages(), 0);
    EXPECT_EQ(surface.count(SurfaceCall::Kind::EndDocument), 1);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, "Quorvane");
    EXPECT_EQ(tp.messages.shown[0].text, "団体戦の対戦結果を " + QString::number(pages()) + c.tail);
    EXPECT_EQ(tp.messages.shown[0].buttons, platform::MsgButtons::Ok);
    expectButtonsOnAgain();
  }
}

TEST_F(TeamSheetCommandTest, NoEventMarkedPrintsNothingAndSaysNothing) {
  for (TeamShumokuRec& ev : tp.program.team.TeamShumokus) ev.InsatsuFlag = false;
  setup->accept();
  window->CmdTeam->click();
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_TRUE(tp.messages.shown.empty());
  expectButtonsOnAgain();
}

TEST_F(TeamSheetCommandTest, AGridThePrintersRefuseEndsTheRunWithTheirMessageOnly) {
  tp.program.teamMeisaiLayout = TeamMeisaiLayout{15, 15, 15, 275, 3, 4, QStringLiteral("ブロック")};
  setup->accept();
  window->CmdTeam->click();
  EXPECT_TRUE(surface.calls.empty());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_FALSE(tp.messages.shown[0].text.contains("頁印刷しました"));
  expectButtonsOnAgain();
}

TEST_F(TeamSheetCommandTest, AFileThatCannotBeOpenedIsNamed) {
  window->printer().drawOn(nullptr);
  const QString pdf = programFolder() + "no/such/folder/sheets.pdf";
  for (QPushButton* command : {window->CmdTeam, window->CmdTeamE}) {
    tp.messages.shown.clear();
    setup->accept(pdf);
    command->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_TRUE(tp.messages.shown[0].text.contains(pdf)) << tp.messages.shown[0].text.toStdString();
    expectButtonsOnAgain();
  }
}

}  // namespace
}  // namespace qv::test
