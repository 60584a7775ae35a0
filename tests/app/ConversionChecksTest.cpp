// The checks around a run: warnings from an image's tracks, the verdict on
// the ISO written, and setting a failed one aside. Files are made here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/ConversionReport.h"
#include "app/ConversionTexts.h"
#include "app/ImageWarnings.h"
#include "app/IsoCheck.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using nrg::TrackKind;

nrg::ReadResult WithTracks(std::vector<std::tuple<TrackKind, std::uint32_t, std::uint64_t>> tracks) {
    nrg::ReadResult result;
    for (const auto& [kind, sectorSize, offset] : tracks) {
        nrg::Track track;
        track.kind = kind;
        track.sectorSize = sectorSize;
        track.offset = offset;
        result.image.tracks.push_back(track);
    }
    return result;
}

TEST(ImageWarnings, SayWhatTheConverterGetsWrong) {
    const std::string noData = "Attenzione: nessuna traccia dati Mode 1 da 2048 byte, l'ISO non sarà valida.";
    nrg::ReadResult broken;
    broken.error = nrg::ReadError::ChunkPastEnd;
    const struct {
        const char* what;
        nrg::ReadResult image;
        std::vector<std::string> lines;
    } cases[] = {
        {"a data CD as the converter expects it", WithTracks({{TrackKind::Mode1, 2048, 307200}}), {}},
        {"no footer or a broken chain", broken, {"Attenzione: formato NRG non riconosciuto."}},
        {"no tracks at all", WithTracks({}), {noData}},
        {"audio only",
         WithTracks({{TrackKind::Audio, 2352, 705600}, {TrackKind::Audio, 2352, 1058400}}),
         {noData, "Attenzione: 2 tracce audio, nrg2iso le copierà nell'ISO come dati."}},
        {"data, then audio",
         WithTracks({{TrackKind::Mode1, 2048, 307200}, {TrackKind::Audio, 2352, 900000}}),
         {"Attenzione: 1 traccia audio, nrg2iso la copierà nell'ISO come dati."}},
        {"Mode 2 only",
         WithTracks({{TrackKind::Mode2, 2336, 350400}}),
         {noData, "Attenzione: 1 traccia Mode 2, nrg2iso la copierà nell'ISO come Mode 1."}},
        {"raw Mode 1 sectors are no ISO data", WithTracks({{TrackKind::Mode1, 2352, 352800}}), {noData}},
        {"data written track-at-once, from the start",
         WithTracks({{TrackKind::Mode1, 2048, 0}}),
         {"Attenzione: i dati iniziano al byte 0 e non al byte 307.200 dove li cerca nrg2iso, l'ISO non sarà "
          "valida."}},
        {"the first data track decides the offset",
         WithTracks({{TrackKind::Mode1, 2048, 307200}, {TrackKind::Mode1, 2048, 1048576}}),
         {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ImageWarnings(c.image), c.lines) << c.what;
}

TEST(ConversionTexts, NumbersAreGroupedByThousands) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1.000"}, {358400, "358.400"}, {4700000000, "4.700.000.000"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(texts::GroupedNumber(value), text);
}

class ResultFiles : public ::testing::Test {
protected:
    ResultFiles() { fs::create_directories(folder_); }
    ~ResultFiles() override { fs::remove_all(folder_); }

    // A file whose sector 16 is a primary volume descriptor declaring
    // `blocks` sectors of `blockSize` bytes; `size` bytes long.
    std::string Iso(const std::string& name, std::uint32_t blocks, std::size_t size,
                    std::uint16_t blockSize = 2048, unsigned char version = 1) const {
        std::vector<unsigned char> bytes(std::max<std::size_t>(size, 34816), 0);
        unsigned char* d = &bytes[32768];
        d[0] = 1;
        std::copy_n("CD001", 5, d + 1);
        d[6] = version;
        std::fill_n(d + 40, 32, ' ');
        std::copy_n("CORVAL", 6, d + 40);
        for (int i = 0; i < 4; ++i) d[80 + i] = d[87 - i] = static_cast<unsigned char>(blocks >> (8 * i));
        for (int i = 0; i < 2; ++i)
            d[128 + i] = d[131 - i] = static_cast<unsigned char>(blockSize >> (8 * i));
        bytes.resize(size);
        return Write(name, bytes);
    }
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.string();
    }
    static std::vector<unsigned char> Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_ = fs::temp_directory_path() / ("corvalmire-result-" + std::to_string(::getpid()));
};

TEST_F(ResultFiles, TheVerdictReadsTheVolumeDescriptor) {
    using Kind = IsoVerdict::Kind;
    const struct {
        const char* what;
        std::string path;
        Kind kind;
        std::uint64_t fileSize, volumeSize;
    } cases[] = {
        {"exactly the declared size", Iso("a.iso", 20, 40960), Kind::Valid, 40960, 40960},
        {"512-byte blocks", Iso("c.iso", 80, 40960, 512), Kind::Valid, 40960, 40960},
        {"cut short", Iso("d.iso", 40, 40960), Kind::Truncated, 40960, 81920},
        {"cut inside the descriptor", Iso("e.iso", 20, 33000), Kind::NotIso9660, 33000, 0},
        {"descriptor version 2", Iso("f.iso", 20, 40960, 2048, 2), Kind::NotIso9660, 40960, 0},
        {"block size 3000", Iso("g.iso", 20, 61440, 3000), Kind::NotIso9660, 61440, 0},
        {"a folder", folder_.string(), Kind::Missing, 0, 0},
    };
    for (const auto& c : cases) {
        const IsoVerdict verdict = CheckIso(c.path);
        EXPECT_EQ(verdict.kind, c.kind) << c.what;
        EXPECT_EQ(verdict.fileSize, c.fileSize) << c.what;
        if (c.kind == Kind::Valid || c.kind == Kind::Truncated) {
            EXPECT_EQ(verdict.volumeSize, c.volumeSize) << c.what;
            EXPECT_EQ(verdict.label, "CORVAL") << c.what;
        }
    }
    // The two halves of a both-endian number disagree.
    std::vector<unsigned char> bytes = Bytes(Iso("i.iso", 20, 40960));
    bytes[32768 + 87] = 21;
    EXPECT_EQ(CheckIso(Write("i.iso", bytes)).kind, Kind::NotIso9660);
}

TEST_F(ResultFiles, AFailedNewIsoIsSetAsideAndNothingIsReplaced) {
    const std::string truncated =
        "ISO non valida: il file è troncato, 40.960 byte dei 81.920 dichiarati (disco "
        "pieno o conversione interrotta).";
    const std::string first = Iso("x.iso", 40, 40960);
    const auto firstBytes = Bytes(first);
    EXPECT_EQ(ReportOnResult(first, false), truncated + " Rinominato in x.iso.incompleto.");
    EXPECT_FALSE(PathTaken(first));
    EXPECT_EQ(Bytes(first + ".incompleto"), firstBytes);

    // The next failure finds that name taken and leaves it alone.
    Iso("x.iso", 40, 40960);
    std::ofstream(first + ".incompleto", std::ios::app) << "!";
    EXPECT_EQ(ReportOnResult(first, false), truncated + " Rinominato in x.iso.incompleto.2.");
    EXPECT_EQ(Bytes(first + ".incompleto").size(), firstBytes.size() + 1);

    // A file that was there before the run keeps its name.
    Iso("x.iso", 40, 40960);
    EXPECT_EQ(ReportOnResult(first, true), truncated);
    EXPECT_TRUE(PathTaken(first));
}

}  // namespace
}  // namespace app
