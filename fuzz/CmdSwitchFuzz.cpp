// cmd's reading of its own command line: the switches up to /c, the quote
// rule and the program with its arguments, from any bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/kernel/CommandLine.h"
#include "platform/kernel/CommandInterpreter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto request = win32::cmd::CommandAfterSwitch(line);
    if (!request) return 0;
    for (const bool names : {false, true}) {
        const std::string command =
            win32::cmd::ApplyQuoteRule(*request, [names](const std::string&) { return names; });
        // What win32::cmd::PrepareRun does, short of looking the program up.
        const win32::ProgramToken program = win32::FirstCommandLineToken(command);
        (void)win32::SplitCommandLineArguments(std::string_view(command).substr(program.restOffset));
        (void)win32::cmd::NotRecognizedMessage(std::string(program.text));
    }
    (void)win32::cmd::InterpreterCommandLine({"cmd", std::string(line)});
    return 0;
}
