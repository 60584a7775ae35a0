#include "platform/kernel/CommandLine.h"

namespace win32 {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

// Reads one argument starting at `at` (not a blank). Backslashes are literal
// except before a quote. A run of quotes, counted together with the opening
// quote when inside quotes, gives one literal quote per three and leaves the
// argument quoted when one is left over (the older runtime's rule, which
// CommandLineToArgvW keeps).
std::size_t ReadArgument(std::string_view text, std::size_t at, std::string& out) {
    bool quoted = false;
    while (at < text.size() && (quoted || !IsBlank(text[at]))) {
        const char c = text[at];
        if (c == '\\') {
            std::size_t slashes = 0;
            while (at < text.size() && text[at] == '\\') ++slashes, ++at;
            if (at < text.size() && text[at] == '"') {
                out.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    out.push_back('"');
                    ++at;
                }
            } else {
                out.append(slashes, '\\');
            }
        } else if (c == '"') {
            std::size_t run = 0;
            while (at < text.size() && text[at] == '"') ++run, ++at;
            const std::size_t total = run + (quoted ? 1 : 0);
            out.append(total / 3, '"');
            quoted = total % 3 == 1;
        } else {
            out.push_back(c);
            ++at;
        }
    }
    return at;
}

}  // namespace

ProgramToken FirstCommandLineToken(std::string_view commandLine) {
    std::size_t at = SkipBlanks(commandLine, 0);
    const std::size_t start = at;
    std::string name;
    if (at < commandLine.size() && commandLine[at] == '"') {
        const std::size_t close = commandLine.find('"', at + 1);
        const std::size_t end = close == std::string_view::npos ? commandLine.size() : close;
        name.assign(commandLine.substr(at + 1, end - at - 1));
        at = close == std::string_view::npos ? end : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
        name.assign(commandLine.substr(start, at - start));
    }
    return {commandLine.substr(start, at - start), std::move(name), at};
}

std::vector<std::string> SplitCommandLineArguments(std::string_view arguments) {
    std::vector<std::string> result;
    std::size_t at = SkipBlanks(arguments, 0);
    while (at < arguments.size()) {
        std::string argument;
        at = ReadArgument(arguments, at, argument);
        result.push_back(std::move(argument));
        at = SkipBlanks(arguments, at);
    }
    return result;
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    if (SkipBlanks(commandLine, 0) == commandLine.size()) return {};
    ProgramToken program = FirstCommandLineToken(commandLine);
    std::vector<std::string> result{std::move(program.name)};
    for (auto& argument : SplitCommandLineArguments(commandLine.substr(program.restOffset))) {
        result.push_back(std::move(argument));
    }
    return result;
}

std::string QuoteCommandLineArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    std::size_t slashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
        slashes = 0;
        quoted.push_back(c);
    }
    // Backslashes before the closing quote are doubled too.
    quoted.append(slashes * 2, '\\');
    quoted.push_back('"');
    return quoted;
}

}  // namespace win32
