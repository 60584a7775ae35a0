#include "control/SubclassMessageTable.h"

namespace control {

bool SubclassMessageTable::Add(win32::UINT message) {
    if (message == ALL_MESSAGES) {
        count_ = -1;
        return true;
    }
    // An all-messages table counts as empty here, so it becomes a table of
    // just this message.
    if (count_ < 0) count_ = 0;
    if (count_ >= MSG_ENTRIES) return false;
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == kFree) {
            entries_[i] = message;
            return true;
        }
        if (entries_[i] == message) return true;
    }
    entries_[count_++] = message;
    return true;
}

bool SubclassMessageTable::Remove(win32::UINT message) {
    if (message == ALL_MESSAGES) {
        count_ = 0;
        return true;
    }
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == message) {
            entries_[i] = kFree;
            return true;
        }
    }
    return false;
}

bool SubclassMessageTable::Contains(win32::UINT message) const {
    if (count_ < 0) return true;
    // A free slot never matches, not even WM_NULL.
    if (message == kFree) return false;
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == message) return true;
    }
    return false;
}

}  // namespace control
