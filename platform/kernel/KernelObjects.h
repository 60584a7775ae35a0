// The table behind kernel handles: each HANDLE value names a pipe end, a
// process or a thread. Internal to the kernel layer.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>

#include "platform/Win32Types.h"

namespace win32::kernel {

enum class KernelObjectKind { PipeRead, PipeWrite, Process, Thread };

struct KernelObject {
    KernelObjectKind kind;
    int fd = -1;    // pipe ends: an O_CLOEXEC descriptor owned by the table
    pid_t pid = 0;  // process and thread: the child
    bool inheritable = false;
    bool watched = false;  // process: reaped by its watcher, not when the handle closes
};

HANDLE AddKernelObject(const KernelObject& object);
std::optional<KernelObject> FindKernelObject(HANDLE handle);
// Removes the entry; the caller releases what it held.
std::optional<KernelObject> TakeKernelObject(HANDLE handle);
std::size_t LiveKernelHandleCount();

}  // namespace win32::kernel
