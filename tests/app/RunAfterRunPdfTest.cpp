// The print commands of the main window printed one after another in one program run, to
// PDF files: each prints the same pages as in a freshly started program.

#include <gtest/gtest.h>

#include <QPushButton>

#include "StartupFixture.h"
#include "app/CurrentPrinter.h"
#include "layout/FrmTeamMeisaiLayout.h"
#include "support/PdfStreams.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

// The main window on the sample, printing each command to the PDF file it is given.
class SampleProgram : public StartupFixture {
 public:
  SampleProgram() {
    env.arguments = {sampleTai()};
    // The tie-sheet layout window is left with キャンセル, keeping its settings.
    env.execTeamLayout = [](QDialog& dialog) {
      auto& form = static_cast<FrmTeamMeisaiLayout&>(dialog);
      form.CmdCancel_Click();
      return form.result();
    };
    start();
    auto owned = std::make_unique<ScriptedPrinterSetup>();
    setup_ = owned.get();
    window->printer().setSetup(std::move(owned));
  }

  // "layout" (印刷実行 over every page), "auto" (自動印刷) or "team" (団体戦明細印刷).
  QString print(const QString& command) {
    const QString pdf = programFolder() + QStringLiteral("%1-%2.pdf").arg(++jobs_).arg(command);
    setup_->accept(pdf);
    if (command == QStringLiteral("layout")) {
      for (PageRec& page : tp.program.insatsu.InsatsuSeigyo.Pages) page.Selected = true;
      window->CmdInsatsu->click();
    } else if (command == QStringLiteral("auto")) {
      window->CmdAuto->click();
    } else {
      window->CmdTeam->click();
    }
    return pdf;
  }

 private:
  ScriptedPrinterSetup* setup_ = nullptr;
  int jobs_ = 0;
};

TEST(RunAfterRunPdfTest, SameRunTwicePrintsTheSamePages) {
  SampleProgram program;
  const QString first = program.print(QStringLiteral("auto"));
  const QString second = program.print(QStringLiteral("auto"));
  EXPECT_TRUE(SamePdfStreams(first, second));
}

TEST(RunAfterRunPdfTest, EachRunPrintsAsInAFreshlyStartedProgram) {
  SampleProgram program;
  for (const char* command : {"layout", "auto", "team"}) {
    SCOPED_TRACE(command);
    const QString after = program.print(QString::fromLatin1(command));
    SampleProgram fresh;
    EXPECT_TRUE(SamePdfStreams(fresh.print(QString::fromLatin1(command)), after));
  }
}

}  // namespace
}  // namespace qv::test
