// The real program on an X server of its own, as a person runs it: started
// on an image, Converti clicked, Esci clicked. It exits 0, also in the
// sanitizer build, where a leak found at exit would end it otherwise (what
// Qt's X11 platform makes libdbus lose is the one block suppressed).
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "NrgFixture.h"
#include "PersonAtX.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

pid_t Start(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

// The exit status, or -1 for a program that did not start or exit.
int Wait(pid_t pid) {
    int status = 0;
    return pid != 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Finds the program's window, then clicks a button's centre in it: its
// twips rectangle in the form description (left, top, width, height) over
// 15 twips a pixel.
std::vector<std::string> Click(int left, int top, int width, int height) {
    return {"xdotool",
            "search",
            "--sync",
            "--onlyvisible",
            "--name",
            "Corvalmire",
            "mousemove",
            "--window",
            "%1",
            std::to_string((left + width / 2) / 15),
            std::to_string((top + height / 2) / 15),
            "sleep",
            "0.3",
            "click",
            "1"};
}

TEST(ProgramOnX11, StartConvertAndExitEndsWithStatusZero) {
    if (!x11_test::StartOwnDisplay()) GTEST_SKIP() << "needs Xvfb and xdotool";
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
    const fixture::TempFolder work("program-on-x11");
    const fs::path nrg = work.path() / "disco.nrg", iso = work.path() / "original.iso";
    fixture::MakeNrg(iso, nrg);

    const pid_t program = Start({(bin / "corvalmire").string(), nrg.string()});
    ASSERT_NE(program, 0);
    // Loaded once the converter is written out: from then on the program
    // holds the server, which ends with its last client.
    ASSERT_TRUE(WaitFor([&] { return fs::exists(bin / "nrg2iso.exe"); }));
    EXPECT_EQ(Wait(Start(Click(3915, 945, 1590, 405))), 0);  // Converti
    EXPECT_TRUE(WaitFor([&] { return fixture::ReadFile(nrg.string() + ".iso") == fixture::ReadFile(iso); }));
    EXPECT_EQ(Wait(Start(Click(3915, 2130, 1560, 405))), 0);  // Esci

    int status = 0;
    ASSERT_EQ(::waitpid(program, &status, 0), program);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(bin / "nrg2iso.exe"));
}

}  // namespace
