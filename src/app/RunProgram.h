#pragma once
// The program from start to end, in an application that already exists.

#include "app/StartupEnv.h"

namespace qv {

// Starts the program (the main window's load, which may show the selection window), runs
// it until 戻る, and gives the exit status: 0, or the status of a fatal end after its
// message (a second copy, a missing template or configuration, a damaged data file).
int RunProgram(const StartupEnv& env);

}  // namespace qv
