#include "tools/cmd/ChildRun.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

extern char** environ;

namespace cmd {
namespace {

// Signals that stop the interpreter are passed on, so stopping it stops the
// program too, as if the program had been started in its place.
constexpr int kForwarded[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};
volatile sig_atomic_t g_child = 0;

void Forward(int signal) {
    if (g_child > 0) ::kill(static_cast<pid_t>(g_child), signal);
}

void WriteError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }

// The forwarded signals stay blocked from before the spawn until the child's
// id is known, so none arrives while there is nobody to pass it to.
class ForwardingScope {
public:
    ForwardingScope() {
        sigset_t forwarded;
        sigemptyset(&forwarded);
        struct sigaction action {};
        action.sa_handler = Forward;
        action.sa_flags = SA_RESTART;
        for (const int signal : kForwarded) {
            sigaddset(&forwarded, signal);
            ::sigaction(signal, &action, nullptr);
        }
        ::sigprocmask(SIG_BLOCK, &forwarded, &previous_);
    }
    ~ForwardingScope() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    const sigset_t& PreviousMask() const { return previous_; }

private:
    sigset_t previous_;
};

int Spawn(win32::cmd::ProgramRun& run, const sigset_t& childMask, pid_t& pid) {
    std::vector<char*> argv;
    for (auto& argument : run.arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    ::posix_spawnattr_setsigmask(&attributes, &childMask);
    std::fflush(nullptr);
    const int error = ::posix_spawn(&pid, run.path.c_str(), nullptr, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    return error;
}

int Wait(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return 1;
    }
    return status;
}

}  // namespace

int RunAndWait(win32::cmd::ProgramRun& run) {
    ForwardingScope forwarding;
    pid_t pid = 0;
    const int error = Spawn(run, forwarding.PreviousMask(), pid);
    if (error != 0) {
        WriteError(run.typedName + ": " + std::strerror(error) + "\r\n");
        return error == EACCES ? 5 : 1;
    }
    g_child = pid;
    ::sigprocmask(SIG_SETMASK, &forwarding.PreviousMask(), nullptr);
    const int status = Wait(pid);
    if (WIFSIGNALED(status)) {
        WriteError(win32::cmd::SignalMessage(run.typedName, WTERMSIG(status)));
        return 128 + WTERMSIG(status);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace cmd
