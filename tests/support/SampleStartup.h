#pragma once
// The main window started on the sample tournament, ready to print its commands to the
// files a test or a tool names.

#include <QString>

namespace qv::test {

class ScriptedPrinterSetup;
class StartupFixture;

// Starts fixture's main window on the sample tournament. The tie-sheet layout window is
// left with キャンセル, keeping its settings; the printer window answers from the returned
// script, which the window's printer owns.
ScriptedPrinterSetup& StartSampleForPrinting(StartupFixture& fixture);

// Clicks the print command named: "layout" (印刷実行 over every layout page), "auto"
// (自動印刷), "team" (団体戦明細印刷) or "teamE" (団体別). False, and nothing clicked, for
// any other name.
bool ClickPrintCommand(StartupFixture& fixture, const QString& command);

}  // namespace qv::test
