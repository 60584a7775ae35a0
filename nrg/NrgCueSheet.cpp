// The cue sheet and the small disc-wide chunks.
#include "nrg/BigEndian.h"
#include "nrg/NrgChunks.h"

namespace nrg::detail {
namespace {

constexpr std::size_t kCueEntry = 8;
constexpr std::int32_t kPregapSectors = 150;  // address 00:00:00 lies 150 sectors before sector 0

int FromBcd(unsigned char value) { return (value >> 4) * 10 + (value & 0x0F); }

}  // namespace

// Entries as a drive's cue sheet has them: control and ADR, track and index
// (BCD; track 0xAA is the lead-out), a zero byte, then the position: a
// signed sector number in "CUEX", minutes, seconds and frames in "CUES".
ReadError ParseCueSheet(Body body, bool wide, Image& image) {
    if (body.size() % kCueEntry != 0) return ReadError::BadChunk;
    for (std::size_t at = 0; at < body.size(); at += kCueEntry) {
        const Body entry = body.subspan(at, kCueEntry);
        CueEntry cue;
        cue.controlAdr = entry[0];
        cue.track = entry[1] == 0xAA ? 0xAA : FromBcd(entry[1]);
        cue.index = FromBcd(entry[2]);
        if (wide) {
            cue.lba = static_cast<std::int32_t>(BigEndian32(entry, 4));
        } else {
            cue.lba = (entry[5] * 60 + entry[6]) * 75 + entry[7] - kPregapSectors;
        }
        image.cueSheet.push_back(cue);
    }
    return ReadError::None;
}

ReadError ParseSessionInfo(Body body, Image& image) {
    if (body.size() < 4) return ReadError::BadChunk;
    image.sessionTrackCounts.push_back(BigEndian32(body, 0));
    return ReadError::None;
}

ReadError ParseMediaType(Body body, Image& image) {
    if (body.size() < 4) return ReadError::BadChunk;
    image.mediaType = BigEndian32(body, 0);
    return ReadError::None;
}

}  // namespace nrg::detail
