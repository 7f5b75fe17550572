// The print commands of the main window: the printer window, the buttons, the switches
// and the job on the chosen printer or file.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>

#include "StartupFixture.h"
#include "app/CurrentPrinter.h"
#include "print/RecordingSurface.h"
#include "platform/Width.h"
#include "support/LayoutRegions.h"
#include "support/SampleStartup.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

class PrintCommandTest : public ::testing::Test, public StartupFixture {
 protected:
  void SetUp() override {
    setup = &StartSampleForPrinting(*this);
    window->printer().drawOn(&surface);
  }

  std::vector<QPushButton*> buttons() const {
    FrmInsatsuSeigyo& w = *window;
    return {w.CmdTeam, w.CmdTeamX, w.CmdTeamE, w.CmdAuto, w.CmdLayout, w.CmdInsatsu, w.CmdReturn, w.CmdDelete};
  }
  // Checks, while the dialog is up, that every command button is off.
  void expectButtonsOffWhileShown() {
    setup->whileShown = [this] {
      for (QPushButton* b : buttons()) EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    };
  }
  void expectButtonsOnAgain() {
    for (QPushButton* b : buttons()) {
      const bool team = b == window->CmdTeam || b == window->CmdTeamX || b == window->CmdTeamE;
      EXPECT_EQ(b->isEnabled(), !team || window->HasTeamEvents) << b->objectName().toStdString();
    }
  }
  QString lastMessage() const { return tp.messages.shown.empty() ? QString() : tp.messages.shown.back().text; }

  RecordingSurface surface{10};
  ScriptedPrinterSetup* setup = nullptr;
};

TEST_F(PrintCommandTest, CancelledPrinterWindowPrintsNothing) {
  Program& p = tp.program;
  p.run.KanaKanji = true;
  window->ChkKNKNJ->setChecked(true);
  setup->cancel();
  expectButtonsOffWhileShown();
  const size_t before = tp.messages.shown.size();
  for (QPushButton* command : {window->CmdInsatsu, window->CmdAuto}) {
    command->click();
    EXPECT_TRUE(surface.calls.empty());
    expectButtonsOnAgain();
  }
  EXPECT_EQ(tp.messages.shown.size(), before);
  EXPECT_TRUE(p.run.PrinterCancel);
  // The automatic run presets portrait; the layout run leaves the last choice.
  ASSERT_EQ(setup->calls.size(), 2u);
  EXPECT_EQ(setup->calls[0].orientation, 0);
  EXPECT_EQ(setup->calls[1].orientation, 1);
  EXPECT_TRUE(p.run.KanaKanji);
  EXPECT_TRUE(window->ChkKNKNJ->isChecked());
}

TEST_F(PrintCommandTest, LayoutRunShowsItsProgressAndRestoresTheKanaSwitch) {
  Program& p = tp.program;
  p.run.KanaKanji = true;
  bool kanaDuringRun = true;
  setup->whileShown = [&] { kanaDuringRun = p.run.KanaKanji; };
  for (int i = 0; i < p.insatsu.InsatsuSeigyo.PageCount; ++i) p.insatsu.InsatsuSeigyo.Pages[i].Selected = true;
  window->CmdInsatsu->click();
  EXPECT_FALSE(kanaDuringRun);
  EXPECT_TRUE(p.run.KanaKanjiPrint);
  EXPECT_TRUE(p.run.KanaKanji);
  const int sheets = p.run.InsatsuPageCount;
  ASSERT_GE(sheets, p.insatsu.InsatsuSeigyo.PageCount);
  EXPECT_EQ(lastMessage(), platform::toFullWidth(QString::number(sheets)) + "頁印刷しました");
  EXPECT_EQ(window->LblStatus->text(),
            platform::toFullWidth(QString::number(sheets)) + "ページ目を出力しています");
  EXPECT_FALSE(window->FraWait->isVisible());
  expectButtonsOnAgain();
}

TEST_F(PrintCommandTest, PaperOfTheLayout) {
  struct Case {
    const char* name;
    const char* orientation;
    float w, h;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation want;
  } cases[] = {
      {"B4", "横", 364, 257, QPageSize::JisB4, QPageLayout::Landscape},
      {"A3", "縦", 297, 420, QPageSize::A3, QPageLayout::Portrait},
      {"B5", "", 257, 182, QPageSize::JisB5, QPageLayout::Landscape},
      {"", "", 210, 297, QPageSize::A4, QPageLayout::Portrait},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
    layout.PaperName = QString::fromUtf8(c.name);
    layout.PaperOrientation = QString::fromUtf8(c.orientation);
    layout.PaperWidth = c.w;
    layout.PaperHeight = c.h;
    setup->accept({}, 1);
    window->CmdInsatsu->click();
    const QPageLayout pl = window->printer().printer().pageLayout();
    EXPECT_EQ(pl.pageSize().id(), c.size);
    EXPECT_EQ(pl.orientation(), c.want);
  }
}

