// Track lists: "DAOI"/"DAOX" for images written disc-at-once, "ETNF"/"ETN2"
// for those written track-at-once. The version-2 chunks widen every offset
// and length from 32 to 64 bits; nothing else changes.
#include "nrg/BigEndian.h"
#include "nrg/NrgChunks.h"

namespace nrg {

ModeInfo TrackKindOf(std::uint32_t mode) {
    switch (mode) {
        case 0x00: return {TrackKind::Mode1, 2048};
        case 0x02: return {TrackKind::Mode2, 2048};  // form 1, user data only
        case 0x03: return {TrackKind::Mode2, 2336};
        case 0x05: return {TrackKind::Mode1, 2352};  // raw sectors
        case 0x06: return {TrackKind::Mode2, 2352};
        case 0x07: return {TrackKind::Audio, 2352};
        case 0x0F: return {TrackKind::Mode1, 2448};  // raw, with subchannel data
        case 0x10: return {TrackKind::Audio, 2448};
        case 0x11: return {TrackKind::Mode2, 2448};
        default: return {TrackKind::Unknown, 0};
    }
}

namespace detail {
namespace {

constexpr std::size_t kDaoHeader = 22;  // size again, UPC (14), TOC type (2), first and last track
constexpr int kMaxTrackNumber = 99;

std::uint64_t Number(Body body, std::size_t at, bool wide) {
    return wide ? BigEndian64(body, at) : BigEndian32(body, at);
}

ReadError AddTrack(Track track, std::uint64_t dataEnd, Image& image) {
    const bool inside = track.pregapOffset <= track.offset && track.offset <= dataEnd &&
                        track.length <= dataEnd - track.offset;
    if (!inside) return ReadError::TrackOutside;
    image.tracks.push_back(track);
    return ReadError::None;
}

}  // namespace

// Each disc-at-once entry: ISRC (12), sector size (2), mode (1) and three
// unknown bytes, then where index 0, index 1 and the track's end lie.
ReadError ParseDiscAtOnce(Body body, bool wide, std::uint64_t dataEnd, Image& image) {
    const std::size_t entrySize = 18 + 3 * (wide ? 8 : 4);
    if (body.size() < kDaoHeader) return ReadError::BadChunk;
    const int first = body[20], last = body[21];
    if (first < 1 || last < first || last > kMaxTrackNumber) return ReadError::BadChunk;
    const std::size_t count = static_cast<std::size_t>(last - first + 1);
    if (body.size() < kDaoHeader + count * entrySize) return ReadError::BadChunk;
    for (std::size_t i = 0; i < count; ++i) {
        const Body entry = body.subspan(kDaoHeader + i * entrySize, entrySize);
        const std::uint64_t index0 = Number(entry, 18, wide);
        const std::uint64_t index1 = Number(entry, wide ? 26 : 22, wide);
        const std::uint64_t end = Number(entry, wide ? 34 : 26, wide);
        if (end < index1) return ReadError::TrackOutside;
        Track track;
        track.number = first + static_cast<int>(i);
        track.mode = entry[14];
        track.kind = TrackKindOf(track.mode).kind;
        track.sectorSize = BigEndian16(entry, 12);
        track.pregapOffset = index0;
        track.offset = index1;
        track.length = end - index1;
        if (const ReadError error = AddTrack(track, dataEnd, image); error != ReadError::None) return error;
    }
    return ReadError::None;
}

// Each track-at-once entry: offset, length, mode (4), start sector (4) and
// four unknown bytes.
ReadError ParseTrackAtOnce(Body body, bool wide, std::uint64_t dataEnd, Image& image) {
    const std::size_t entrySize = 12 + 2 * (wide ? 8 : 4);
    if (body.size() % entrySize != 0 || body.size() / entrySize > kMaxTrackNumber) {
        return ReadError::BadChunk;
    }
    for (std::size_t at = 0; at < body.size(); at += entrySize) {
        const Body entry = body.subspan(at, entrySize);
        Track track;
        track.number = static_cast<int>(image.tracks.size()) + 1;
        track.offset = track.pregapOffset = Number(entry, 0, wide);
        track.length = Number(entry, wide ? 8 : 4, wide);
        track.mode = BigEndian32(entry, wide ? 16 : 8);
        const ModeInfo info = TrackKindOf(track.mode);
        track.kind = info.kind;
        track.sectorSize = info.sectorSize;
        if (const ReadError error = AddTrack(track, dataEnd, image); error != ReadError::None) return error;
    }
    return ReadError::None;
}

}  // namespace detail
}  // namespace nrg
