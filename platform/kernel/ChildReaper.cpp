#include "platform/kernel/ChildReaper.h"

#include <sys/wait.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace win32::kernel {

namespace {

struct Reaper {
    std::mutex mutex;
    std::condition_variable allReaped;
    std::size_t running = 0;
};

Reaper& State() {
    static Reaper* reaper = new Reaper;  // outlives waiting threads at exit
    return *reaper;
}

// True when the child is gone (reaped now, or not ours to wait for).
bool ReapIfExited(pid_t pid) {
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(pid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    return result != 0;
}

int WaitBlocking(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

void WatchChild(pid_t pid, std::function<void(int status)> onExit) {
    auto& reaper = State();
    {
        std::lock_guard lock(reaper.mutex);
        ++reaper.running;
    }
    // Waiting for one named child (rather than any child, or a SIGCHLD
    // handler) leaves other code's children alone.
    std::thread([pid, onExit = std::move(onExit), &reaper] {
        const int status = WaitBlocking(pid);
        if (onExit) onExit(status);
        std::lock_guard lock(reaper.mutex);
        if (--reaper.running == 0) reaper.allReaped.notify_all();
    }).detach();
}

void ReleaseChild(pid_t pid) {
    if (pid <= 0 || ReapIfExited(pid)) return;
    WatchChild(pid, nullptr);
}

std::size_t RunningReleasedChildren() {
    auto& reaper = State();
    std::lock_guard lock(reaper.mutex);
    return reaper.running;
}

void WaitForReleasedChildren() {
    auto& reaper = State();
    std::unique_lock lock(reaper.mutex);
    reaper.allReaped.wait(lock, [&] { return reaper.running == 0; });
}

}  // namespace win32::kernel
