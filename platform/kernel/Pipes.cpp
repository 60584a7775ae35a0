#include "platform/kernel/Pipes.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"

namespace win32 {

namespace {

DWORD ErrorFromErrno(int error) {
    switch (error) {
        case EMFILE:
        case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        case EBADF: return ERROR_INVALID_HANDLE;
        case EPIPE: return ERROR_NO_DATA;
        default: return ERROR_INVALID_PARAMETER;
    }
}

// Per thread: only reads on the thread that set it call it.
PipeWaitHandler& WaitHandler() {
    thread_local PipeWaitHandler handler;
    return handler;
}

// True when a read of fd would return at once (data, or the end), waiting up
// to `milliseconds` for it.
bool Readable(int fd, int milliseconds) {
    pollfd entry{fd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, milliseconds);
    } while (ready < 0 && errno == EINTR);
    return ready != 0;
}

// Bytes the last pipe read on this thread can still take without waiting,
// as last counted: while a handler is set, the count is asked for only when
// it runs out, not before every read.
struct KnownReadable {
    int fd = -1;
    std::size_t bytes = 0;
};
thread_local KnownReadable known;

bool WouldWait(int fd) {
    if (known.fd == fd && known.bytes > 0) return false;
    int available = 0;
    if (::ioctl(fd, FIONREAD, &available) != 0) return false;
    known = {fd, static_cast<std::size_t>(available)};
    return available == 0;
}

void CountRead(int fd, ssize_t got) {
    if (known.fd != fd) return;
    if (got <= 0)
        known = {};
    else
        known.bytes -= std::min(known.bytes, static_cast<std::size_t>(got));
}

// The descriptor behind a pipe end of the wanted direction, or -1.
int PipeDescriptor(HANDLE handle, kernel::KernelObjectKind kind) {
    const auto object = kernel::FindKernelObject(handle);
    return object && object->kind == kind ? object->fd : -1;
}

}  // namespace

void SetPipeWaitHandler(PipeWaitHandler handler) { WaitHandler() = std::move(handler); }

BOOL CreatePipe(PHANDLE hReadPipe, PHANDLE hWritePipe, LPSECURITY_ATTRIBUTES lpPipeAttributes,
                DWORD /*nSize*/) {
    if (hReadPipe == nullptr || hWritePipe == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Close-on-exec always: inheritance happens only by dup2 into a child's
    // standard descriptors, so no end can leak into an unrelated child.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return FALSE;
    }
    const bool inheritable = lpPipeAttributes != nullptr && lpPipeAttributes->bInheritHandle;
    *hReadPipe = kernel::AddKernelObject({kernel::KernelObjectKind::PipeRead, fds[0], 0, inheritable});
    *hWritePipe = kernel::AddKernelObject({kernel::KernelObjectKind::PipeWrite, fds[1], 0, inheritable});
    return TRUE;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = 0;
    const int fd = PipeDescriptor(hFile, kernel::KernelObjectKind::PipeRead);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytesToRead > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (WaitHandler() && WouldWait(fd)) {
        const PipeWaitHandler handler = WaitHandler();  // a copy: it may replace itself
        handler([fd](int milliseconds) { return Readable(fd, milliseconds); });
    }
    ssize_t got;
    do {
        got = ::read(fd, lpBuffer, nNumberOfBytesToRead);
    } while (got < 0 && errno == EINTR);
    CountRead(fd, got);
    if (got < 0) {
        SetLastError(ErrorFromErrno(errno));
        return FALSE;
    }
    if (got == 0 && nNumberOfBytesToRead > 0) {
        SetLastError(ERROR_BROKEN_PIPE);
        return FALSE;
    }
    if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = static_cast<DWORD>(got);
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
               LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = 0;
    const int fd = PipeDescriptor(hFile, kernel::KernelObjectKind::PipeWrite);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytesToWrite > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto* bytes = static_cast<const char*>(lpBuffer);
    DWORD written = 0;
    while (written < nNumberOfBytesToWrite) {
        const ssize_t put = ::write(fd, bytes + written, nNumberOfBytesToWrite - written);
        if (put < 0) {
            if (errno == EINTR) continue;
            SetLastError(ErrorFromErrno(errno));
            if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = written;
            return FALSE;
        }
        written += static_cast<DWORD>(put);
    }
    if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = written;
    return TRUE;
}

}  // namespace win32
