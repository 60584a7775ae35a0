// What an NRG image holds, read from its footer and the chain of chunks the
// footer points to: the tracks with their modes, sector sizes, offsets and
// lengths, the cue sheet, the sessions and the media type.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "nrg/ByteSource.h"

namespace nrg {

// "NERO" ends images with 32-bit numbers, "NER5" those with 64-bit ones.
enum class FooterVersion { Nero, Ner5 };

enum class TrackKind { Mode1, Mode2, Audio, Unknown };

struct Track {
    int number = 0;
    std::uint32_t mode = 0;  // the image's own code, see TrackKindOf
    TrackKind kind = TrackKind::Unknown;
    std::uint32_t sectorSize = 0;
    std::uint64_t pregapOffset = 0;  // where index 0 starts; offset when there is none
    std::uint64_t offset = 0;        // where index 1, the track's data, starts
    std::uint64_t length = 0;        // bytes from offset to the end of the track
};

struct CueEntry {
    std::uint8_t controlAdr = 0;  // 0x40 set on data tracks
    int track = 0;                // 0 before the first track, 0xAA the lead-out
    int index = 0;
    std::int32_t lba = 0;  // sectors, -150 where the disc's pregap starts
};

struct Image {
    FooterVersion version = FooterVersion::Ner5;
    std::uint64_t chunkOffset = 0;  // first chunk; track data lies before it
    std::vector<Track> tracks;
    std::vector<CueEntry> cueSheet;
    std::vector<std::uint32_t> sessionTrackCounts;
    std::optional<std::uint32_t> mediaType;
};

enum class ReadError {
    None,
    NoFooter,        // neither "NER5" nor "NERO" at the end: not an NRG, or cut short
    BadChunkOffset,  // the footer points outside the chunk area
    ChunkPastEnd,    // a chunk's length runs past the footer
    NoEndChunk,      // the chain stops without "END!"
    TooManyChunks,   // more chunks, or more bytes in them, than any disc needs
    BadChunk,        // a known chunk whose contents do not fit its layout
    TrackOutside,    // a track's bytes lie outside the data before the chunks
};

struct ReadResult {
    ReadError error = ReadError::None;
    Image image;
};

ReadResult ReadNrg(const ByteSource& source);

// Kind and sector size of a track-mode code; sector size 0 for unknown codes.
struct ModeInfo {
    TrackKind kind;
    std::uint32_t sectorSize;
};
ModeInfo TrackKindOf(std::uint32_t mode);

}  // namespace nrg
