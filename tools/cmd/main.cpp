// cmd /c COMMAND: runs one program with its arguments, without any shell.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/kernel/CommandInterpreter.h"
#include "tools/cmd/ChildRun.h"

namespace {

void WriteError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    auto run = win32::cmd::ReadCommandLine(win32::cmd::InterpreterCommandLine(arguments));
    if (!run) {
        WriteError("cmd: only \"cmd /c COMMAND\" is supported.\r\n");
        return 1;
    }
    if (run->typedName.empty()) return 0;  // nothing to run
    if (run->path.empty()) {
        WriteError(win32::cmd::NotRecognizedMessage(run->typedName));
        return win32::cmd::kNotRecognizedExitCode;
    }
    return cmd::RunAndWait(*run);
}
