#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include "platform/kernel/ChildReaper.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellOpen.h"

extern char** environ;

namespace win32 {
namespace {

constexpr LONG_PTR kLaunched = 42;  // what the platform typically answers
constexpr std::chrono::milliseconds kPoll{5};

HINSTANCE Result(LONG_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

// xdg-open's exit codes: 0 done, 1 a syntax error, 2 the file does not
// exist, 3 no tool to open it, 4 the action failed.
LONG_PTR FromExitCode(int status) {
    if (!WIFEXITED(status)) return SE_ERR_OOM;
    switch (WEXITSTATUS(status)) {
        case 0: return kLaunched;
        case 2: return SE_ERR_FNF;
        case 3: return SE_ERR_NOASSOC;
        default: return SE_ERR_ACCESSDENIED;
    }
}

// A relative name starting with '-' would reach the opener as an option.
std::string AsOperand(const char* file) {
    if (file[0] == '-') return std::string("./") + file;
    return file;
}

// The child's exit status once it has exited within the time given.
bool ExitedWithin(pid_t pid, std::chrono::milliseconds patience, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) return true;
        if (done < 0 && errno != EINTR) return true;  // not ours to wait for: nothing to report
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPoll);
    }
}

}  // namespace

namespace shell {

LONG_PTR OpenWithDesktop(const char* file, std::chrono::milliseconds patience) {
    std::string operand = AsOperand(file);
    char program[] = "xdg-open";
    char* argv[] = {program, operand.data(), nullptr};
    pid_t pid = 0;
    // posix_spawnp runs the opener itself, with the name as one argument:
    // no shell ever sees it.
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return SE_ERR_NOASSOC;
    int status = 0;
    if (ExitedWithin(pid, patience, status)) return FromExitCode(status);
    // The opener stays with the application it started, as some do: the
    // document is open, and the child is reaped whenever it ends.
    kernel::ReleaseChild(pid);
    return kLaunched;
}

}  // namespace shell

HINSTANCE ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, INT) {
    if (operation && std::strcmp(operation, "open") != 0) return Result(SE_ERR_NOASSOC);
    if (!file || !*file) return Result(SE_ERR_FNF);
    return Result(shell::OpenWithDesktop(file, shell::kOpenerPatience));
}

}  // namespace win32
