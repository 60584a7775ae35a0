// NRG images made in the test, byte for byte: track data, a chain of chunks
// ending in "END!", and the footer that points at the chain.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace nrgtest {

using Bytes = std::vector<unsigned char>;

// Nero: "NERO" footer and 32-bit chunks (CUES, DAOI, ETNF); Ner5: "NER5" and 64-bit ones.
enum class Version { Nero, Ner5 };

struct TrackSpec {
    std::uint8_t mode;  // 0 Mode 1/2048, 3 Mode 2/2336, 7 audio/2352 ...
    std::uint16_t sectorSize;
    std::uint64_t index0, index1, end;
};

void PutBigEndian(Bytes& out, std::uint64_t value, int bytes);
Bytes Chunk(std::string_view id, const Bytes& body);
Bytes DaoChunk(Version version, const std::vector<TrackSpec>& tracks);
// Track-at-once entries: each track's data runs from index1 to end.
Bytes TaoChunk(Version version, const std::vector<TrackSpec>& tracks);
Bytes Footer(Version version, std::uint64_t chunkOffset);

// The data, the chunks and "END!", then the footer.
Bytes Image(Version version, Bytes data, const std::vector<Bytes>& chunks);

// What a disc-at-once image of a data CD holds: the 150-sector pregap of
// zeros, the ISO, then chunks describing one Mode 1 track of 2048 bytes.
Bytes ImageOfIso(const Bytes& iso);

}  // namespace nrgtest
