#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "nrg/NrgImage.h"
#include "tests/nrg/NrgBuilder.h"

namespace nrgtest {
namespace {

using nrg::ReadError;

// One track a line: number kind/sector size pregap..offset+length.
std::string Describe(const nrg::Image& image) {
    static const char* const kKinds[] = {"Mode1", "Mode2", "Audio", "Unknown"};
    std::string text;
    for (const nrg::Track& t : image.tracks) {
        text += std::to_string(t.number) + " " + kKinds[static_cast<int>(t.kind)] + "/" +
                std::to_string(t.sectorSize) + " " + std::to_string(t.pregapOffset) + ".." +
                std::to_string(t.offset) + "+" + std::to_string(t.length) + "\n";
    }
    return text;
}

nrg::ReadResult Read(const Bytes& bytes) { return nrg::ReadNrg(nrg::MemorySource(bytes)); }

const Version v1 = Version::Nero, v2 = Version::Ner5;
const Bytes kData(16384, 0);

Bytes Dao(Version v, const std::vector<TrackSpec>& tracks) { return Image(v, kData, {DaoChunk(v, tracks)}); }
Bytes Chunks(const std::vector<Bytes>& chunks) { return Image(v2, kData, chunks); }
// The image with its last `cut` bytes replaced by `tail`.
Bytes Edited(Bytes bytes, std::size_t cut, const Bytes& tail = {}) {
    bytes.resize(bytes.size() - cut);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

TEST(ReadNrg, ImagesAndDamage) {
    const Bytes loop = {'E', 'T', 'N', '2', 0xFF, 0xFF, 0xFF, 0xF8};  // wraps a 32-bit position back here
    const struct {
        const char* what;
        Bytes image;
        ReadError error;
        std::string tracks;  // when it reads
    } cases[] = {
        {"v2, a data track after its pregap", Dao(v2, {{0, 2048, 0, 4096, 16384}}), ReadError::None,
         "1 Mode1/2048 0..4096+12288\n"},
        {"v1, the same in 32 bits", Dao(v1, {{0, 2048, 0, 4096, 16384}}), ReadError::None,
         "1 Mode1/2048 0..4096+12288\n"},
        {"audio only", Dao(v2, {{7, 2352, 0, 2352, 9408}, {7, 2352, 9408, 11760, 14112}}), ReadError::None,
         "1 Audio/2352 0..2352+7056\n2 Audio/2352 9408..11760+2352\n"},
        {"data, then audio", Dao(v2, {{0, 2048, 0, 2048, 8192}, {7, 2352, 8192, 8192, 15248}}),
         ReadError::None, "1 Mode1/2048 0..2048+6144\n2 Audio/2352 8192..8192+7056\n"},
        {"Mode 2", Dao(v2, {{3, 2336, 0, 2336, 11680}}), ReadError::None, "1 Mode2/2336 0..2336+9344\n"},
        {"v1 track-at-once", Image(v1, kData, {TaoChunk(v1, {{0, 2048, 0, 0, 8192}})}), ReadError::None,
         "1 Mode1/2048 0..0+8192\n"},
        {"v2 track-at-once", Chunks({TaoChunk(v2, {{0, 2048, 0, 0, 8192}, {6, 2352, 0, 8192, 12896}})}),
         ReadError::None, "1 Mode1/2048 0..0+8192\n2 Mode2/2352 8192..8192+4704\n"},
        {"unknown chunks are stepped over",
         Chunks({Chunk("CDTX", Bytes(144, 0x8F)), DaoChunk(v2, {{0, 2048, 0, 0, 2048}})}), ReadError::None,
         "1 Mode1/2048 0..0+2048\n"},
        {"empty file", {}, ReadError::NoFooter, ""},
        {"no footer", kData, ReadError::NoFooter, ""},
        {"footer cut short", Edited(Dao(v2, {{0, 2048, 0, 0, 2048}}), 3), ReadError::NoFooter, ""},
        {"only a footer tag", {'N', 'E', 'R', '5'}, ReadError::NoFooter, ""},
        {"footer pointing at itself", Edited(kData, 0, Footer(v2, kData.size())), ReadError::BadChunkOffset,
         ""},
        {"footer pointing past the file", Edited(Image(v1, kData, {}), 4, {0xFF, 0xFF, 0xFF, 0xF0}),
         ReadError::BadChunkOffset, ""},
        {"chunk length past the end", Chunks({Edited(Chunk("DAOX", Bytes(40, 0)), 41, {200})}),
         ReadError::ChunkPastEnd, ""},
        {"chunk loop", Chunks({loop}), ReadError::ChunkPastEnd, ""},
        {"chain without END!",
         Edited(kData, 0, Edited(Chunk("SINF", {0, 0, 0, 1}), 0, Footer(v2, kData.size()))),
         ReadError::NoEndChunk, ""},
        {"endless empty chunks", Chunks(std::vector<Bytes>(2000, Chunk("ZERO", {}))),
         ReadError::TooManyChunks, ""},
        {"more chunk bytes than a disc needs", Chunks(std::vector<Bytes>(20, Chunk("CUEX", Bytes(60000, 0)))),
         ReadError::TooManyChunks, ""},
        {"a known chunk too large to read", Chunks({Chunk("CUEX", Bytes(70000, 0))}), ReadError::BadChunk,
         ""},
        {"DAOX shorter than its header", Chunks({Chunk("DAOX", Bytes(10, 0))}), ReadError::BadChunk, ""},
        {"cue sheet with a partial entry", Chunks({Chunk("CUEX", Bytes(12, 0))}), ReadError::BadChunk, ""},
        {"track ending in the chunks", Dao(v2, {{0, 2048, 0, 0, 16385}}), ReadError::TrackOutside, ""},
        {"index 1 before index 0", Dao(v2, {{0, 2048, 4096, 2048, 8192}}), ReadError::TrackOutside, ""},
    };
    for (const auto& c : cases) {
        const nrg::ReadResult result = Read(c.image);
        EXPECT_EQ(result.error, c.error) << c.what;
        if (c.error == ReadError::None) {
            EXPECT_EQ(Describe(result.image), c.tracks) << c.what;
        }
    }
}

// Two cue entries, track 12 (BCD) index 1 at sector 0 and the lead-out at
// sector 4500: a sector number in "CUEX", minutes, seconds, frames in "CUES".
TEST(ReadNrg, CueSheetSessionsAndMediaType) {
    const Bytes cuex = {0x41, 0x12, 1, 0, 0, 0, 0, 0, 0x01, 0xAA, 1, 0, 0, 0, 0x11, 0x94};
    const Bytes cues = {0x41, 0x12, 1, 0, 0, 0, 2, 0, 0x01, 0xAA, 1, 0, 0, 1, 2, 0};
    for (const auto& [version, id, body] : {std::tuple{v2, "CUEX", cuex}, std::tuple{v1, "CUES", cues}}) {
        const nrg::ReadResult result = Read(Image(
            version, kData, {Chunk(id, body), Chunk("SINF", {0, 0, 0, 2}), Chunk("MTYP", {0, 0, 0, 1})}));
        ASSERT_EQ(result.error, ReadError::None) << id;
        ASSERT_EQ(result.image.cueSheet.size(), 2u) << id;
        const nrg::CueEntry &track = result.image.cueSheet[0], &leadOut = result.image.cueSheet[1];
        EXPECT_EQ(std::tuple(track.controlAdr, track.track, track.index, track.lba),
                  std::tuple(0x41, 12, 1, 0))
            << id;
        EXPECT_EQ(std::tuple(leadOut.track, leadOut.lba), std::tuple(0xAA, 4500)) << id;
        EXPECT_EQ(result.image.sessionTrackCounts, std::vector<std::uint32_t>{2}) << id;
        EXPECT_EQ(result.image.mediaType, 1u) << id;
        EXPECT_EQ(result.image.version, version == v2 ? nrg::FooterVersion::Ner5 : nrg::FooterVersion::Nero);
    }
}

// The shared real-world image: two audio tracks written disc-at-once.
TEST(ReadNrg, ARealAudioImageFromDisk) {
    const char* source = std::getenv("CORVALMIRE_SOURCE");
    std::filesystem::path path = std::filesystem::path(source ? source : ".") / "../shared/testdata/p1.nrg";
    if (!std::filesystem::exists(path)) path = "/work/shared/testdata/p1.nrg";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "the shared test data is not on this machine";
    const nrg::ReadResult result = nrg::ReadNrg(nrg::FileSource(path.string()));
    ASSERT_EQ(result.error, ReadError::None);
    EXPECT_EQ(result.image.chunkOffset, 1063104u);
    EXPECT_EQ(Describe(result.image), "1 Audio/2352 0..705600+176400\n2 Audio/2352 882000..1058400+4704\n");
    EXPECT_EQ(result.image.cueSheet.size(), 6u);
    EXPECT_EQ(nrg::ReadNrg(nrg::FileSource("/nonexistent/image.nrg")).error, ReadError::NoFooter);
}

}  // namespace
}  // namespace nrgtest
