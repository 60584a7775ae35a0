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
#include "tests/platform/kernel/PipedChild.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace {

using namespace win32;
using testing_support::ChildProgram;
using testing_support::OpenDescriptorCount;
using testing_support::PipedChild;
using testing_support::ZombieChildren;

std::string ReadLine(HANDLE readEnd) {
    std::string line;
    char c = 0;
    DWORD count = 0;
    while (ReadFile(readEnd, &c, 1, &count, nullptr) && c != '\n') line += c;
    return line;
}

std::string Interpreter() { return ApplicationFolder() + "/cmd"; }

// application: null lets the layer stand in; the interpreter's path runs it.
std::string OutputOf(const std::string& commandLine, const char* application) {
    PipedChild child(commandLine, nullptr, application);
    EXPECT_TRUE(child.started) << commandLine;
    std::string output = child.ReadAll();
    child.Close();
    return output;
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
        PipedChild child("cmd /c " + ChildProgram() + " pid-then-fifo " + fifo);
        const auto pid = static_cast<pid_t>(child.info.dwProcessId);
        EXPECT_EQ(ReadLine(child.readEnd), "pid " + std::to_string(pid));
        CloseHandle(child.readEnd);
        child.readEnd = nullptr;
        ::kill(pid, SIGTERM);
        child.Close();
    }
    kernel::WaitForReleasedChildren();
    ::unlink(fifo.c_str());
    EXPECT_EQ(ZombieChildren(), 0);
}

}  // namespace
