// The reader's pieces: the footer, and a parser for each chunk it knows.
// Each parser gets the chunk's body only, already read and bounded.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "nrg/NrgImage.h"

namespace nrg::detail {

using Body = std::span<const unsigned char>;

struct Footer {
    FooterVersion version;
    std::uint64_t chunkOffset;
    std::uint64_t length;  // 12 or 8 bytes at the end of the file
};
std::optional<Footer> ReadFooter(const ByteSource& source);

// `wide`: the version-2 chunk (64-bit offsets) rather than the version-1 one.
// `dataEnd`: where the chunks start; every track must end before it.
ReadError ParseDiscAtOnce(Body body, bool wide, std::uint64_t dataEnd, Image& image);
ReadError ParseTrackAtOnce(Body body, bool wide, std::uint64_t dataEnd, Image& image);
ReadError ParseCueSheet(Body body, bool wide, Image& image);
ReadError ParseSessionInfo(Body body, Image& image);
ReadError ParseMediaType(Body body, Image& image);

}  // namespace nrg::detail
