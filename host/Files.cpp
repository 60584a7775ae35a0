#include "host/Files.h"

#include <fcntl.h>
#include <sys/random.h>
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

[[noreturn]] void AccessError() { throw RuntimeError(errPathFileAccess, "Path/File access error"); }

// From the kernel rather than std::random_device, whose code would be paged
// in at start-up for this alone; the name need only be hard to guess.
unsigned RandomNumber(int attempt) {
    unsigned value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == ssize_t(sizeof value)) return value;
    return unsigned(::getpid()) * 2654435761u + unsigned(attempt);
}

// A name beside `path` that nobody uses yet, made and opened by us alone:
// O_EXCL never opens what someone else planted, link or FIFO included.
int CreateFreshBeside(const std::string& path, mode_t mode, std::string& created) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        created = folder + "." + name + "." + std::to_string(RandomNumber(attempt)) + ".tmp";
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Only a regular file (or nothing) under the name may be replaced; a link,
// FIFO, device or folder there is left alone.
bool Replaceable(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode);
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

bool FolderGuardsItsFiles(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    const bool trustedOwner = st.st_uid == ::geteuid() || st.st_uid == 0;
    // Others may write there only if the sticky bit keeps them to their own files.
    const bool othersReplace = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (st.st_mode & S_ISVTX) == 0;
    return trustedOwner && !othersReplace;
}

void WriteBinaryFile(const std::string& path, std::span<const unsigned char> bytes) {
    if (path.empty() || !Replaceable(path)) AccessError();
    std::string fresh;
    const bool program = EndsWithExe(path);
    const int fd = CreateFreshBeside(path, program ? 0755 : 0644, fresh);
    if (fd < 0) AccessError();
    struct stat st {};
    const bool ours = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
    // The umask must not take the executable bits away from a program.
    const bool written = ours && WriteAll(fd, bytes) && (!program || ::fchmod(fd, 0755) == 0);
    if (::close(fd) != 0 || !written || !Replaceable(path) || ::rename(fresh.c_str(), path.c_str()) != 0) {
        ::unlink(fresh.c_str());
        AccessError();
    }
}

}  // namespace host
