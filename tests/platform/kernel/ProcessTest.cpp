#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/Handles.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "tests/platform/kernel/PipedChild.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace win32 {
namespace {

using testing_support::ChildProgram;
using testing_support::OpenDescriptorCount;
using testing_support::PipedChild;
using testing_support::ProcessState;
using testing_support::ZombieChildren;

TEST(Processes, ProgramNotFoundLeavesNothingBehind) {
    const struct {
        const char* application;
        const char* line;
        DWORD error;
    } rows[] = {
        {nullptr, "no-such-program-here arg", ERROR_FILE_NOT_FOUND},
        {nullptr, "\"/no/such/dir/prog\"", ERROR_FILE_NOT_FOUND},
        {nullptr, "", ERROR_FILE_NOT_FOUND},
        {nullptr, "   ", ERROR_FILE_NOT_FOUND},
        {"", "childprog silent", ERROR_PATH_NOT_FOUND},
        {"/no/such/prog", "childprog silent", ERROR_FILE_NOT_FOUND},
    };
    const int descriptors = OpenDescriptorCount();
    const std::size_t handles = OpenKernelHandleCount();
    for (const auto& row : rows) {
        std::string commandLine = row.line;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{reinterpret_cast<HANDLE>(1), reinterpret_cast<HANDLE>(1), 7, 7};
        SetLastError(0);
        EXPECT_FALSE(CreateProcessA(row.application, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                    nullptr, &startup, &info))
            << row.line;
        EXPECT_EQ(GetLastError(), row.error) << row.line;
        EXPECT_EQ(info.hProcess, nullptr);
        EXPECT_EQ(info.dwProcessId, 0u);
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(OpenKernelHandleCount(), handles);
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST(Processes, ChildInheritsOnlyItsStandardDescriptors) {
    // An inheritable pipe that is not handed over must not reach the child.
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE strayRead = nullptr, strayWrite = nullptr;
    ASSERT_TRUE(CreatePipe(&strayRead, &strayWrite, &inherit, 0));
    PipedChild child("childprog fds");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.ReadAll(), "0 1 2 ");
    child.Close();
    CloseHandle(strayRead);
    CloseHandle(strayWrite);
}

TEST(Processes, ArgumentsArriveSplitByTheWindowsRules) {
    PipedChild child(R"(childprog args "a b" c\"d "" x&y;z $(touch q))");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.ReadAll(), "[a b]\n[c\"d]\n[]\n[x&y;z]\n[$(touch]\n[q)]\n");
    child.Close();
}

TEST(Processes, FindsProgramsOnPathAndWithExe) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("corvalmire-exe-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(ChildProgram(), folder / "helper.exe",
                               std::filesystem::copy_options::overwrite_existing);
    const std::string savedPath = std::getenv("PATH");
    ::setenv("PATH", (folder.string() + ":" + savedPath).c_str(), 1);
    PipedChild child("helper args found");
    ::setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(child.started);
    EXPECT_EQ(child.ReadAll(), "[found]\n");
    child.Close();
    std::filesystem::remove_all(folder);
}

// The program's own folder comes before the current folder, so a "childprog"
// planted there is not run; the current folder still comes before PATH.
TEST(Processes, SearchesTheApplicationFolderThenTheCurrentOneThenPath) {
    const auto root =
        std::filesystem::temp_directory_path() / ("corvalmire-search-" + std::to_string(::getpid()));
    const auto plant = [](const std::filesystem::path& file, const char* says) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "#!/bin/sh\necho " << says << "\n";
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    };
    plant(root / "current" / "childprog", "planted");
    plant(root / "current" / "helper", "current");
    plant(root / "path" / "helper", "path");
    const auto savedFolder = std::filesystem::current_path();
    const std::string savedPath = std::getenv("PATH");
    std::filesystem::current_path(root / "current");
    ::setenv("PATH", ((root / "path").string() + ":" + savedPath).c_str(), 1);
    const struct {
        const char* line;
        const char* output;
    } rows[] = {{"childprog args ours", "[ours]\n"}, {"helper", "current\n"}};
    for (const auto& row : rows) {
        PipedChild child(row.line);
        EXPECT_TRUE(child.started) << row.line;
        EXPECT_EQ(child.ReadAll(), row.output) << row.line;
        child.Close();
    }
    ::setenv("PATH", savedPath.c_str(), 1);
    std::filesystem::current_path(savedFolder);
    std::filesystem::remove_all(root);
}

