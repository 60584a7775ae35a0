#include "host/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string_view>

#include "host/RuntimeError.h"

namespace host {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool EndsWithExe(const std::string& path) {
    constexpr std::string_view suffix = ".exe";
    if (path.size() < suffix.size()) return false;
    const std::string_view tail = std::string_view(path).substr(path.size() - suffix.size());
    return std::ranges::equal(tail, suffix,
                              [](unsigned char a, unsigned char b) { return std::tolower(a) == b; });
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void Kill(const std::string& path) {
    if (!FileExists(path)) throw RuntimeError(errFileNotFound, "File not found");
    if (::unlink(path.c_str()) != 0) throw RuntimeError(errPermissionDenied, "Permission denied");
}

void WriteBinaryFile(const std::string& path, std::span<const unsigned char> bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "r+b"));
    if (!file) file.reset(std::fopen(path.c_str(), "wb"));
    if (!file) throw RuntimeError(errPathFileAccess, "Path/File access error");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (std::fclose(file.release()) != 0 || !written) {
        throw RuntimeError(errPathFileAccess, "Path/File access error");
    }
    if (EndsWithExe(path)) ::chmod(path.c_str(), 0755);
}

}  // namespace host
