#include "app/RunProgram.h"

#include <QApplication>

#include "app/CurrentPrinter.h"
#include "app/FrmInsatsuSeigyo.h"
#include "app/FrmUserError.h"
#include "app/PrinterSetup.h"
#include "app/QtJapanese.h"
#include "platform/Clock.h"
#include "platform/FaceSubstitution.h"
#include "platform/ProgramEnd.h"
#include "platform/widgets/QtMessageSink.h"
#include "program/Program.h"

namespace qv {

int RunProgram(const StartupEnv& env) {
  // Before any window, so that every Windows face the data names has its stand-in.
  platform::installFaceSubstitutions();
  // The selection window closes before the main window is shown; the program ends only
  // through 戻る.
  QApplication::setQuitOnLastWindowClosed(false);
  // Before any window, so that Qt's dialogs open in Japanese.
  const QtJapanese qtJapanese;

  platform::QtMessageSink messages;
  const platform::SystemClock clock;
  Program program(messages, clock, QString());
  FrmUserErrorPrompt userErrorPrompt;
  program.userErrorPrompt = &userErrorPrompt;
  try {
    FrmInsatsuSeigyo window(program, env);
    // Print to file proposes the open tournament's PDF in its data folder.
    window.printer().setup().proposedOutputFile = [&program] {
      return TournamentPdfFile(program.taikai.DataFolder, program.taikai.TaikaiFileName);
    };
    window.Form_Load();
    window.show();
    return QApplication::exec();
  } catch (const platform::ProgramEnd& end) {
    // The message has been shown; what was open closes as the stack unwinds.
    return end.status();
  }
}

}  // namespace qv
