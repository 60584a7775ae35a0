#include "platform/kernel/InterpreterStandIn.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/CommandLine.h"

namespace win32::kernel {

namespace {

int CopyOf(int fd) { return fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 3); }

// A write to a pipe nobody reads any more raises SIGPIPE, which would end
// the whole process here rather than an interpreter of its own: it stays
// blocked on this thread while writing, and a raised one is taken back.
void WriteAll(int fd, const std::string& text) {
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0 && errno == EPIPE) {
            const timespec now{};
            while (::sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        if (wrote <= 0) break;
        done += std::size_t(wrote);
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace

std::optional<cmd::ProgramRun> ProgramTheInterpreterWouldStart(const std::string& commandLine) {
    auto run = cmd::ReadCommandLine(commandLine);
    if (!run || run->typedName.empty() || run->path.empty()) return std::nullopt;
    return run;
}

InterpreterStandIn::InterpreterStandIn(int outputFd, int errorFd)
    : output_(CopyOf(outputFd)), error_(CopyOf(errorFd)) {
    ready_ = (outputFd < 0 || output_ >= 0) && (errorFd < 0 || error_ >= 0);
}

InterpreterStandIn::~InterpreterStandIn() {
    if (output_ >= 0) ::close(output_);
    if (error_ >= 0) ::close(error_);
}

void InterpreterStandIn::WatchOver(pid_t pid, std::string typedName) {
    WatchChild(pid, [output = output_, error = error_, typedName = std::move(typedName)](int status) {
        if (WIFSIGNALED(status) && error >= 0)
            WriteAll(error, cmd::SignalMessage(typedName, WTERMSIG(status)));
        if (output >= 0) ::close(output);
        if (error >= 0) ::close(error);
    });
    output_ = error_ = -1;
}

}  // namespace win32::kernel
