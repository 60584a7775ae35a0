// The command-line quoter and splitter: any list of arguments survives
// quoting then splitting, and the converter's command line reaches cmd as
// the converter and its two paths, whatever bytes they hold.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ConverterCommandLine.h"
#include "platform/kernel/CommandLine.h"
#include "platform/kernel/CommandInterpreter.h"

namespace {

// The arguments: the input cut at its NUL bytes.
std::vector<std::string> Arguments(std::string_view bytes) {
    std::vector<std::string> arguments(1);
    for (const char c : bytes) {
        if (c == '\0')
            arguments.emplace_back();
        else
            arguments.back().push_back(c);
    }
    return arguments;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)win32::SplitCommandLine(bytes);
    const std::vector<std::string> arguments = Arguments(bytes);
    std::string line;
    for (const auto& argument : arguments)
        line += (line.empty() ? "" : " ") + win32::QuoteCommandLineArgument(argument);
    Check(win32::SplitCommandLineArguments(line) == arguments);

    // The converter is a file in the program's folder, whose name holds no
    // quote (no command line could name it); the source is never empty.
    std::string folder = arguments[0];
    std::erase(folder, '"');
    const std::string converter = folder + "/nrg2iso.exe";
    const std::string source = arguments.size() > 1 && !arguments[1].empty() ? arguments[1] : "a.nrg";
    const std::string command = app::ConverterCommandLine(converter, source, source + ".iso");
    const auto request = win32::cmd::CommandAfterSwitch(command);
    Check(request.has_value());
    const std::string run = win32::cmd::ApplyQuoteRule(*request, [](const std::string&) { return true; });
    const win32::ProgramToken program = win32::FirstCommandLineToken(run);
    std::vector<std::string> parsed{program.name};
    for (auto& argument : win32::SplitCommandLineArguments(std::string_view(run).substr(program.restOffset)))
        parsed.push_back(std::move(argument));
    Check(parsed == (std::vector<std::string>{converter, source, source + ".iso"}));
    return 0;
}
