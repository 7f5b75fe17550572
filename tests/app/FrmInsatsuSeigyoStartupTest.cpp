#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "StartupFixture.h"
#include "data/TextVars.h"
#include "platform/Files.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFile.h"
#include "platform/widgets/DirListBox.h"
#include "platform/widgets/SingleInstance.h"
#include "support/SampleTournament.h"

using namespace qv;
using namespace qv::test;

namespace {

class StartupTest : public ::testing::Test, public StartupFixture {
 protected:
  // The one message shown and the end it asked for.
  void expectEnd(const QString& title, const QString& text) {
    EXPECT_THROW(start(), platform::ProgramEnd);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.shown[0].title, title);
    EXPECT_EQ(tp.messages.shown[0].text, text);
    EXPECT_EQ(tp.messages.shown[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(selectionShown, 0);
  }
};

}  // namespace

TEST_F(StartupTest, StartValuesThenTheConfigurationThenTheSelectionWindow) {
  struct Case {
    const char* name;
    QStringList cfg;  // empty: the sample configuration
    QString shoujou;
    QString juniHantei;
  };
  const Case cases[] = {
      {"sample", {}, "青葉市バドミントン協会", "勝率"},
      {"bare", {"*設定なし"}, "Orvandi県協会", "多勝少敗"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartupFixture f;
    if (!c.cfg.isEmpty()) f.tp.writeFile("Quorvane.cfg", c.cfg);
    SetTextVar(f.tp.program.textVars, "前の値", "x");
    f.tp.program.kankyou.LeagueJuniHantei = "前の判定";
    f.tp.program.run.OutputDeviceName = "PDF";
    QString folderAtSelection;
    f.selectWith = [&](FrmTaikai& form) {
      folderAtSelection = f.tp.program.taikai.DataFolder;
      form.CmdCancel_Click();
    };
    FrmInsatsuSeigyo& w = f.start();

    const Program& p = f.tp.program;
    EXPECT_EQ(p.programFolder, f.programFolder());
    EXPECT_EQ(p.run.OutputDeviceName, "Printer");
    EXPECT_EQ(p.kankyou.KankyouShoujou, c.shoujou);
    EXPECT_EQ(p.kankyou.LeagueJuniHantei, c.juniHantei);
    EXPECT_EQ(LookupTextVars(p.textVars, "前の値"), "");
    EXPECT_EQ(f.selectionShown, 1);
    EXPECT_EQ(folderAtSelection, f.programFolder());
    EXPECT_EQ(p.taikai.Taikai.ShumokuCount, 0);
    EXPECT_FALSE(w.LayoutResizeEnabled);
    EXPECT_TRUE(f.tp.messages.shown.empty());

    EXPECT_EQ(w.windowTitle(), "印刷制御");
    EXPECT_FALSE(w.HasTeamEvents);
    for (QPushButton* b : {w.CmdTeam, w.CmdTeamX, w.CmdTeamE}) EXPECT_FALSE(b->isEnabled());
    for (QPushButton* b : {w.CmdInsatsu, w.CmdAuto, w.CmdDelete, w.CmdReturn})
      EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(w.LblDate->text().isEmpty());
    EXPECT_EQ(w.LblPage[6]->text(), "全０頁");
    EXPECT_EQ(w.SelectedPageColor, QColor(192, 255, 255));
    EXPECT_TRUE(w.PageListReady);
  }
}

TEST_F(StartupTest, ProgramFolderFromASourceFolderAndTheRememberedDataFolder) {
  env.startFolder = programFolder() + "SOURCE";
  tp.writeFile("前回ファイル.cfg", {dataFolder()});
  start();
  EXPECT_EQ(tp.program.programFolder, programFolder());
  EXPECT_EQ(tp.program.taikai.DataFolder, dataFolder());
}

TEST_F(StartupTest, ASecondCopyIsRefusedBeforeAnythingElse) {
  platform::SingleInstanceLock running(env.instanceLockPath);
  ASSERT_TRUE(running.tryAcquire());
  QFile::remove(programFolder() + "Quorvane.cfg");
  QFile::remove(programFolder() + "対戦表原紙.xls");
  expectEnd("Quorvaneシステム", "既に起動されています");
  EXPECT_TRUE(tp.program.programFolder.isEmpty() || tp.program.programFolder == tp.folder());
}

TEST_F(StartupTest, TheLockIsFreeAgainWhenTheWindowIsGone) {
  start();
  platform::SingleInstanceLock other(env.instanceLockPath);
  EXPECT_FALSE(other.tryAcquire());
  window.reset();
  EXPECT_TRUE(other.tryAcquire());
}

TEST_F(StartupTest, OnlyTheFirstMissingTemplateIsNamed) {
  QFile::remove(programFolder() + "大会結果Best8原紙.xls");
  QFile::remove(programFolder() + "自動配置原紙32.xls");
  QFile::remove(programFolder() + "Quorvane.cfg");  // never reached
  expectEnd("ファイルが見つからないため実行できません",
            "「大会結果Best8原紙.xls」がインストールされていません");
}

TEST_F(StartupTest, ATemplateThatIsAFolderDoesNotCount) {
  QFile::remove(programFolder() + "対戦表原紙.xls");
  QDir().mkpath(programFolder() + "対戦表原紙.xls");
  expectEnd("ファイルが見つからないため実行できません",
            "「対戦表原紙.xls」がインストールされていません");
}

TEST_F(StartupTest, AMissingConfigurationEndsTheProgram) {
  QFile::remove(programFolder() + "Quorvane.cfg");
  expectEnd("Quorvaneシステム", "環境定義ファイルが見つかりません");
}

TEST_F(StartupTest, TheCommandLineTournamentIsLoadedAndCancelKeepsItAsItWas) {
  env.arguments = {sampleTai(), "ignored"};
  std::size_t shapesAtSelection = 0;
  selectWith = [&](FrmTaikai& form) {
    shapesAtSelection = tp.program.taikai.Shokaisens.size();
    form.DirData->setPath(programFolder());  // browse elsewhere, then cancel
    form.CmdCancel_Click();
  };
  FrmInsatsuSeigyo& w = start();

  const Program& p = tp.program;
  EXPECT_EQ(p.taikai.DataFolder, dataFolder());
  EXPECT_EQ(p.taikai.TaikaiFileName, SampleTaikaiFileName());
  EXPECT_EQ(p.taikai.Taikai.ShumokuCount, 5);
  EXPECT_EQ(p.taikai.Shokaisens.size(), shapesAtSelection);  // results not read twice
  EXPECT_EQ(LookupTextVars(p.textVars, "大会名"), "第42回　青葉市民バドミントン大会");
  EXPECT_EQ(LookupTextVars(p.textVars, "会場名"), "青葉市総合体育館");
  const QString date = LookupTextVars(p.textVars, "開催日");
  EXPECT_TRUE(date.startsWith("令和")) << date.toStdString();
  EXPECT_EQ(LookupTextVars(p.textVars, "開催日会場名"), date + "　青葉市総合体育館");
  EXPECT_EQ(p.kekka.ShumokuIndex, 0);
  EXPECT_TRUE(tp.messages.shown.empty());

  EXPECT_EQ(w.LblDate->text(), p.taikai.Taikai.KaisaiBi);
  EXPECT_TRUE(w.HasTeamEvents);
  for (QPushButton* b : {w.CmdTeam, w.CmdTeamX, w.CmdTeamE}) EXPECT_TRUE(b->isEnabled());
  EXPECT_EQ(w.LblPage[6]->text(), "全５頁");
}

TEST_F(StartupTest, ATournamentChosenAfterTheCommandLineOneStartsFromLayoutDefaults) {
  env.arguments = {sampleTai()};
  // A second tournament in the same folder without a results file: no layout of its own.
  const auto lines = platform::readTextLines(sampleTai());
  ASSERT_TRUE(lines.has_value());
  QStringList second = *lines;
  second.replaceInStrings(QRegularExpression("^開催日=.*"), "開催日=2027/01/01");
  ASSERT_TRUE(platform::writeTextLines(dataFolder() + "二回目.tai", second));
  QFile::copy(dataFolder() + "青葉市民大会.dan", dataFolder() + "二回目.dan");
  int pagesBefore = 0;
  selectWith = [&](FrmTaikai& form) {
    pagesBefore = tp.program.insatsu.InsatsuSeigyo.PageCount;
    ASSERT_EQ(form.LstFile.value(0), "二回目.tai");
    form.LstTaikai->setCurrentRow(0);
    form.CmdReturn_Click();
  };
  FrmInsatsuSeigyo& w = start();
  EXPECT_EQ(pagesBefore, 5);
  EXPECT_EQ(tp.program.taikai.TaikaiFileName, "二回目.tai");
  EXPECT_EQ(tp.program.insatsu.InsatsuSeigyo.PageCount, 0);
  EXPECT_EQ(w.LblPage[6]->text(), "全０頁");
  EXPECT_EQ(w.LblDate->text(), tp.program.taikai.Taikai.KaisaiBi);
}

TEST_F(StartupTest, ADataFileThatDoesNotExistIsReportedAndTheSelectionFollows) {
  env.arguments = {dataFolder() + "ない大会.tai"};
  start();
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_TRUE(tp.messages.shown[0].text.contains("ない大会.tai"));
  EXPECT_EQ(selectionShown, 1);
  EXPECT_EQ(tp.program.taikai.Taikai.ShumokuCount, 0);
}

TEST_F(StartupTest, CloseBoxIsRefusedAndReturnEndsTheProgram) {
  FrmInsatsuSeigyo& w = start();
  w.show();
  QCloseEvent close;
  QCoreApplication::sendEvent(&w, &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "画面の終了");
  EXPECT_EQ(tp.messages.shown[0].text, "終了はメニューを選択して下さい");

  EXPECT_EQ(w.CmdReturn->text(), "戻　る");
  QTest::mouseClick(w.CmdReturn, Qt::LeftButton);
  EXPECT_TRUE(w.Ended());
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(tp.messages.shown.size(), 1u);  // nothing asked
  // 戻る asked the application's loop to end; run the loop once so that it has, and the
  // next test of this process starts with a fresh one.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  EXPECT_EQ(QCoreApplication::exec(), 0);
}
