// Runs one console command line as a hidden child process and hands what it
// writes to standard output and standard error to the owner, chunk by chunk,
// while it runs.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Win32Types.h"

namespace app {

// The ReceiveOutputs event: owners connect handlers; each raise calls them in
// connection order. A handler may connect or disconnect handlers while it runs;
// the change applies from the next raise.
class ReceiveOutputsEvent {
public:
    using Handler = std::function<void(const std::string& CommandOutputs)>;
    using Connection = std::size_t;

    Connection Connect(Handler handler);
    void Disconnect(Connection connection);
    void Raise(const std::string& CommandOutputs) const;

private:
    struct Slot {
        Connection id;
        std::shared_ptr<const Handler> handler;
    };
    std::vector<Slot> slots_;
    Connection nextId_ = 1;
};

class DOSOutputs {
public:
    // Bytes asked for by each read of the pipe; each read raises ReceiveOutputs once.
    static constexpr std::size_t kReadSize = 256;

    const std::string& CommandLine() const { return commandLine_; }
    void CommandLine(std::string DOSCommand) { commandLine_ = std::move(DOSCommand); }

    // Everything read during the current or last run.
    const std::string& Outputs() const { return outputs_; }

    // Runs the command line (a non-empty argument replaces the stored one)
    // and returns all it wrote; empty text after a failure, which is shown to
    // the user in a message box.
    std::string ExecuteCommand(const std::string& CommandLine = {});

    ReceiveOutputsEvent ReceiveOutputs;

private:
    void ReadUntilEnd(win32::HANDLE readEnd);

    std::string commandLine_;
    std::string outputs_;
};

}  // namespace app
