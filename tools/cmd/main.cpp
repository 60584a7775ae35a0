// cmd /c COMMAND: runs one program with its arguments, without any shell.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/cmd/ChildRun.h"
#include "platform/kernel/CommandInterpreter.h"

namespace {

void WriteError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    const auto request = win32::cmd::CommandAfterSwitch(win32::cmd::InterpreterCommandLine(arguments));
    if (!request) {
        WriteError("cmd: only \"cmd /c COMMAND\" is supported.\r\n");
        return 1;
    }
    const std::string command = win32::cmd::ApplyQuoteRule(
        *request, [](const std::string& name) { return win32::cmd::FindCommand(name).has_value(); });
    win32::cmd::ProgramRun run = win32::cmd::PrepareRun(command);
    if (run.typedName.empty()) return 0;  // nothing to run
    if (run.path.empty()) {
        WriteError(win32::cmd::NotRecognizedMessage(run.typedName));
        return win32::cmd::kNotRecognizedExitCode;
    }
    return cmd::RunAndWait(run);
}
