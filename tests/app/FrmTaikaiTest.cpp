#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "StartupFixture.h"
#include "app/FrmTaikai.h"
#include "data/Kankyou.h"
#include "platform/Files.h"
#include "platform/TextFile.h"
#include "platform/widgets/DirListBox.h"
#include "support/SampleTournament.h"

using namespace qv;
using namespace qv::test;

namespace {

// A program folder with the sample configuration, and a data folder holding three
// tournaments: a_first, b_middle (the sample, latest) and c_last (earliest), plus a file
// without a date listed before them all.
class FrmTaikaiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopySampleProgram(tp.folder()));
    data = tp.folder() + "data/";
    ASSERT_TRUE(CopySampleData(data));
    const QString sample = data + SampleTaikaiFileName();
    for (const char* ext : {"tai", "dan", "kan", "kai"}) {
      const QString from = data + QStringLiteral("青葉市民大会.") + QString::fromLatin1(ext);
      if (platform::fileExists(from)) {
        ASSERT_TRUE(platform::copyFile(from, data + "b_middle." + QString::fromLatin1(ext)));
      }
    }
    QFile::remove(sample);
    ASSERT_TRUE(platform::writeTextLines(data + "0_nodate.tai", {"大会名=日付なし"}));
    ASSERT_TRUE(platform::writeTextLines(data + "a_first.tai",
                                         {"【大会データ】", "大会名=春季大会", "開催日=2025/05/01"}));
    ASSERT_TRUE(platform::writeTextLines(data + "c_last.tai",
                                         {"【大会データ】", "大会名=秋季大会", "開催日=2024/11/20"}));
    ReadKankyouTeigi(tp.program);
    tp.program.taikai.DataFolder = data;
  }

  QString cfgPath() const { return tp.folder() + "前回ファイル.cfg"; }

  TestProgram tp;
  QString data;
};

void clickRow(QListWidget* list, int row, bool twice) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  if (twice) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  } else {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  }
}

}  // namespace

TEST_F(FrmTaikaiTest, ListsTheShownFolderNewestFirstWithTheButtonsAsDesigned) {
  FrmTaikai form(tp.program, false);
  form.Form_Load();
  EXPECT_EQ(form.windowTitle(), "大会データの選択");
  EXPECT_EQ(form.LblTitle->text(), "大会データの選択");
  EXPECT_EQ(form.LblKaisaiBi->text(), "開催日");
  EXPECT_EQ(form.LblTaikaiName->text(), "大会名称");
  EXPECT_EQ(form.DirData->path() + "/", data);
  ASSERT_EQ(form.LstTaikai->count(), 3);
  EXPECT_EQ(form.LstTaikai->item(0)->text(), "2026.06.14-15  第42回　青葉市民バドミントン大会");
  EXPECT_EQ(form.LstTaikai->item(1)->text(), "2025/05/01  春季大会");
  EXPECT_EQ(form.LstTaikai->item(2)->text(), "2024/11/20  秋季大会");
  EXPECT_EQ(form.LstFile, QStringList({"b_middle.tai", "a_first.tai", "c_last.tai"}));
  EXPECT_TRUE(form.LblMember->text().isEmpty());

  EXPECT_EQ(form.CmdReturn->text(), "決　定");
  EXPECT_EQ(form.CmdCancel->text(), "キャンセル");
  EXPECT_EQ(form.CmdShinki->text(), "新規大会");
  EXPECT_EQ(form.CmdHenshuu->text(), "諸元編集");
  EXPECT_FALSE(form.CmdReturn->isEnabled());
  EXPECT_FALSE(form.CmdShinki->isEnabled());
  EXPECT_TRUE(form.CmdHenshuu->isEnabled());

  form.show();
  clickRow(form.LstTaikai, 2, false);
  EXPECT_TRUE(form.CmdReturn->isEnabled());
}

TEST_F(FrmTaikaiTest, DoubleClickOpensThatLinesFileAndRemembersTheFolder) {
  FrmTaikai form(tp.program, false);
  form.Form_Load();
  form.show();
  clickRow(form.LstTaikai, 0, true);

  EXPECT_TRUE(form.Opened());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(tp.program.taikai.TaikaiFileName, "b_middle.tai");
  EXPECT_EQ(tp.program.taikai.Taikai.ShumokuCount, 5);
  EXPECT_GT(tp.program.insatsu.InsatsuSeigyo.PageCount, 0);  // the results file was read
  const auto lines = platform::readTextLines(cfgPath());
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, QStringList{data});
  QFile raw(cfgPath());
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(raw.readAll().endsWith("/\r\n"));
  // The next start looks there.
  EXPECT_EQ(ChooseDataFolder(tp.folder(), QDate(2025, 6, 1)), data);
}

TEST_F(FrmTaikaiTest, CancelAfterBrowsingKeepsTheTournamentAndTheFolder) {
  ASSERT_TRUE(LoadSampleTournament(tp.program, SampleDataFolder()));
  tp.program.programFolder = tp.folder();
  tp.program.taikai.DataFolder = data;
  const QString name = tp.program.taikai.Taikai.Name;
  const std::size_t shapes = tp.program.taikai.Shokaisens.size();
  const int pages = tp.program.insatsu.InsatsuSeigyo.PageCount;
  tp.messages.shown.clear();

  FrmTaikai form(tp.program, false);
  form.Form_Load();
  form.show();
  ASSERT_TRUE(form.DirData->setPath(tp.folder()));  // browse to the program folder
  EXPECT_EQ(tp.program.taikai.DataFolder, tp.folder());
  EXPECT_EQ(form.LstTaikai->count(), 0);
  QTest::mouseClick(form.CmdCancel, Qt::LeftButton);

  EXPECT_FALSE(form.Opened());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(tp.program.taikai.DataFolder, data);
  EXPECT_EQ(tp.program.taikai.Taikai.Name, name);
  EXPECT_EQ(tp.program.taikai.Shokaisens.size(), shapes);
  EXPECT_EQ(tp.program.insatsu.InsatsuSeigyo.PageCount, pages);
  EXPECT_FALSE(platform::fileExists(cfgPath()));
  EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(FrmTaikaiTest, CloseBoxIsRefusedWithTheMessage) {
  FrmTaikai form(tp.program, false);
  form.Form_Load();
  form.show();
  QCloseEvent close;
  QCoreApplication::sendEvent(&form, &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "画面の終了");
  EXPECT_EQ(tp.messages.shown[0].text, "終了はメニューを選択して下さい");
  form.CmdCancel_Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(tp.messages.shown.size(), 1u);
}

TEST_F(FrmTaikaiTest, AFolderThatIsGoneShowsItsNearestParent) {
  tp.program.taikai.DataFolder = data + "gone/deeper/";
  FrmTaikai form(tp.program, false);
  form.Form_Load();
  EXPECT_EQ(tp.program.taikai.DataFolder, data);
  EXPECT_EQ(form.LstTaikai->count(), 3);

  tp.program.taikai.DataFolder.clear();
  FrmTaikai second(tp.program, false);
  second.Form_Load();
  EXPECT_EQ(tp.program.taikai.DataFolder, tp.folder());
}
