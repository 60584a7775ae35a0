// Runs the program the interpreter found as its child and waits for it, so
// that a program killed by a signal is reported instead of vanishing without
// a word.
#pragma once

#include <string>

#include "platform/kernel/CommandInterpreter.h"

namespace cmd {

// The program's exit code; 128 + the signal's number when a signal ended it,
// after writing SignalMessage to standard error. When the program cannot be
// started: its error on standard error, and 5 (access denied) or 1.
int RunAndWait(win32::cmd::ProgramRun& run);

}  // namespace cmd
