#include "platform/kernel/Handles.h"

#include <unistd.h>

#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"

namespace win32 {

BOOL CloseHandle(HANDLE object) {
    const auto taken = kernel::TakeKernelObject(object);
    if (!taken) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    switch (taken->kind) {
        case kernel::KernelObjectKind::PipeRead:
        case kernel::KernelObjectKind::PipeWrite:
            // Linux closes the descriptor even when close() reports EINTR; never retry.
            ::close(taken->fd);
            break;
        case kernel::KernelObjectKind::Process:
            if (!taken->watched) kernel::ReleaseChild(taken->pid);
            break;
        case kernel::KernelObjectKind::Thread: break;
    }
    return TRUE;
}

std::size_t OpenKernelHandleCount() { return kernel::LiveKernelHandleCount(); }

}  // namespace win32
