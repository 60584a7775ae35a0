#include <spawn.h>
#include <sys/wait.h>

#include <cstring>

#include "platform/shell/Shell.h"

extern char** environ;

namespace win32 {
namespace {

constexpr LONG_PTR kLaunched = 42;  // what the platform typically answers

HINSTANCE Result(LONG_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

// xdg-open's exit codes: 0 done, 2 the file does not exist, 3 no tool
// to open it, 4 the action failed.
LONG_PTR FromExitCode(int status) {
    if (!WIFEXITED(status)) return SE_ERR_OOM;
    switch (WEXITSTATUS(status)) {
        case 0: return kLaunched;
        case 2: return SE_ERR_FNF;
        case 3: return SE_ERR_NOASSOC;
        default: return SE_ERR_ACCESSDENIED;
    }
}

}  // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, INT) {
    if (operation && std::strcmp(operation, "open") != 0) return Result(SE_ERR_NOASSOC);
    if (!file || !*file) return Result(SE_ERR_FNF);
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(file), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return Result(SE_ERR_NOASSOC);
    // xdg-open hands the document over and returns; its answer is ours.
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return Result(SE_ERR_OOM);
    return Result(FromExitCode(status));
}

}  // namespace win32