TEST_F(PrintCommandTest, AutomaticAndTeamRunsPrintOnA4AfterALargerLayout) {
  ASSERT_TRUE(window->HasTeamEvents);
  struct Layout {
    const char* name;
    const char* orientation;
    float w, h;
    QPageSize::PageSizeId size;
  } layouts[] = {{"B4", "横", 364, 257, QPageSize::JisB4}, {"A3", "縦", 297, 420, QPageSize::A3}};
  InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
  for (const Layout& l : layouts) {
    for (QPushButton* command : {window->CmdAuto, window->CmdTeam, window->CmdTeamE}) {
      SCOPED_TRACE(std::string(l.name) + " then " + command->objectName().toStdString());
      layout.PaperName = QString::fromUtf8(l.name);
      layout.PaperOrientation = QString::fromUtf8(l.orientation);
      layout.PaperWidth = l.w;
      layout.PaperHeight = l.h;
      for (PageRec& page : layout.Pages) page.Selected = true;
      setup->accept();
      window->CmdInsatsu->click();
      ASSERT_EQ(window->printer().printer().pageLayout().pageSize().id(), l.size);
      surface.calls.clear();
      command->click();
      EXPECT_GT(surface.count(SurfaceCall::Kind::BeginDocument), 0);
      const QPageLayout pl = window->printer().printer().pageLayout();
      EXPECT_EQ(pl.pageSize().id(), QPageSize::A4);
      // The orientation is the one the printer window was preset with.
      EXPECT_EQ(pl.orientation(), setup->calls.back().orientation == 2 ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    }
  }
}

TEST_F(PrintCommandTest, RunAfterABoldLayoutTextPrintsAsTheFirstRunOfTheProgram) {
  struct Run {
    const char* name;
    QPushButton* command;
  } runs[] = {{"自動印刷", window->CmdAuto}, {"団体戦明細印刷", window->CmdTeam}};
  InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
  PageRec& page = layout.Pages[static_cast<size_t>(layout.PageCount - 1)];
  HaichiRec text;
  text.Kind = QStringLiteral("文字列");
  text.Moji.LineCount = 1;
  text.Moji.Lines = {QStringLiteral("閉会式")};
  text.Moji.Bold = 900;
  RyouikiRec& region = AppendRegion(page, MakeRegion(20, 190, 250, 280));
  region.Haichi = {text};
  region.HaichiCount = 1;
  for (const Run& run : runs) {
    SCOPED_TRACE(run.name);
    surface.calls.clear();
    run.command->click();
    const auto alone = surface.drawnTexts();
    ASSERT_FALSE(alone.empty());
    for (PageRec& p : layout.Pages) p.Selected = false;
    page.Selected = true;
    window->CmdInsatsu->click();
    ASSERT_EQ(surface.drawnTexts().back().font.weight, 700);  // the run ended on the bold block
    surface.calls.clear();
    run.command->click();
    const auto after = surface.drawnTexts();
    ASSERT_EQ(after.size(), alone.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].text, alone[i].text) << i;
      EXPECT_EQ(after[i].font, alone[i].font) << i << " " << after[i].text.toStdString();
    }
  }
}

TEST_F(PrintCommandTest, JobThatCannotBeOpenedIsReportedByItsFile) {
  window->printer().drawOn(nullptr);
  const QString pdf = programFolder() + "無い/出力.pdf";
  setup->accept(pdf);
  for (int i = 0; i < tp.program.insatsu.InsatsuSeigyo.PageCount; ++i)
    tp.program.insatsu.InsatsuSeigyo.Pages[i].Selected = true;
  for (QPushButton* command : {window->CmdInsatsu, window->CmdAuto}) {
    tp.messages.shown.clear();
    command->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_TRUE(lastMessage().contains(pdf)) << lastMessage().toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(tp.program.device.DocStarted);
    EXPECT_EQ(tp.program.device.surface(), nullptr);
    expectButtonsOnAgain();
  }
}

}  // namespace
}  // namespace qv::test
