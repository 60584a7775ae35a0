// Whether a file is a usable ISO 9660 image: its primary volume descriptor
// in sector 16, and at least as many bytes as that descriptor declares.
#pragma once

#include <cstdint>
#include <string>

namespace app {

struct IsoVerdict {
    enum class Kind { Valid, Missing, Unreadable, NotIso9660, Truncated };
    Kind kind = Kind::Missing;
    std::uint64_t fileSize = 0;
    std::uint64_t volumeSize = 0;  // bytes, as the descriptor declares them
    std::string label;             // the volume identifier, trailing blanks dropped
};

IsoVerdict CheckIso(const std::string& path);

}  // namespace app
