#include "host/FileLease.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace host {
namespace {

// The leases are shared locks on the file's folder: the file itself is
// replaced by renames, so a lock on it would not outlive a rewrite.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void DeleteRegularFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
}

}  // namespace

FileLease::FileLease(std::string path) : path_(std::move(path)) {
    const int folder = ::open(FolderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    // A closing copy holds the lock exclusively only while it deletes.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(folder, LOCK_SH | LOCK_NB) == 0) {
            folder_ = folder;
            return;
        }
        if (errno != EWOULDBLOCK) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(folder);
}

FileLease::~FileLease() {
    if (folder_ >= 0) ::close(folder_);
}

bool FileLease::Release() {
    if (released_) return false;
    released_ = true;
    // Exclusive is granted only when no other copy holds its shared lock.
    const bool last = folder_ < 0 || ::flock(folder_, LOCK_EX | LOCK_NB) == 0;
    if (last) DeleteRegularFile(path_);
    if (folder_ >= 0) ::close(folder_);
    folder_ = -1;
    return last;
}

}  // namespace host
