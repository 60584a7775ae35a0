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

const char* KindName(nrg::TrackKind kind) {
    switch (kind) {
        case nrg::TrackKind::Mode1: return "Mode1";
        case nrg::TrackKind::Mode2: return "Mode2";
        case nrg::TrackKind::Audio: return "Audio";
        default: return "Unknown";
    }
}

// One track a line: number kind/sector size pregap..offset+length.
std::string Describe(const nrg::Image& image) {
    std::string text;
    for (const nrg::Track& t : image.tracks) {
        text += std::to_string(t.number) + " " + KindName(t.kind) + "/" + std::to_string(t.sectorSize) + " " +
                std::to_string(t.pregapOffset) + ".." + std::to_string(t.offset) + "+" +
                std::to_string(t.length) + "\n";
    }
    return text;
}

nrg::ReadResult Read(const Bytes& bytes) { return nrg::ReadNrg(nrg::MemorySource(bytes)); }

const Version v1 = Version::Nero, v2 = Version::Ner5;
const Bytes kData(16384, 0);

struct ImageCase {
    const char* what;
    std::function<Bytes()> make;
    ReadError error;
    std::string tracks;  // when it reads
};

TEST(ReadNrg, ImagesAndDamage) {
    const std::vector<ImageCase> cases = {
        {"v2, one data track after a pregap",
         [] {
             return Image(v2, kData, {DaoChunk(v2, {{0, 2048, 0, 4096, 16384}})});
         },
         ReadError::None, "1 Mode1/2048 0..4096+12288\n"},
        {"v1, the same with 32-bit numbers",
         [] {
             return Image(v1, kData, {DaoChunk(v1, {{0, 2048, 0, 4096, 16384}})});
         },
         ReadError::None, "1 Mode1/2048 0..4096+12288\n"},
        {"audio only",
         [] {
             return Image(v2, kData,
                          {DaoChunk(v2, {{7, 2352, 0, 2352, 9408}, {7, 2352, 9408, 11760, 14112}})});
         },
         ReadError::None, "1 Audio/2352 0..2352+7056\n2 Audio/2352 9408..11760+2352\n"},
        {"mixed: data, then audio",
         [] {
             return Image(v2, kData,
                          {DaoChunk(v2, {{0, 2048, 0, 2048, 8192}, {7, 2352, 8192, 8192, 15248}})});
         },
         ReadError::None, "1 Mode1/2048 0..2048+6144\n2 Audio/2352 8192..8192+7056\n"},
        {"Mode 2",
         [] {
             return Image(v2, kData, {DaoChunk(v2, {{3, 2336, 0, 2336, 11680}})});
         },
         ReadError::None, "1 Mode2/2336 0..2336+9344\n"},
        {"v1 track-at-once",
         [] {
             return Image(v1, kData, {TaoChunk(v1, {{0, 2048, 0, 0, 8192}})});
         },
         ReadError::None, "1 Mode1/2048 0..0+8192\n"},
        {"v2 track-at-once, two tracks",
         [] {
             return Image(v2, kData, {TaoChunk(v2, {{0, 2048, 0, 0, 8192}, {6, 2352, 8192, 8192, 12896}})});
         },
         ReadError::None, "1 Mode1/2048 0..0+8192\n2 Mode2/2352 8192..8192+4704\n"},
        {"unknown chunks are stepped over",
         [] {
             return Image(v2, kData,
                          {Chunk("CDTX", Bytes(144, 0x8F)), DaoChunk(v2, {{0, 2048, 0, 0, 2048}})});
         },
         ReadError::None, "1 Mode1/2048 0..0+2048\n"},
        {"empty file", [] { return Bytes{}; }, ReadError::NoFooter, ""},
        {"no footer at all", [] { return kData; }, ReadError::NoFooter, ""},
        {"footer cut short",
         [] {
             Bytes b = Image(v2, kData, {DaoChunk(v2, {{0, 2048, 0, 0, 2048}})});
             b.resize(b.size() - 3);
             return b;
         },
         ReadError::NoFooter, ""},
        {"only a footer tag",
         [] {
             return Bytes{'N', 'E', 'R', '5'};
         },
         ReadError::NoFooter, ""},
        {"footer points at itself",
         [] {
             Bytes b = kData;
             const Bytes footer = Footer(v2, b.size());
             b.insert(b.end(), footer.begin(), footer.end());
             return b;
         },
         ReadError::BadChunkOffset, ""},
        {"footer points past the file",
         [] {
             Bytes b = Image(v1, kData, {});
             b.resize(b.size() - 4);
             PutBigEndian(b, 0xFFFFFFF0, 4);
             return b;
         },
         ReadError::BadChunkOffset, ""},
        {"chunk length past the end",
         [] {
             Bytes chunk = Chunk("DAOX", Bytes(40, 0));
             chunk[7] = 200;
             return Image(v2, kData, {chunk});
         },
         ReadError::ChunkPastEnd, ""},
        {"chunk loop: a length that wraps a 32-bit position back to the chunk",
         [] {
             Bytes chunk = Chunk("ETN2", {});
             chunk.resize(4);
             PutBigEndian(chunk, 0xFFFFFFF8, 4);
             return Image(v2, kData, {chunk});
         },
         ReadError::ChunkPastEnd, ""},
        {"chain without END!",
         [] {
             Bytes b = kData;
             const Bytes chunk = Chunk("SINF", {0, 0, 0, 1}), footer = Footer(v2, b.size());
             b.insert(b.end(), chunk.begin(), chunk.end());
             b.insert(b.end(), footer.begin(), footer.end());
             return b;
         },
         ReadError::NoEndChunk, ""},
        {"endless empty chunks", [] { return Image(v2, kData, std::vector<Bytes>(2000, Chunk("ZERO", {}))); },
         ReadError::TooManyChunks, ""},
        {"more chunk bytes than any disc needs",
         [] { return Image(v2, kData, std::vector<Bytes>(20, Chunk("CUEX", Bytes(60000, 0)))); },
         ReadError::TooManyChunks, ""},
        {"a known chunk too large to read", [] { return Image(v2, kData, {Chunk("CUEX", Bytes(70000, 0))}); },
         ReadError::BadChunk, ""},
        {"DAOX shorter than its header", [] { return Image(v2, kData, {Chunk("DAOX", Bytes(10, 0))}); },
         ReadError::BadChunk, ""},
        {"cue sheet of a partial entry", [] { return Image(v2, kData, {Chunk("CUEX", Bytes(12, 0))}); },
         ReadError::BadChunk, ""},
        {"track ending in the chunks",
         [] {
             return Image(v2, kData, {DaoChunk(v2, {{0, 2048, 0, 0, 16385}})});
         },
         ReadError::TrackOutside, ""},
        {"index 1 before index 0",
         [] {
             return Image(v2, kData, {DaoChunk(v2, {{0, 2048, 4096, 2048, 8192}})});
         },
         ReadError::TrackOutside, ""},
    };
    for (const ImageCase& c : cases) {
        const nrg::ReadResult result = Read(c.make());
        EXPECT_EQ(result.error, c.error) << c.what;
        if (c.error == ReadError::None) {
            EXPECT_EQ(Describe(result.image), c.tracks) << c.what;
        }
    }
}

