#include "app/CommandLineQuoting.h"

namespace app {

std::string QuoteForCommandLine(const std::string& path) {
    if (path.find_first_of(" \t\"") == std::string::npos) return path;
    // Wrapped in quotes; backslashes before a quote doubled; quotes as \".
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : path) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

}  // namespace app
