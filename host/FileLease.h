// A file that several running copies of a program write out and each need
// while they run (the converter beside the program). Every copy holds a
// lease from before it writes the file until it closes; only the last copy
// to let go deletes the file, so closing one never pulls it from under
// another.
#pragma once

#include <string>

namespace host {

class FileLease {
public:
    // Takes a lease on `path`, waiting briefly while a closing copy deletes
    // the file. Without one (no locking on that volume, or a lock held for
    // long) the lease is not held and Release deletes as if it were the last.
    explicit FileLease(std::string path);
    ~FileLease();  // lets go without deleting
    FileLease(const FileLease&) = delete;
    FileLease& operator=(const FileLease&) = delete;

    bool Held() const { return folder_ >= 0; }
    // Lets go (once); deletes the file, a regular file only, when no other
    // copy holds a lease. True when this was the last lease.
    bool Release();

private:
    std::string path_;
    int folder_ = -1;  // the folder, opened and locked shared while the lease is held
    bool released_ = false;
};

}  // namespace host
