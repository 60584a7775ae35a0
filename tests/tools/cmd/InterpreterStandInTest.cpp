// "cmd /c program" through CreateProcessA starts the program in place of the
// interpreter; what the caller reads must be what the interpreter gives.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/Handles.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace {

using namespace win32;
using testing_support::ChildProgram;
using testing_support::OpenDescriptorCount;
using testing_support::ZombieChildren;

struct Started {
    HANDLE readEnd = nullptr;
    PROCESS_INFORMATION info{};

    // application: null lets the layer stand in; the interpreter's path runs it.
    Started(std::string commandLine, const char* application) {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        EXPECT_TRUE(CreateProcessA(application, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &info))
            << commandLine;
        CloseHandle(writeEnd);
    }
    ~Started() {
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        if (readEnd) CloseHandle(readEnd);
    }

    std::string Line() {
        std::string line;
        char c = 0;
        DWORD count = 0;
        while (ReadFile(readEnd, &c, 1, &count, nullptr) && c != '\n') line += c;
        return line;
    }
    std::string All() {
        std::string all;
        char buffer[256];
        DWORD count = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr)) all.append(buffer, count);
        return all;
    }
};

std::string Interpreter() { return ApplicationFolder() + "/cmd"; }

std::string OutputOf(const std::string& commandLine, const char* application) {
    return Started(commandLine, application).All();
}

TEST(InterpreterStandIn, TheProgramIsOurChildWithNoInterpreterBetween) {
    const std::string line = "cmd /c " + ChildProgram() + " parent";
    EXPECT_EQ(OutputOf(line, nullptr), std::to_string(::getpid()) + "\n");
    EXPECT_NE(OutputOf(line, Interpreter().c_str()), std::to_string(::getpid()) + "\n");
    kernel::WaitForReleasedChildren();
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST(InterpreterStandIn, GivesWhatTheInterpreterGives) {
    const std::string child = ChildProgram();
    const std::string cases[] = {
        "cmd /c " + child + R"( args a&b "c d" ;e $(x) >f)",
        "cmd /c \"" + child + "\" args x",
        "cmd /s /c \"" + child + " args \"y\" z\"",
        "cmd /c " + child + " interleave",
        "cmd /c " + child + " signal 11",
        "cmd /c " + child + " signal 9",
        "cmd /c no-such-converter a.nrg",
        "cmd /c",
        "cmd /x " + child + " args",
    };
    const int descriptors = OpenDescriptorCount();
    for (const std::string& line : cases) {
        const std::string interpreted = OutputOf(line, Interpreter().c_str());
        EXPECT_FALSE(interpreted.empty() && line != "cmd /c") << line;
        EXPECT_EQ(OutputOf(line, nullptr), interpreted) << line;
    }
    kernel::WaitForReleasedChildren();
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(ZombieChildren(), 0);
}

// The report of a death by signal goes to a pipe nobody reads any more: the
// write fails, and this process must not die of SIGPIPE for it.
TEST(InterpreterStandIn, ReportingToAClosedPipeLeavesTheCallerAlive) {
    const std::string fifo = "/tmp/corvalmire-standin-" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    {
        Started started("cmd /c " + ChildProgram() + " pid-then-fifo " + fifo, nullptr);
        const std::string pid = started.Line();
        ASSERT_EQ(pid, "pid " + std::to_string(started.info.dwProcessId));
        CloseHandle(started.readEnd);
        started.readEnd = nullptr;
        ::kill(static_cast<pid_t>(started.info.dwProcessId), SIGTERM);
    }
    kernel::WaitForReleasedChildren();
    ::unlink(fifo.c_str());
    EXPECT_EQ(ZombieChildren(), 0);
}

}  // namespace
