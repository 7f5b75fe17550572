#include "support/SampleStartup.h"

#include <QPushButton>

#include <memory>

#include "app/CurrentPrinter.h"
#include "app/StartupFixture.h"
#include "layout/FrmTeamMeisaiLayout.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {

ScriptedPrinterSetup& StartSampleForPrinting(StartupFixture& fixture) {
  fixture.env.arguments = {fixture.sampleTai()};
  fixture.env.execTeamLayout = [](QDialog& dialog) {
    auto& form = static_cast<FrmTeamMeisaiLayout&>(dialog);
    form.CmdCancel_Click();
    return form.result();
  };
  FrmInsatsuSeigyo& window = fixture.start();
  auto owned = std::make_unique<ScriptedPrinterSetup>();
  ScriptedPrinterSetup& setup = *owned;
  window.printer().setSetup(std::move(owned));
  return setup;
}

bool ClickPrintCommand(StartupFixture& fixture, const QString& command) {
  FrmInsatsuSeigyo& window = *fixture.window;
  if (command == QStringLiteral("layout")) {
    for (PageRec& page : fixture.tp.program.insatsu.InsatsuSeigyo.Pages) page.Selected = true;
    window.CmdInsatsu->click();
  } else if (command == QStringLiteral("auto")) {
    window.CmdAuto->click();
  } else if (command == QStringLiteral("team")) {
    window.CmdTeam->click();
  } else if (command == QStringLiteral("teamE")) {
    window.CmdTeamE->click();
  } else {
    return false;
  }
  return true;
}

}  // namespace qv::test
