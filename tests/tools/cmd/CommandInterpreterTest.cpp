#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/kernel/CommandInterpreter.h"

namespace win32::cmd {
namespace {

TEST(CommandInterpreter, TakesTheRestOfTheLineAfterTheSwitch) {
    struct Case {
        const char* line;
        std::optional<std::string> command;
        bool stripQuotes;
    };
    const Case cases[] = {
        {"cmd /c nrg2iso a b", "nrg2iso a b", false},
        {"cmd   /C   \"x y\"  z ", "\"x y\"  z ", false},
        {"\"C:\\sys\\cmd.exe\" /q /s /c \"p\"", "\"p\"", true},
        {"cmd /cecho", "echo", false},
        {"cmd /k p", "p", false},
        {"cmd /c", "", false},
        {"cmd", std::nullopt, false},
        {"cmd nrg2iso /c a", std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto request = CommandAfterSwitch(c.line);
        ASSERT_EQ(request.has_value(), c.command.has_value()) << c.line;
        if (!request) continue;
        EXPECT_EQ(request->command, *c.command) << c.line;
        EXPECT_EQ(request->stripQuotes, c.stripQuotes) << c.line;
    }
}

TEST(CommandInterpreter, AppliesThePlatformQuoteRule) {
    const auto isProgram = [](const std::string& name) { return name == "my prog"; };
    struct Case {
        const char* command;
        bool stripQuotes;
        const char* expected;
        const char* why;
    };
    const Case cases[] = {
        {R"("my prog" p1)", false, R"("my prog" p1)", "two quotes around a program with a blank: kept"},
        {R"("my prog" p1)", true, R"(my prog p1)", "/s always strips"},
        {R"("other prog" p1)", false, R"(other prog p1)", "not a program: stripped"},
        {R"("myprog" p1)", false, R"(myprog p1)", "no blank between the quotes: stripped"},
        {R"("my prog" "p 1")", false, R"(my prog" "p 1)", "four quotes: first and last go"},
        {R"(""my prog" "a b"")", false, R"("my prog" "a b")", "one extra pair: the reliable form"},
        {R"("a&b c" x)", false, R"(a&b c x)", "special character between the quotes"},
        {R"(p "a b" x)", false, R"(p "a b" x)", "no leading quote: unchanged"},
        {R"("p" tail")", false, R"(p" tail)", "the last quote goes, text after it stays"},
        {"", false, "", "empty"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ApplyQuoteRule({c.command, c.stripQuotes}, isProgram), c.expected) << c.why;
    }
}

TEST(CommandInterpreter, RebuildsItsLineFromArgumentsOrTakesItRaw) {
    EXPECT_EQ(InterpreterCommandLine({"cmd", "--windows-command-line", R"(cmd /c "a b" c)"}),
              R"(cmd /c "a b" c)");
    EXPECT_EQ(InterpreterCommandLine({"cmd", "/c", "prog", "a b", R"(c"d)"}), R"(cmd /c prog "a b" "c\"d")");
}

TEST(CommandInterpreter, SplitsTheProgramFromItsArguments) {
    const ProgramRun run = PrepareRun(R"("no such prog" "a b" c&d)");
    EXPECT_EQ(run.typedName, R"("no such prog")");
    EXPECT_EQ(run.path, "");
    EXPECT_EQ(run.arguments, (std::vector<std::string>{"no such prog", "a b", "c&d"}));
    EXPECT_EQ(NotRecognizedMessage(run.typedName),
              "'\"no such prog\"' is not recognized as an internal or external command,\r\n"
              "operable program or batch file.\r\n");
}

// The converter written out next to the program must win over one on PATH,
// so the current folder is searched first, every suffix before PATH.
TEST(CommandInterpreter, FindsCommandsInTheCurrentFolderBeforePath) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("corvalmire-find-" + std::to_string(::getpid()));
    for (const char* file : {"current/tool", "current/conv.exe", "path/tool", "path/conv", "path/only"}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "#!/bin/sh\n";
        fs::permissions(root / file, fs::perms::owner_all);
    }
    const fs::path savedFolder = fs::current_path();
    const std::string savedPath = std::getenv("PATH");
    fs::current_path(root / "current");
    ::setenv("PATH", ((root / "path").string() + ":" + savedPath).c_str(), 1);
    const struct {
        const char* name;
        const char* found;
    } rows[] = {{"tool", "current/tool"}, {"conv", "current/conv.exe"}, {"only", "path/only"}};
    for (const auto& row : rows) {
        const std::string found = FindCommand(row.name).value_or("nothing");
        EXPECT_TRUE(fs::exists(found) && fs::equivalent(found, root / row.found))
            << row.name << ": " << found;
    }
    ::setenv("PATH", savedPath.c_str(), 1);
    fs::current_path(savedFolder);
    fs::remove_all(root);
}

}  // namespace
}  // namespace win32::cmd
