// One message table of the subclassing engine: the messages a window's
// callback is offered before (or after) the previous window procedure.
#pragma once

#include <array>

#include "platform/Win32Types.h"

namespace control {

// Registering ALL_MESSAGES offers every message.
constexpr win32::UINT ALL_MESSAGES = static_cast<win32::UINT>(-1);
constexpr int MSG_ENTRIES = 32;

class SubclassMessageTable {
public:
    // False when the table is full (the message is not added). A message
    // already present is not added twice; a freed slot is reused first.
    bool Add(win32::UINT message);
    // False when the message is not in the table. Frees its slot; the count
    // of used slots does not shrink.
    bool Remove(win32::UINT message);
    bool Contains(win32::UINT message) const;
    void Clear() { count_ = 0; }
    // -1 for ALL_MESSAGES, else the slots in use (freed ones included).
    int Count() const { return count_; }

private:
    static constexpr win32::UINT kFree = 0;
    int count_ = 0;
    std::array<win32::UINT, MSG_ENTRIES> entries_{};
};

}  // namespace control
