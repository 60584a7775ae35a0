// The command interpreter's reading of its command line: the command after
// /c, the platform's quote rule, and the program and arguments to run. No
// shell is involved anywhere, so &, |, ;, <, >, $( ) and backquotes are
// ordinary characters of file names.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win32::cmd {

// The interpreter's own command line: the raw line the layer passed (see
// win32::kRawCommandLineFlag), or else one rebuilt by quoting each argument,
// for runs from a Linux shell.
std::string InterpreterCommandLine(const std::vector<std::string>& argv);

struct CommandRequest {
    std::string command;       // everything after /c (or /k)
    bool stripQuotes = false;  // /s: always the old quote rule
};
// nullopt when the line holds no /c (or /k) switch.
std::optional<CommandRequest> CommandAfterSwitch(std::string_view commandLine);

// Quotes are kept when there are exactly two, with blanks and none of
// & < > ( ) @ ^ | between them, naming an executable; otherwise a leading
// quote is removed together with the last quote on the line.
std::string ApplyQuoteRule(const CommandRequest& request,
                           const std::function<bool(const std::string&)>& namesProgram);

// Current folder first, then PATH; as named, then with ".exe" and ".com".
std::optional<std::string> FindCommand(const std::string& name);

struct ProgramRun {
    std::string typedName;               // the program token as typed, quotes kept
    std::string path;                    // empty when not found
    std::vector<std::string> arguments;  // argv, starting with the name
};
ProgramRun PrepareRun(const std::string& command);

// The whole reading of an interpreter's command line: the command after the
// switch, the quote rule against FindCommand, then PrepareRun. nullopt when
// the line holds no /c (or /k) switch.
std::optional<ProgramRun> ReadCommandLine(std::string_view commandLine);

// The platform's text for a command it cannot find, CR LF line ends.
std::string NotRecognizedMessage(const std::string& typedName);
constexpr int kNotRecognizedExitCode = 9009;

// "nrg2iso: terminated by signal 11 (Segmentation fault)", CR LF ended, in
// English whatever the locale. Safe to call from any thread.
std::string SignalMessage(const std::string& typedName, int signal);

}  // namespace win32::cmd
