// What the program is asked on its command line: an image to open, or its
// help or version. Read before any window exists, so --help and --version
// need no display.
#pragma once

#include <string>
#include <vector>

namespace app {

struct ProgramArguments {
    enum class Action { Open, Help, Version, Wrong };
    Action action = Action::Open;
    std::string file;        // the image to prepare at start, absolute; empty for none
    std::string screenshot;  // developer aid: save the first painted frame there and quit
    std::string wrong;       // what could not be understood, for the message
};

// argv[0] is the program's own name.
ProgramArguments ParseProgramArguments(const std::vector<std::string>& argv);

std::string UsageText();    // for --help, and after a wrong argument
std::string VersionText();  // for --version

// Prints what --help, --version or a wrong argument ask for and gives the
// exit code: 0, or 2 for a wrong argument (usage on standard error).
int AnswerWithoutWindow(const ProgramArguments& arguments);

}  // namespace app
