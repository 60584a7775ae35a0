// The real program, as a process: asked to end by the session (SIGTERM) or
// the terminal (SIGINT), it closes its window in order and removes the
// converter it wrote out at start.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;

class TerminationTest : public ::testing::TestWithParam<int> {};

TEST_P(TerminationTest, ClosesInOrderAndDeletesTheWrittenOutConverter) {
    // The programs are built into bin/, beside this test's own folder.
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
    const fs::path converter = bin / "nrg2iso.exe";
    fs::remove(converter);

    const std::string program = (bin / "corvalmire").string();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);

    // The window has loaded once the converter is written out.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fs::exists(converter) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(fs::exists(converter)) << "the program did not load its window";

    ASSERT_EQ(kill(pid, GetParam()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by the signal instead of closing";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(converter));
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
