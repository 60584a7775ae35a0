// Seeded random damage to well-formed images: 100,000 inputs, each read to
// an answer, every answer within the file. Runs under the sanitizers with
// the rest of the suite; the seed makes any failure reproducible.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

#include "nrg/NrgImage.h"
#include "tests/nrg/NrgBuilder.h"

namespace nrgtest {
namespace {

using nrg::ReadError;

std::vector<Bytes> Seeds() {
    const Bytes data(512, 0x5A);
    const Version v1 = Version::Nero, v2 = Version::Ner5;
    const Bytes cue = {0x41, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
    const Bytes four = {0, 0, 0, 1};
    return {
        Image(v2, data,
              {Chunk("CUEX", cue), DaoChunk(v2, {{0, 2048, 0, 64, 256}, {7, 2352, 256, 300, 512}}),
               Chunk("SINF", four), Chunk("MTYP", four)}),
        Image(v1, data, {Chunk("CUES", cue), DaoChunk(v1, {{3, 2336, 0, 0, 400}}), Chunk("SINF", four)}),
        Image(v2, data,
              {Chunk("CDTX", Bytes(40, 0x80)), TaoChunk(v2, {{0, 2048, 0, 0, 200}, {7, 2352, 0, 200, 500}})}),
        Image(v1, data, {TaoChunk(v1, {{6, 2352, 0, 16, 512}}), Chunk("MTYP", four)}),
    };
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    void Mutate(Bytes& bytes) {
        const int count = Pick(1, 4);
        for (int i = 0; i < count && !bytes.empty(); ++i) MutateOnce(bytes);
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::size_t At(const Bytes& bytes, std::size_t width) {
        return bytes.size() <= width
                   ? 0
                   : static_cast<std::size_t>(Pick(0, static_cast<int>(bytes.size() - width)));
    }

    void Put32(Bytes& bytes, std::uint32_t value) {
        if (bytes.size() < 4) return;
        const std::size_t at = At(bytes, 4);
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
    }

    void MutateOnce(Bytes& bytes) {
        static const std::array<unsigned char, 5> kBytes = {0x00, 0x01, 0x7F, 0x80, 0xFF};
        static const std::array<const char*, 11> kIds = {"CUEX", "CUES", "DAOX", "DAOI", "ETN2", "ETNF",
                                                         "SINF", "MTYP", "END!", "NER5", "NERO"};
        const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
        switch (Pick(0, 6)) {
            case 0: bytes[At(bytes, 1)] ^= static_cast<unsigned char>(1 << Pick(0, 7)); break;
            case 1: bytes[At(bytes, 1)] = kBytes[Pick(0, 4)]; break;
            case 2: {
                const std::array<std::uint32_t, 7> values = {0,          8,    0x7FFFFFFF, 0xFFFFFFF8,
                                                             0xFFFFFFFF, size, size - 12};
                Put32(bytes, values[Pick(0, 6)]);
                break;
            }
            case 3: {
                const char* id = kIds[Pick(0, 10)];
                Put32(bytes, static_cast<std::uint32_t>(id[0] << 24 | id[1] << 16 | id[2] << 8 | id[3]));
                break;
            }
            case 4: bytes.resize(At(bytes, 0)); break;
            case 5:  // the footer's offset, anywhere in the file
                if (bytes.size() >= 4) {
                    const std::uint32_t offset = static_cast<std::uint32_t>(Pick(0, static_cast<int>(size)));
                    for (int i = 0; i < 4; ++i)
                        bytes[size - 4 + i] = static_cast<unsigned char>(offset >> (24 - 8 * i));
                }
                break;
            default:
                for (int i = Pick(1, 16); i > 0; --i)
                    bytes.push_back(static_cast<unsigned char>(Pick(0, 255)));
        }
    }

    std::mt19937 random_;
};

TEST(ReadNrgMutations, EveryDamagedImageGetsAnAnswerWithinTheFile) {
    constexpr int kInputs = 100000;
    const std::vector<Bytes> seeds = Seeds();
    Mutator mutator(20240519);
    std::map<ReadError, int> answers;
    for (int i = 0; i < kInputs; ++i) {
        Bytes bytes = seeds[i % seeds.size()];
        mutator.Mutate(bytes);
        const nrg::ReadResult result = nrg::ReadNrg(nrg::MemorySource(bytes));
        ++answers[result.error];
        if (result.error != ReadError::None) continue;
        const nrg::Image& image = result.image;
        ASSERT_LT(image.chunkOffset, bytes.size()) << "input " << i;
        for (const nrg::Track& t : image.tracks) {
            ASSERT_LE(t.pregapOffset, t.offset) << "input " << i;
            ASSERT_LE(t.offset, image.chunkOffset) << "input " << i;
            ASSERT_LE(t.length, image.chunkOffset - t.offset) << "input " << i;
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
