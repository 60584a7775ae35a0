// Reaps children whose process handle is closed, so none is left a zombie.
// The runner does not wait for its child: it closes the handle when the
// output ends, which can be a moment before the child has exited. A child
// the layer must hear of when it exits is watched instead.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>

namespace win32::kernel {

// Reaps the child now if it has exited, else as soon as it exits.
void ReleaseChild(pid_t pid);

// Waits for the child from now on and, once it has exited and been reaped,
// calls onExit with its wait status on the waiting thread. The child counts
// as running until then, and must not be released as well.
void WatchChild(pid_t pid, std::function<void(int status)> onExit);

// Released and watched children that have not exited yet.
std::size_t RunningReleasedChildren();
// Blocks until every released child has been reaped (for tests and shutdown).
void WaitForReleasedChildren();

}  // namespace win32::kernel
