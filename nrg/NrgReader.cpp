// Walks the chunk chain from the footer's offset to "END!". Every chunk is
// an ID, a 32-bit length and that many bytes; unknown chunks (CD-TEXT and
// the like) are stepped over without reading them.
#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "nrg/BigEndian.h"
#include "nrg/NrgChunks.h"

namespace nrg {
namespace {

using detail::Body;

// A disc of 99 tracks in 99 sessions needs a few hundred chunks; a file
// claiming more is not worth walking.
constexpr int kMaxChunks = 1024;
// Known chunks of a real disc hold a few kilobytes (99 tracks take 4,180
// bytes in "DAOX"); larger ones are corrupt and are not read into memory,
// and all of them together are read up to a budget.
constexpr std::uint32_t kMaxKnownChunk = 64 * 1024;
constexpr std::uint64_t kMaxKnownBytes = 1024 * 1024;
constexpr std::uint64_t kChunkHeader = 8;

struct KnownChunk {
    std::string_view id;
    ReadError (*parse)(Body, std::uint64_t dataEnd, Image&);
};

const KnownChunk kKnownChunks[] = {
    {"CUES", [](Body b, std::uint64_t, Image& i) { return detail::ParseCueSheet(b, false, i); }},
    {"CUEX", [](Body b, std::uint64_t, Image& i) { return detail::ParseCueSheet(b, true, i); }},
    {"DAOI", [](Body b, std::uint64_t end, Image& i) { return detail::ParseDiscAtOnce(b, false, end, i); }},
    {"DAOX", [](Body b, std::uint64_t end, Image& i) { return detail::ParseDiscAtOnce(b, true, end, i); }},
    {"ETNF", [](Body b, std::uint64_t end, Image& i) { return detail::ParseTrackAtOnce(b, false, end, i); }},
    {"ETN2", [](Body b, std::uint64_t end, Image& i) { return detail::ParseTrackAtOnce(b, true, end, i); }},
    {"SINF", [](Body b, std::uint64_t, Image& i) { return detail::ParseSessionInfo(b, i); }},
    {"MTYP", [](Body b, std::uint64_t, Image& i) { return detail::ParseMediaType(b, i); }},
};

const KnownChunk* FindChunk(std::string_view id) {
    const auto found = std::find_if(std::begin(kKnownChunks), std::end(kKnownChunks),
                                    [&](const KnownChunk& c) { return c.id == id; });
    return found == std::end(kKnownChunks) ? nullptr : found;
}

ReadError ParseChunk(const ByteSource& source, const KnownChunk& chunk, std::uint64_t at,
                     std::uint32_t length, Image& image) {
    if (length > kMaxKnownChunk) return ReadError::BadChunk;
    std::vector<unsigned char> body(length);
    if (!source.ReadAt(at, body)) return ReadError::ChunkPastEnd;
    return chunk.parse(body, image.chunkOffset, image);
}

// Offsets are 64-bit and only ever move forward, so a length that would wrap
// a 32-bit position back onto an earlier chunk just runs past the end.
ReadError WalkChunks(const ByteSource& source, std::uint64_t chainEnd, Image& image) {
    std::uint64_t at = image.chunkOffset, knownBytes = 0;
    for (int count = 0; count < kMaxChunks; ++count) {
        std::array<unsigned char, kChunkHeader> header{};
        if (chainEnd - at < kChunkHeader || !source.ReadAt(at, header)) return ReadError::NoEndChunk;
        const std::string_view id(reinterpret_cast<const char*>(header.data()), 4);
        if (id == "END!") return ReadError::None;
        const std::uint32_t length = BigEndian32(header, 4);
        at += kChunkHeader;
        if (length > chainEnd - at) return ReadError::ChunkPastEnd;
        if (const KnownChunk* known = FindChunk(id)) {
            knownBytes += length;
            if (knownBytes > kMaxKnownBytes) return ReadError::TooManyChunks;
            if (const ReadError error = ParseChunk(source, *known, at, length, image);
                error != ReadError::None) {
                return error;
            }
        }
        at += length;
    }
    return ReadError::TooManyChunks;
}

}  // namespace

ReadResult ReadNrg(const ByteSource& source) {
    ReadResult result;
    const auto footer = detail::ReadFooter(source);
    if (!footer) {
        result.error = ReadError::NoFooter;
        return result;
    }
    const std::uint64_t chainEnd = source.Size() - footer->length;
    result.image.version = footer->version;
    result.image.chunkOffset = footer->chunkOffset;
    if (footer->chunkOffset >= chainEnd) {
        result.error = ReadError::BadChunkOffset;
        return result;
    }
    result.error = WalkChunks(source, chainEnd, result.image);
    return result;
}

}  // namespace nrg
