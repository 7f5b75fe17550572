// The print commands of the main window printed one after another in one program run, to
// PDF files: each prints the same pages as in a freshly started program.

#include <gtest/gtest.h>

#include "StartupFixture.h"
#include "support/PdfStreams.h"
#include "support/SampleStartup.h"
#include "support/ScriptedPrinterSetup.h"

namespace qv::test {
namespace {

// The main window on the sample, printing each command to the PDF file it is given.
class SampleProgram : public StartupFixture {
 public:
  SampleProgram() : setup_(StartSampleForPrinting(*this)) {}

  // Prints a command ClickPrintCommand knows; the file it printed to.
  QString print(const QString& command) {
    const QString pdf = programFolder() + QStringLiteral("%1-%2.pdf").arg(++jobs_).arg(command);
    setup_.accept(pdf);
    EXPECT_TRUE(ClickPrintCommand(*this, command)) << command.toStdString();
    return pdf;
  }

 private:
  ScriptedPrinterSetup& setup_;
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
