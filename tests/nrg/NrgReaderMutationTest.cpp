// Seeded random damage to well-formed images: 100,000 inputs, each read to
// an answer within the file. Runs under the sanitizers with the rest of the
// suite; the fixed seed makes any failure reproducible.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string_view>

#include "nrg/NrgImage.h"
#include "tests/nrg/NrgBuilder.h"

namespace nrgtest {
namespace {

using nrg::ReadError;

std::vector<Bytes> Seeds() {
    const Bytes data(512, 0x5A), cue = {0x41, 0x01, 0x01, 0, 0, 0, 0, 0}, one = {0, 0, 0, 1};
    const Version v1 = Version::Nero, v2 = Version::Ner5;
    return {
        Image(v2, data,
              {Chunk("CUEX", cue), DaoChunk(v2, {{0, 2048, 0, 64, 256}, {7, 2352, 256, 300, 512}}),
               Chunk("SINF", one), Chunk("MTYP", one)}),
        Image(v1, data, {Chunk("CUES", cue), DaoChunk(v1, {{3, 2336, 0, 0, 400}}), Chunk("SINF", one)}),
        Image(v2, data,
              {Chunk("CDTX", Bytes(40, 0x80)), TaoChunk(v2, {{0, 2048, 0, 0, 200}, {7, 2352, 0, 200, 500}})}),
        Image(v1, data, {TaoChunk(v1, {{6, 2352, 0, 16, 512}}), Chunk("MTYP", one)}),
    };
}

// One to four of: a flipped bit, an extreme byte, an extreme or chunk-ID
// 32-bit word, a cut, the footer's offset moved, random bytes appended.
void Mutate(Bytes& bytes, std::mt19937& random) {
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const char* const ids[] = {"CUEX", "DAOX", "DAOI", "ETN2", "ETNF", "SINF", "END!", "NER5", "NERO"};
    for (std::size_t count = 1 + pick(4); count > 0 && bytes.size() >= 8; --count) {
        const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
        const std::uint32_t words[] = {0, 8, 0x7FFFFFFF, 0xFFFFFFF8, 0xFFFFFFFF, size, size - 12};
        std::uint32_t word = words[pick(7)];
        std::size_t at = pick(bytes.size() - 3);
        switch (pick(7)) {
            case 0: bytes[at] ^= static_cast<unsigned char>(1 << pick(8)); continue;
            case 1: bytes[at] = "\x00\x01\x7F\x80\xFF"[pick(5)]; continue;
            case 2: break;
            case 3:
                word = 0;
                for (const char c : std::string_view(ids[pick(9)]))
                    word = word << 8 | static_cast<unsigned char>(c);
                break;
            case 4: bytes.resize(at); continue;
            case 5:  // the footer's offset, anywhere in the file
                word = static_cast<std::uint32_t>(pick(size));
                at = size - 4;
                break;
            default:
                for (std::size_t i = 1 + pick(16); i > 0; --i)
                    bytes.push_back(static_cast<unsigned char>(pick(256)));
                continue;
        }
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(word >> (24 - 8 * i));
    }
}

TEST(ReadNrgMutations, EveryDamagedImageGetsAnAnswerWithinTheFile) {
    const std::vector<Bytes> seeds = Seeds();
    std::mt19937 random(20240519);
    std::map<ReadError, int> answers;
    for (int i = 0; i < 100000; ++i) {
        Bytes bytes = seeds[i % seeds.size()];
        Mutate(bytes, random);
        const nrg::ReadResult result = nrg::ReadNrg(nrg::MemorySource(bytes));
        ++answers[result.error];
        if (result.error != ReadError::None) continue;
        ASSERT_LT(result.image.chunkOffset, bytes.size()) << "input " << i;
        for (const nrg::Track& t : result.image.tracks) {
            ASSERT_LE(t.pregapOffset, t.offset) << "input " << i;
            ASSERT_LE(t.offset, result.image.chunkOffset) << "input " << i;
            ASSERT_LE(t.length, result.image.chunkOffset - t.offset) << "input " << i;
        }
    }
    // The damage reached every kind of answer, so every path was walked.
    for (const ReadError error :
         {ReadError::None, ReadError::NoFooter, ReadError::BadChunkOffset, ReadError::ChunkPastEnd,
          ReadError::NoEndChunk, ReadError::BadChunk, ReadError::TrackOutside}) {
        EXPECT_GT(answers[error], 100) << "answer " << static_cast<int>(error);
    }
}

}  // namespace
}  // namespace nrgtest
