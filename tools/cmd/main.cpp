// cmd /c COMMAND: runs one program with its arguments, without any shell.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/cmd/ChildRun.h"
#include "tools/cmd/CommandInterpreter.h"

namespace {

void WriteError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    const auto request = cmd::CommandAfterSwitch(cmd::InterpreterCommandLine(arguments));
    if (!request) {
        WriteError("cmd: only \"cmd /c COMMAND\" is supported.\r\n");
        return 1;
    }
    const std::string command = cmd::ApplyQuoteRule(
        *request, [](const std::string& name) { return cmd::FindCommand(name).has_value(); });
    cmd::ProgramRun run = cmd::PrepareRun(command);
    if (run.typedName.empty()) return 0;  // nothing to run
    if (run.path.empty()) {
        WriteError(cmd::NotRecognizedMessage(run.typedName));
        return cmd::kNotRecognizedExitCode;
    }
    return cmd::RunAndWait(run);
}
