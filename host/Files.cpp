#include "host/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>

#include "host/RuntimeError.h"

namespace host {
namespace {

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
    // Never through a symbolic link: a link planted under the written name
    // must not send the bytes (and the executable bits) somewhere else.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) throw RuntimeError(errPathFileAccess, "Path/File access error");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const bool runnable = !EndsWithExe(path) || ::fchmod(fd, 0755) == 0;
    if (::close(fd) != 0 || done != bytes.size() || !runnable) {
        throw RuntimeError(errPathFileAccess, "Path/File access error");
    }
}

}  // namespace host
