#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "LayoutFixture.h"
#include "app/FrmInsatsuSeigyo.h"
#include "app/StartupEnv.h"
#include "platform/FaceSubstitution.h"
#include "support/WindowPicture.h"
#include "support/SampleTournament.h"

using namespace qv;
using namespace qv::test;

namespace {

// Every visible caption of the window has the room its text needs.
void expectCaptionsFit(QWidget& window) {
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
        w->objectName().startsWith("LblHaichi"))
      continue;
    SCOPED_TRACE(w->objectName().toStdString());
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
      EXPECT_GE(w->width(), w->sizeHint().width());
      EXPECT_GE(w->height(), w->minimumSizeHint().height());
    }
  }
}


class FrmLayoutLookTest : public ::testing::Test, public LayoutFixture {};

}  // namespace

TEST_F(FrmLayoutLookTest, TheSampleLayoutInTheEditor) {
  platform::installFaceSubstitutions();
  ASSERT_TRUE(LoadSampleTournament(tp.program));
  ASSERT_GT(layout().PageCount, 0);
  FrmLayout& w = open();
  expectCaptionsFit(w);
  // The first page's placements are labelled on the preview.
  EXPECT_GT(w.HaichiLabelCount, 0);
  // A region being drawn on the first page shows its band.
  w.EditMode = QStringLiteral("領域作成");
  w.TxtBunkatsuH->setText("3");
  w.TxtBunkatsuV->setText("2");
  press(40, 230);
  move(120, 270);
  KeepWindowPicture(w, "FrmLayout");
  release(120, 270);
  EXPECT_EQ(layout().Pages[0].Ryouiki.back().X2, 120);
  KeepWindowPicture(w, "FrmLayoutSelected");
}

// The main window opens the editor with its layout button and shows, when it closes, the
// layout the editor left.
TEST_F(FrmLayoutLookTest, TheMainWindowOpensTheEditorFromItsLayoutButton) {
  setEvents(1);
  setPages(1);
  tp.program.insatsu.CurrentRyouiki = 3;
  StartupEnv env;
  env.startFolder = tp.folder();
  int editorShown = 0;
  env.execDialog = [&](QDialog& dialog) {
    auto* editor = qobject_cast<FrmLayout*>(&dialog);
    EXPECT_NE(editor, nullptr);
    if (!editor) return 0;
    ++editorShown;
    editor->show();
    EXPECT_EQ(tp.program.insatsu.CurrentRyouiki, -1);
    QTest::mousePress(editor->PicPage, Qt::LeftButton, {}, editor->PicPage->toPixels(30, 30));
    QTest::mouseRelease(editor->PicPage, Qt::LeftButton, {}, editor->PicPage->toPixels(100, 80));
    // What a placement leaves in the region, for the page list to show.
    RyouikiRec& r = layout().Pages[0].Ryouiki[0];
    r.Haichi.resize(1);
    r.Haichi[0].Kind = QStringLiteral("リーグ");
    r.Haichi[0].ShumokuIdx = 0;
    r.HaichiCount = 1;
    editor->Unload();
    return 1;
  };
  FrmInsatsuSeigyo mainWindow(tp.program, env);
  EXPECT_TRUE(mainWindow.CmdLayout->isEnabled());
  mainWindow.show();
  QTest::mouseClick(mainWindow.CmdLayout, Qt::LeftButton);
  EXPECT_EQ(editorShown, 1);
  EXPECT_EQ(RectOf(layout().Pages[0].Ryouiki[0]), (RegionRect{30, 100, 30, 80}));
  EXPECT_EQ(mainWindow.TxtPage[0]->toPlainText(), QStringLiteral("E0(リーグ)"));
}
