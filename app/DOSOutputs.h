// Runs one console command line as a hidden child process and hands what it
// writes to standard output and standard error to the owner, chunk by chunk,
// while it runs.
#pragma once

#include <cstddef>
#include <string>

#include "host/Event.h"
#include "platform/Win32Types.h"

namespace app {

// The ReceiveOutputs event, raised with each chunk the command writes.
using ReceiveOutputsEvent = host::Event<const std::string&>;

class DOSOutputs {
public:
    // The most bytes one ReceiveOutputs event carries.
    static constexpr std::size_t kReadSize = 256;
    // The most bytes one read of the pipe takes.
    static constexpr std::size_t kPipeReadSize = 16384;

    const std::string& CommandLine() const { return commandLine_; }
    void CommandLine(std::string DOSCommand) { commandLine_ = std::move(DOSCommand); }

    // Everything read during the current or last run.
    const std::string& Outputs() const { return outputs_; }

    // Runs the command line (a non-empty argument replaces the stored one)
    // and returns all it wrote, as Outputs holds it (no copy: the output can
    // be hundreds of megabytes); empty text after a failure, which is shown
    // to the user in a message box.
    const std::string& ExecuteCommand(const std::string& CommandLine = {});

    ReceiveOutputsEvent ReceiveOutputs;

private:
    void ReadUntilEnd(win32::HANDLE readEnd);

    std::string commandLine_;
    std::string outputs_;
};

}  // namespace app
