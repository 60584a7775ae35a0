// "cmd /c program arguments" costs a second process start per command, most
// of it the C library's start-up. When the interpreter would do nothing but
// start one program and wait for it, the layer starts the program itself and
// stands in for the wait: the program's output stays open until it has ended,
// and a death by signal is reported on its standard error as cmd reports it.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "platform/kernel/CommandInterpreter.h"

namespace win32::kernel {

// The program cmd would start for this command line, found as cmd finds it
// in the current folder and on PATH; nullopt when cmd itself must run (no
// /c switch, nothing to run, nothing found).
std::optional<cmd::ProgramRun> ProgramTheInterpreterWouldStart(const std::string& commandLine);

class InterpreterStandIn {
public:
    // Copies the descriptors the program gets as its output and error
    // (negative: none), as the interpreter would hold them.
    InterpreterStandIn(int outputFd, int errorFd);
    ~InterpreterStandIn();
    InterpreterStandIn(const InterpreterStandIn&) = delete;
    InterpreterStandIn& operator=(const InterpreterStandIn&) = delete;

    // False when a copy could not be made (out of descriptors).
    bool Ready() const { return ready_; }

    // Waits for the started program on a thread of its own and reaps it;
    // the copies close once it has ended.
    void WatchOver(pid_t pid, std::string typedName);

private:
    int output_ = -1;
    int error_ = -1;
    bool ready_ = false;
};

}  // namespace win32::kernel
