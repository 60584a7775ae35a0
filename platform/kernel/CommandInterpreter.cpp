#include "platform/kernel/CommandInterpreter.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/kernel/CommandLine.h"
#include "platform/kernel/ProgramSearch.h"

namespace win32::cmd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

}  // namespace

std::string InterpreterCommandLine(const std::vector<std::string>& argv) {
    if (argv.size() >= 3 && argv[1] == kRawCommandLineFlag) return argv[2];
    std::string line = argv.empty() ? "cmd" : QuoteCommandLineArgument(argv[0]);
    for (std::size_t i = 1; i < argv.size(); ++i) line += ' ' + QuoteCommandLineArgument(argv[i]);
    return line;
}

std::optional<CommandRequest> CommandAfterSwitch(std::string_view commandLine) {
    CommandRequest request;
    std::size_t at = FirstCommandLineToken(commandLine).restOffset;
    while (true) {
        at = SkipBlanks(commandLine, at);
        if (at + 1 >= commandLine.size() || commandLine[at] != '/') return std::nullopt;
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(commandLine[at + 1])));
        if (letter == 'c' || letter == 'k') {
            request.command = commandLine.substr(SkipBlanks(commandLine, at + 2));
            return request;
        }
        if (letter == 's') request.stripQuotes = true;
        // Other switches (/q, /d, /e:on ...) change nothing here.
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
    }
}

std::string ApplyQuoteRule(const CommandRequest& request,
                           const std::function<bool(const std::string&)>& namesProgram) {
    const std::string& command = request.command;
    const auto first = command.find('"');
    const auto last = command.rfind('"');
    if (!request.stripQuotes && first != std::string::npos && first != last &&
        std::count(command.begin(), command.end(), '"') == 2) {
        const std::string between = command.substr(first + 1, last - first - 1);
        const bool plain = between.find_first_of("&<>()@^|") == std::string::npos;
        const bool blank = between.find_first_of(" \t") != std::string::npos;
        if (plain && blank && namesProgram(between)) return command;
    }
    if (command.empty() || command.front() != '"') return command;
    // Drop the leading quote and the last quote, keeping what follows it.
    std::string stripped = command.substr(1);
    const auto closing = stripped.rfind('"');
    if (closing != std::string::npos) stripped.erase(closing, 1);
    return stripped;
}

std::optional<std::string> FindCommand(const std::string& name) {
    std::vector<std::string> folders = {"."};
    for (auto& folder : PathFolders()) folders.push_back(std::move(folder));
    return FindProgram(name, folders, {"", ".exe", ".com"});
}

ProgramRun PrepareRun(const std::string& command) {
    const ProgramToken token = FirstCommandLineToken(command);
    ProgramRun run;
    run.typedName = std::string(token.text);
    run.arguments.push_back(token.name);
    for (auto& argument : SplitCommandLineArguments(std::string_view(command).substr(token.restOffset))) {
        run.arguments.push_back(std::move(argument));
    }
    if (const auto found = FindCommand(token.name)) run.path = *found;
    return run;
}

std::optional<ProgramRun> ReadCommandLine(std::string_view commandLine) {
    const auto request = CommandAfterSwitch(commandLine);
    if (!request) return std::nullopt;
    return PrepareRun(
        ApplyQuoteRule(*request, [](const std::string& name) { return FindCommand(name).has_value(); }));
}

std::string NotRecognizedMessage(const std::string& typedName) {
    return "'" + typedName + "' is not recognized as an internal or external command,\r\n" +
           "operable program or batch file.\r\n";
}

std::string SignalMessage(const std::string& typedName, int signal) {
    // sigdescr_np, unlike strsignal, neither translates nor shares a buffer.
    const char* name = ::sigdescr_np(signal);
    return typedName + ": terminated by signal " + std::to_string(signal) + " (" +
           (name ? name : "unknown signal") + ")\r\n";
}

}  // namespace win32::cmd
