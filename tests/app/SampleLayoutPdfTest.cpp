// The sample tournament's whole layout printed to a PDF file through the main window, and
// read back: every sheet printed, titles and names on the pages they were laid out on.

#include <gtest/gtest.h>

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "StartupFixture.h"
#include "app/CurrentPrinter.h"
#include "platform/Width.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

QString runTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

class SampleLayoutPdfTest : public ::testing::Test, public StartupFixture {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "poppler-utils not installed";
    env.arguments = {sampleTai()};
    start();
  }
  QString pageText(const QString& pdf, int page) {
    return runTool(QStringLiteral("pdftotext"),
                   {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"})
        .remove(QRegularExpression(QStringLiteral("\\s")));
  }
};

TEST_F(SampleLayoutPdfTest, EveryPageOnItsSheet) {
  const QString pdf = programFolder() + "見本.pdf";
  auto setup = std::make_unique<ScriptedPrinterSetup>();
  setup->accept(pdf);
  window->printer().setSetup(std::move(setup));
  InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
  ASSERT_EQ(layout.PageCount, 5);
  for (int i = 0; i < layout.PageCount; ++i) layout.Pages[static_cast<size_t>(i)].Selected = true;
  window->CmdInsatsu->click();
  const int sheets = tp.program.run.InsatsuPageCount;
  ASSERT_EQ(tp.messages.shown.back().text, platform::toFullWidth(QString::number(sheets)) + "頁印刷しました");
  const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(sheets))))
      << info.toStdString();
  ASSERT_EQ(sheets, 6);  // the roster runs on to a sixth sheet
  struct Expect {
    int page;
    QStringList texts;
  } expected[] = {
      {1, {"第42回青葉市民バドミントン大会", "一般男子シングルス（ＭＳ）", "佐藤健太（青葉クラブ）", "-1-"}},
      {2, {"一般女子ダブルス（ＷＤ）", "太田美穂（東町クラブ）", "-2-"}},
      {3, {"Ａブロック", "Ｄブロック", "鈴木美咲（青葉クラブ）", "決勝トーナメント", "-3-"}},
      {4, {"混合ダブルス（ＸＤ）", "一般男子団体Ａブロック", "若草ＢＣ", "-4-"}},
      {5, {"大会参加者名簿", "青葉市バドミントン協会", "主催：青葉市バドミントン協会", "-5-"}},
      {6, {"青葉市バドミントン協会", "各種目とも３位までを表彰します。", "※問合せは大会本部（内線=201,202）まで",
           "-6-"}},
  };
  for (const Expect& e : expected) {
    const QString text = pageText(pdf, e.page);
    for (const QString& t : e.texts)
      EXPECT_TRUE(text.contains(t)) << "page " << e.page << ": " << t.toStdString();
  }
  // A chart's title is on its own page only.
  for (int page = 1; page <= sheets; ++page) {
    const QString text = pageText(pdf, page);
    EXPECT_EQ(text.contains("混合ダブルス（ＸＤ）"), page == 4) << page;
    EXPECT_EQ(text.contains("大会参加者名簿"), page == 5) << page;
  }
}

}  // namespace
}  // namespace qv::test
