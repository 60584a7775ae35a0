#include "platform/kernel/CurrentProcess.h"

#include <unistd.h>

#include <climits>
#include <string_view>

#include "platform/kernel/KernelExtensions.h"

namespace win32 {

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

// Through readlink and getcwd rather than std::filesystem, whose code
// would be paged in at start-up for this alone.
const std::string& ApplicationFolder() {
    static const std::string folder = [] {
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
        if (length > 0 && std::size_t(length) < sizeof buffer) {
            const std::string_view exe(buffer, std::size_t(length));
            const std::size_t slash = exe.rfind('/');
            if (slash != std::string_view::npos) return std::string(exe.substr(0, slash == 0 ? 1 : slash));
        }
        return std::string(::getcwd(buffer, sizeof buffer) ? buffer : "");
    }();
    return folder;
}

}  // namespace win32
