// Runs the program the interpreter found as its child and waits for it, so
// that a program killed by a signal is reported instead of vanishing without
// a word.
#pragma once

#include <string>

#include "tools/cmd/CommandInterpreter.h"

namespace cmd {

// The program's exit code; 128 + the signal's number when a signal ended it,
// after writing SignalMessage to standard error. When the program cannot be
// started: its error on standard error, and 5 (access denied) or 1.
int RunAndWait(ProgramRun& run);

// "nrg2iso: terminated by signal 11 (Segmentation fault)", CR LF ended.
std::string SignalMessage(const std::string& typedName, int signal);

}  // namespace cmd
