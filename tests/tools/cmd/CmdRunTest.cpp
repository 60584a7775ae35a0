// The interpreter as a real child: started through CreateProcessA, output on a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/kernel/Handles.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "tests/platform/kernel/PipedChild.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace {

using namespace win32;
using testing_support::ChildProgram;
using testing_support::PipedChild;

struct Finished {
    std::string output;
    int exitCode;
};

// Runs a command line to its end through the interpreter itself (named, so
// the layer does not start the program in its place); the exit code comes
// from waiting for the child ourselves, which the layer's API does not offer.
Finished RunToEnd(std::string commandLine) {
    const std::string interpreter = ApplicationFolder() + "/cmd";
    PipedChild child(commandLine, nullptr, interpreter.c_str());
    EXPECT_TRUE(child.started) << commandLine;
    Finished result{"", -1};
    if (child.started) {
        result.output = child.ReadAll();
        int status = 0;
        ::waitpid(static_cast<pid_t>(child.info.dwProcessId), &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    child.Close();
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

TEST(CmdRun, AProgramKilledByASignalIsReported) {
    const struct {
        int signal;
        const char* name;
    } cases[] = {{SIGSEGV, "Segmentation fault"}, {SIGKILL, "Killed"}, {SIGTERM, "Terminated"}};
    for (const auto& c : cases) {
        const Finished run = RunToEnd("cmd /c " + ChildProgram() + " signal " + std::to_string(c.signal));
        EXPECT_EQ(run.output, ChildProgram() + ": terminated by signal " + std::to_string(c.signal) + " (" +
                                  c.name + ")\r\n");
        EXPECT_EQ(run.exitCode, 128 + c.signal) << c.name;
    }
}

// Stopping the interpreter stops the program it runs: the signal is passed on.
TEST(CmdRun, ASignalToTheInterpreterReachesTheProgram) {
    const std::string fifo = "/tmp/corvalmire-cmd-fifo-" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    int link[2];
    ASSERT_EQ(::pipe(link), 0);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, link[1], 1);
    ::posix_spawn_file_actions_adddup2(&actions, link[1], 2);
    ::posix_spawn_file_actions_addclose(&actions, link[0]);
    const std::string cmdPath = ApplicationFolder() + "/cmd";
    std::vector<std::string> arguments = {"cmd", "/c", ChildProgram(), "pid-then-fifo", fifo};
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, cmdPath.c_str(), &actions, nullptr, argv.data(), environ), 0);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(link[1]);
    std::string output;
    char buffer[256];
    while (output.find('\n') == std::string::npos) {
        const ssize_t n = ::read(link[0], buffer, sizeof buffer);
        ASSERT_GT(n, 0);
        output.append(buffer, n);
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    bool ended = false;
    for (int tries = 0; tries < 1000 && !ended; ++tries) {
        ended = ::waitpid(pid, &status, WNOHANG) == pid;
        if (!ended) ::usleep(10000);
    }
    if (!ended) {
        ::close(::open(fifo.c_str(), O_WRONLY));  // lets the program end, then fails
        ::waitpid(pid, &status, 0);
        ADD_FAILURE() << "the program did not get the signal";
    }
    for (ssize_t n; (n = ::read(link[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    ::close(link[0]);
    ::unlink(fifo.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_NE(output.find(": terminated by signal 15 (Terminated)\r\n"), std::string::npos) << output;
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
    const std::string cmdPath = ApplicationFolder() + "/cmd";
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
