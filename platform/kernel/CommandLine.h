// Windows command lines: one string that the started program splits itself,
// by the rules of CommandLineToArgvW and the Microsoft C runtime.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win32 {

// Splits a command line into arguments. The first argument is the program
// name: quoted, it ends at the next quote; otherwise at the first blank.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Splits arguments that follow the program name (no special first argument).
std::vector<std::string> SplitCommandLineArguments(std::string_view arguments);

// The program-name token as written (quotes kept) and where the rest starts.
struct ProgramToken {
    std::string_view text;   // as typed, quotes included
    std::string name;        // quotes removed
    std::size_t restOffset;  // first character after the token
};
ProgramToken FirstCommandLineToken(std::string_view commandLine);

// Quotes one argument so that SplitCommandLineArguments gives it back unchanged.
std::string QuoteCommandLineArgument(std::string_view argument);

}  // namespace win32

namespace win32 {

// How CreateProcessA hands a command line to the layer's own "cmd": Linux
// passes an argument vector, and splitting would lose what cmd must see raw
// (the quotes after /c). So cmd is started as {path, this flag, the command
// line exactly as given} and reads the line back from there.
inline constexpr const char* kRawCommandLineFlag = "--windows-command-line";

}  // namespace win32
