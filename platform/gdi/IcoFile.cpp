// The directory of an .ico file and the choice of an entry by size.
#include <cstdlib>

#include "platform/gdi/Icons.h"

namespace win32 {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

std::uint32_t Read32(std::span<const BYTE> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Read16(std::span<const BYTE> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<IcoEntry> ReadIcoDirectory(std::span<const BYTE> file) {
    std::vector<IcoEntry> entries;
    if (file.size() < kDirectorySize || Read16(file, 0) != 0 || Read16(file, 2) != kIconType) return entries;
    const std::size_t count = Read16(file, 4);
    if (file.size() < kDirectorySize + kEntrySize * count) return entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectorySize + kEntrySize * i;
        const std::uint64_t size = Read32(file, at + 8), offset = Read32(file, at + 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset) continue;
        IcoEntry entry;
        entry.width = file[at] ? file[at] : 256;
        entry.height = file[at + 1] ? file[at + 1] : 256;
        entry.bitCount = Read16(file, at + 6);
        entry.image = file.subspan(std::size_t(offset), std::size_t(size));
        entries.push_back(entry);
    }
    return entries;
}

int NearestIcoEntry(const std::vector<IcoEntry>& entries, int size) {
    int best = -1;
    long long bestDistance = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IcoEntry& e = entries[i];
        const long long distance = std::llabs(static_cast<long long>(e.width) - size) +
                                   std::llabs(static_cast<long long>(e.height) - size);
        if (best < 0 || distance < bestDistance ||
            (distance == bestDistance && e.bitCount > entries[std::size_t(best)].bitCount)) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace win32
