#include "app/modApiCommonDialog.h"

#include <vector>

#include "platform/kernel/ShortPath.h"

namespace app {

std::string GetShortPath(const std::string& path) {
    // The classic fixed buffer: 165 characters, 164 of them offered.
    std::vector<char> buffer(165, '\0');
    win32::DWORD length = win32::GetShortPathNameA(path.c_str(), buffer.data(), 164);
    if (length >= 164) {
        // Too long for the buffer: the call asked for the size it needs
        // (NUL included), so ask again with that much room.
        buffer.assign(length + 1, '\0');
        length =
            win32::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<win32::DWORD>(buffer.size()));
        if (length >= buffer.size()) return {};
    }
    return std::string(buffer.data(), length);
}

}  // namespace app
