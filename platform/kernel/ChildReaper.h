// Reaps children whose process handle is closed, so none is left a zombie.
// The runner does not wait for its child: it closes the handle when the
// output ends, which can be a moment before the child has exited.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace win32::kernel {

// Reaps the child now if it has exited, else as soon as it exits.
void ReleaseChild(pid_t pid);

// Released children that have not exited yet.
std::size_t RunningReleasedChildren();
// Blocks until every released child has been reaped (for tests and shutdown).
void WaitForReleasedChildren();

}  // namespace win32::kernel
