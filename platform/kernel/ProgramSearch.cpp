#include "platform/kernel/ProgramSearch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>

#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/KernelExtensions.h"

namespace win32 {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

struct SystemFolderSetting {
    std::mutex mutex;
    std::string folder;
};

SystemFolderSetting& Setting() {
    static SystemFolderSetting setting;
    return setting;
}

}  // namespace

std::vector<std::string> PathFolders() {
    std::vector<std::string> folders;
    const char* path = std::getenv("PATH");
    if (path == nullptr) return folders;
    std::string_view rest = path;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const auto entry = rest.substr(0, colon);
        if (!entry.empty()) folders.emplace_back(entry);
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return folders;
}

std::optional<std::string> FindProgram(const std::string& name, const std::vector<std::string>& folders,
                                       const std::vector<std::string>& suffixes) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        for (const auto& suffix : suffixes) {
            if (IsExecutableFile(name + suffix)) return name + suffix;
        }
        return std::nullopt;
    }
    for (const auto& folder : folders) {
        for (const auto& suffix : suffixes) {
            const std::string candidate = JoinPath(folder, name + suffix);
            if (IsExecutableFile(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

std::string SystemFolder() {
    auto& setting = Setting();
    {
        std::lock_guard lock(setting.mutex);
        if (!setting.folder.empty()) return setting.folder;
    }
    return ApplicationFolder();
}

void SetSystemFolder(std::string folder) {
    auto& setting = Setting();
    std::lock_guard lock(setting.mutex);
    setting.folder = std::move(folder);
}

}  // namespace win32