TEST(ReadNrg, CueSheetSessionsAndMediaType) {
    Bytes cuex, cues;
    for (const auto& [control, track, index, lba] : std::vector<std::tuple<int, int, int, int>>{
             {0x41, 0x01, 0, -150}, {0x41, 0x12, 1, 0}, {0x01, 0xAA, 1, 4500}}) {
        cuex.insert(cuex.end(), {static_cast<unsigned char>(control), static_cast<unsigned char>(track),
                                 static_cast<unsigned char>(index), 0});
        PutBigEndian(cuex, static_cast<std::uint32_t>(lba), 4);
        const int address = lba + 150;  // minutes, seconds, frames from 00:00:00
        cues.insert(
            cues.end(),
            {static_cast<unsigned char>(control), static_cast<unsigned char>(track),
             static_cast<unsigned char>(index), 0, 0, static_cast<unsigned char>(address / 4500),
             static_cast<unsigned char>(address / 75 % 60), static_cast<unsigned char>(address % 75)});
    }
    for (const auto& [version, id, body] : {std::tuple{v2, "CUEX", cuex}, std::tuple{v1, "CUES", cues}}) {
        const nrg::ReadResult result = Read(Image(
            version, kData, {Chunk(id, body), Chunk("SINF", {0, 0, 0, 2}), Chunk("MTYP", {0, 0, 0, 1})}));
        ASSERT_EQ(result.error, ReadError::None) << id;
        ASSERT_EQ(result.image.cueSheet.size(), 3u) << id;
        const nrg::CueEntry& second = result.image.cueSheet[1];
        EXPECT_EQ(second.controlAdr, 0x41) << id;
        EXPECT_EQ(second.track, 12) << id << ": BCD";
        EXPECT_EQ(second.index, 1) << id;
        EXPECT_EQ(second.lba, 0) << id;
        EXPECT_EQ(result.image.cueSheet[0].lba, -150) << id;
        EXPECT_EQ(result.image.cueSheet[2].track, 0xAA) << id;
        EXPECT_EQ(result.image.cueSheet[2].lba, 4500) << id;
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
    const nrg::FileSource file(path.string());
    ASSERT_TRUE(file.IsOpen());
    const nrg::ReadResult result = nrg::ReadNrg(file);
    ASSERT_EQ(result.error, ReadError::None);
    EXPECT_EQ(result.image.version, nrg::FooterVersion::Ner5);
    EXPECT_EQ(result.image.chunkOffset, 1063104u);
    EXPECT_EQ(Describe(result.image), "1 Audio/2352 0..705600+176400\n2 Audio/2352 882000..1058400+4704\n");
    EXPECT_EQ(result.image.cueSheet.size(), 6u);
    EXPECT_EQ(result.image.sessionTrackCounts, std::vector<std::uint32_t>{2});
}

TEST(ReadNrg, AMissingFileReadsAsNoFooter) {
    const nrg::FileSource file("/nonexistent/image.nrg");
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(nrg::ReadNrg(file).error, ReadError::NoFooter);
}

}  // namespace
}  // namespace nrgtest