TEST(Processes, MissingCurrentFolderIsAnError) {
    PipedChild child("childprog silent", "/no/such/folder");
    EXPECT_FALSE(child.started);
    EXPECT_EQ(child.error, ERROR_DIRECTORY);
    child.Close();
}

TEST(Processes, ReadFileFailsWithBrokenPipeAtTheEnd) {
    PipedChild child("childprog bytes 10");
    ASSERT_TRUE(child.started);
    char buffer[256];
    DWORD count = 99;
    ASSERT_TRUE(ReadFile(child.readEnd, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "0123456789");
    count = 99;
    SetLastError(0);
    EXPECT_FALSE(ReadFile(child.readEnd, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_BROKEN_PIPE);
    EXPECT_EQ(count, 0u);
    child.Close();
}

// A reader about to wait hears of it first, on its own thread only, and can
// wait a while for data itself.
TEST(Pipes, AReadAboutToWaitCallsTheWaitHandlerOfItsThread) {
    SECURITY_ATTRIBUTES plain{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &plain, 0));
    std::vector<std::string> heard;
    SetPipeWaitHandler([&](const std::function<bool(int)>& waitForData) {
        heard.push_back(waitForData(10) ? "data" : "none");  // nothing comes within 10 ms
        DWORD written = 0;
        WriteFile(writeEnd, "late", 4, &written, nullptr);
        heard.push_back(waitForData(0) ? "data" : "none");
    });
    char buffer[16];
    DWORD count = 0;
    ASSERT_TRUE(ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "late");
    EXPECT_EQ(heard, (std::vector<std::string>{"none", "data"}));

    // Data already there: no wait, no call.
    DWORD written = 0;
    WriteFile(writeEnd, "ready", 5, &written, nullptr);
    ASSERT_TRUE(ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(heard.size(), 2u);
    // Another thread's reads know nothing of this thread's handler.
    std::thread other([&] {
        ASSERT_TRUE(ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr));
        EXPECT_EQ(std::string(buffer, count), "more");
    });
    WriteFile(writeEnd, "more", 4, &written, nullptr);
    other.join();
    EXPECT_EQ(heard.size(), 2u);
    SetPipeWaitHandler({});
    CloseHandle(writeEnd);
    CloseHandle(readEnd);
}

TEST(Processes, ClosingAHandleTwiceFails) {
    PipedChild child("childprog silent");
    ASSERT_TRUE(child.started);
    child.ReadAll();
    const HANDLE process = child.info.hProcess;
    child.Close();
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(process));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Processes, AnExitedChildIsReapedWhenItsHandleCloses) {
    PipedChild child("childprog silent");
    ASSERT_TRUE(child.started);
    const auto pid = static_cast<long>(child.info.dwProcessId);
    child.ReadAll();
    child.Close();
    kernel::WaitForReleasedChildren();
    EXPECT_EQ(ProcessState(pid), "");
    EXPECT_EQ(ZombieChildren(), 0);
}

// The output can end well before the child does; its handle is closed while
// it runs, and it must still be reaped once it exits.
TEST(Processes, AChildStillRunningAtCloseIsReapedWhenItExits) {
    const std::string fifo =
        std::filesystem::temp_directory_path() / ("corvalmire-fifo-" + std::to_string(::getpid()));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PipedChild child("childprog pid-then-fifo " + fifo);
    ASSERT_TRUE(child.started);
    const auto pid = static_cast<long>(child.info.dwProcessId);
    EXPECT_EQ(child.ReadAll(), "pid " + std::to_string(pid) + "\n");
    child.Close();
    EXPECT_EQ(kernel::RunningReleasedChildren(), 1u);
    EXPECT_NE(ProcessState(pid), "Z");

    const int writer = ::open(fifo.c_str(), O_WRONLY);  // lets the child finish
    ASSERT_GE(writer, 0);
    ::close(writer);
    kernel::WaitForReleasedChildren();
    EXPECT_EQ(ProcessState(pid), "");
    EXPECT_EQ(ZombieChildren(), 0);
    ::unlink(fifo.c_str());
}

}  // namespace
}  // namespace win32
