#include "app/ImageWarnings.h"

#include <algorithm>

#include "app/ConversionTexts.h"

namespace app {
namespace {

bool IsIsoData(const nrg::Track& track) {
    return track.kind == nrg::TrackKind::Mode1 && track.sectorSize == 2048;
}

std::size_t CountOf(const nrg::Image& image, nrg::TrackKind kind) {
    return static_cast<std::size_t>(std::count_if(image.tracks.begin(), image.tracks.end(),
                                                  [kind](const nrg::Track& t) { return t.kind == kind; }));
}

}  // namespace

std::vector<std::string> ImageWarnings(const nrg::ReadResult& result) {
    if (result.error != nrg::ReadError::None) return {texts::WarningUnrecognised()};
    const nrg::Image& image = result.image;
    std::vector<std::string> warnings;
    const auto data = std::find_if(image.tracks.begin(), image.tracks.end(), IsIsoData);
    if (data == image.tracks.end()) warnings.push_back(texts::WarningNoDataTrack());
    if (const std::size_t audio = CountOf(image, nrg::TrackKind::Audio)) {
        warnings.push_back(texts::WarningAudioTracks(audio));
    }
    if (const std::size_t mode2 = CountOf(image, nrg::TrackKind::Mode2)) {
        warnings.push_back(texts::WarningMode2Tracks(mode2));
    }
    if (data != image.tracks.end() && data->offset != kConverterDataOffset) {
        warnings.push_back(texts::WarningDataOffset(data->offset, kConverterDataOffset));
    }
    return warnings;
}

std::vector<std::string> ImageWarningsForFile(const std::string& path) {
    const nrg::FileSource file(path);
    if (!file.IsOpen()) return {texts::WarningUnreadable()};
    return ImageWarnings(nrg::ReadNrg(file));
}

}  // namespace app
