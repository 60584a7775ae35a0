#include "platform/kernel/CurrentProcess.h"

#include <unistd.h>

#include <filesystem>

#include "platform/kernel/KernelExtensions.h"

namespace win32 {

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

const std::string& ApplicationFolder() {
    static const std::string folder = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::filesystem::current_path().string() : exe.parent_path().string();
    }();
    return folder;
}

}  // namespace win32
