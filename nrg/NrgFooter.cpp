#include <array>
#include <cstring>

#include "nrg/BigEndian.h"
#include "nrg/NrgChunks.h"

namespace nrg::detail {

// The newer footer is tried first: its last 8 bytes are a 64-bit offset,
// which a "NERO" tag could only appear in by chance.
std::optional<Footer> ReadFooter(const ByteSource& source) {
    const std::uint64_t size = source.Size();
    std::array<unsigned char, 12> tail{};
    if (size >= 12 && source.ReadAt(size - 12, tail) && std::memcmp(tail.data(), "NER5", 4) == 0) {
        return Footer{FooterVersion::Ner5, BigEndian64(tail, 4), 12};
    }
    const std::span<unsigned char> last8 = std::span(tail).first(8);
    if (size >= 8 && source.ReadAt(size - 8, last8) && std::memcmp(last8.data(), "NERO", 4) == 0) {
        return Footer{FooterVersion::Nero, BigEndian32(last8, 4), 8};
    }
    return std::nullopt;
}

}  // namespace nrg::detail
