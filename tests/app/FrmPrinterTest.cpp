// The printer window: what it presets the set-up dialog with and what it hands back.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>

#include "app/CurrentPrinter.h"
#include "app/FrmPrinter.h"
#include "print/PrintRunState.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

class FrmPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto owned = std::make_unique<ScriptedPrinterSetup>();
    setup = owned.get();
    printer.setSetup(std::move(owned));
  }
  // Runs the window; a window that stays on the screen fails the test.
  void show() {
    ShowPrinterForm(run, printer, [](QDialog&) {
      ADD_FAILURE() << "the window stayed on the screen";
      return 0;
    });
  }

  PrintRunState run;
  CurrentPrinter printer;
  ScriptedPrinterSetup* setup = nullptr;
};

TEST_F(FrmPrinterTest, StartsUnsetAndShowsOnlyTheSetUpDialog) {
  EXPECT_EQ(run.PrinterOrientation, 0);
  EXPECT_EQ(run.PrinterDialogValue, 0);
  EXPECT_FALSE(run.PrinterListMode);
  FrmPrinter form(run, printer);
  EXPECT_EQ(form.windowTitle(), "プリンタの選択");
  EXPECT_EQ(form.Label1->text(), "プリンタの選択");
  EXPECT_EQ(form.CmdCancel->text(), "キャンセル");
  form.Form_Activate();
  EXPECT_TRUE(form.Unloaded());
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(setup->calls.size(), 1u);
}

// Each row: what the command presets, what the user does in the dialog, and what the
// window hands back.
TEST_F(FrmPrinterTest, PresetsTheDialogAndReadsItBack) {
  struct Case {
    const char* what;
    int presetOrientation, presetValue;
    bool accept;
    int chosenOrientation, chosenCopies;
    int wantPresetOrientation, wantPresetValue;  // what the dialog was given
    bool wantCancel;
    int wantOrientation, wantValue, wantCopies;
  };
  const Case cases[] = {
      {"first dialog, nothing preset", 0, 0, true, 2, 3, 0, 0, false, 2, 3, 3},
      {"remembered values preset", 1, 3, true, 0, 0, 1, 3, false, 1, 3, 3},
      {"accepted unchanged still applies the copies", 2, 1, true, 0, 0, 2, 1, false, 2, 1, 1},
      {"cancel keeps the preset orientation", 2, 4, false, 1, 9, 2, 4, true, 2, 4, 1},
      {"a remembered value beyond 16 bits fails like a cancel", 1, 70000, true, 2, 2, -1, -1, true,
       1, 70000, 1},
      {"a copy count the printer refuses: read back, but a cancel", 1, 0, true, 2, -5, 1, 0, true, 2,
       -5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    run = PrintRunState();
    run.PrinterCancel = !c.wantCancel;
    run.PrinterOrientation = c.presetOrientation;
    run.PrinterDialogValue = c.presetValue;
    printer.printer().setCopyCount(1);
    setup->calls.clear();
    if (c.accept) setup->accept({}, c.chosenOrientation, c.chosenCopies);
    else setup->cancel();
    show();
    if (c.wantPresetOrientation < 0) {
      EXPECT_TRUE(setup->calls.empty());
    } else {
      ASSERT_EQ(setup->calls.size(), 1u);
      EXPECT_EQ(setup->calls[0].orientation, c.wantPresetOrientation);
      EXPECT_EQ(setup->calls[0].dialogValue, c.wantPresetValue);
    }
    EXPECT_EQ(run.PrinterCancel, c.wantCancel);
    EXPECT_EQ(run.PrinterOrientation, c.wantOrientation);
    EXPECT_EQ(run.PrinterDialogValue, c.wantValue);
    EXPECT_EQ(printer.printer().copyCount(), c.wantCopies);
  }
}

TEST_F(FrmPrinterTest, AcceptedDialogKeepsItsChoicesForTheNextCommand) {
  setup->accept({}, 2, 2);
  show();
  setup->accept();
  show();
  ASSERT_EQ(setup->calls.size(), 2u);
  EXPECT_EQ(setup->calls[1].orientation, 2);
  EXPECT_EQ(setup->calls[1].dialogValue, 2);
  EXPECT_FALSE(run.PrinterCancel);
}

TEST_F(FrmPrinterTest, ListModeListsRealPrintersAndStillRunsTheDialog) {
  run.PrinterListMode = true;
  printer.installedPrinters = [] {
    return QStringList{"事務所", "Rendering Subsystem", "体育館"};
  };
  int shown = 0;
  QStringList listed;
  ShowPrinterForm(run, printer, [&](QDialog& d) {
    auto& form = static_cast<FrmPrinter&>(d);
    ++shown;
    for (int i = 0; i < form.LstPrinter->count(); ++i) listed << form.LstPrinter->item(i)->text();
    // An entry that no installed printer matches any more: the printer stays.
    form.LstPrinter->addItem("外された");
    form.LstPrinter->setCurrentRow(form.LstPrinter->count() - 1);
    const QString before = printer.deviceName();
    form.LstPrinter_Click();
    EXPECT_EQ(printer.deviceName(), before);
    EXPECT_TRUE(form.Unloaded());
    return 0;
  });
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(listed, QStringList({"事務所", "体育館"}));
  EXPECT_EQ(setup->calls.size(), 1u);
  EXPECT_FALSE(run.PrinterCancel);

  // キャンセル ends the window without a dialog.
  ShowPrinterForm(run, printer, [](QDialog& d) {
    static_cast<FrmPrinter&>(d).CmdCancel->click();
    return 0;
  });
  EXPECT_TRUE(run.PrinterCancel);
  EXPECT_EQ(setup->calls.size(), 1u);
}

}  // namespace
}  // namespace qv::test
