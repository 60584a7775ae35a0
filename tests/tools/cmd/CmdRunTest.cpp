// The interpreter as a real child: started through CreateProcessA, output on a pipe.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/kernel/Handles.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace {

using namespace win32;
using testing_support::ChildProgram;

struct Finished {
    std::string output;
    int exitCode;
};

// Runs a command line to its end; the exit code comes from waiting for the
// child ourselves, which the layer's API does not offer.
Finished RunToEnd(std::string commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &info);
    CloseHandle(writeEnd);
    Finished result{"", -1};
    if (started) {
        char buffer[256];
        DWORD count = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr)) result.output.append(buffer, count);
        int status = 0;
        ::waitpid(static_cast<pid_t>(info.dwProcessId), &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    CloseHandle(readEnd);
    EXPECT_TRUE(started) << commandLine;
    return result;
}

TEST(CmdRun, UnknownProgramGivesThePlatformMessage) {
    const Finished run = RunToEnd("cmd /c no-such-converter a.nrg a.iso");
    EXPECT_EQ(run.output,
              "'no-such-converter' is not recognized as an internal or external command,\r\n"
              "operable program or batch file.\r\n");
    // 9009, cut to the 8 bits a Linux exit status holds.
    EXPECT_EQ(run.exitCode, 9009 & 0xFF);
}

TEST(CmdRun, PassesTheProgramsExitCodeOn) {
    EXPECT_EQ(RunToEnd("cmd /c " + ChildProgram() + " unknown-mode").exitCode, 64);
    EXPECT_EQ(RunToEnd("cmd /c " + ChildProgram() + " silent").exitCode, 0);
}

TEST(CmdRun, ShellCharactersAreOrdinaryAndRunNothing) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("corvalmire-cmd-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const Finished run =
        RunToEnd("cmd /c " + ChildProgram() + R"( args a&b "c|d" ;e $(touch x) `touch y` >f <g "h & i")");
    std::filesystem::current_path(saved);
    EXPECT_EQ(run.output, "[a&b]\n[c|d]\n[;e]\n[$(touch]\n[x)]\n[`touch]\n[y`]\n[>f]\n[<g]\n[h & i]\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "no file may be created";
    std::filesystem::remove_all(folder);
}

TEST(CmdRun, OuterQuotesAreRemovedTheWayThePlatformDoes) {
    // The reliable form: one extra pair of quotes around the whole command.
    const Finished run = RunToEnd("cmd /c \"\"" + ChildProgram() + "\" args \"a b\" c\"");
    EXPECT_EQ(run.output, "[a b]\n[c]\n");
}

TEST(CmdRun, FromALinuxShellTheArgumentsAreRequoted) {
    int link[2];
    ASSERT_EQ(::pipe(link), 0);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, link[1], 1);
    ::posix_spawn_file_actions_addclose(&actions, link[0]);
    const std::string cmdPath = std::string(std::getenv("CORVALMIRE_BIN")) + "/cmd";
    std::vector<std::string> arguments = {"cmd", "/c", ChildProgram(), "args", "a b", "c\"d", "e\\"};
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, cmdPath.c_str(), &actions, nullptr, argv.data(), environ), 0);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(link[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = ::read(link[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    ::close(link[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(output, "[a b]\n[c\"d]\n[e\\]\n");
}

}  // namespace
