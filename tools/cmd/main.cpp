// cmd /c COMMAND: runs one program with its arguments, without any shell.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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
    std::vector<char*> childArgv;
    for (auto& argument : run.arguments) childArgv.push_back(argument.data());
    childArgv.push_back(nullptr);
    std::fflush(nullptr);
    // The program replaces us, so its exit code is ours.
    ::execv(run.path.c_str(), childArgv.data());
    const int error = errno;  // writing the message may change errno
    WriteError(run.typedName + ": " + std::strerror(error) + "\r\n");
    return error == EACCES ? 5 : 1;
}
