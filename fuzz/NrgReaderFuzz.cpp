// The NRG reader over any bytes: an image or an error, never a read past the
// data; every track of an image lies within the data before the chunks.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "nrg/NrgImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nrg::MemorySource source(std::span<const unsigned char>(data, size));
    const nrg::ReadResult result = nrg::ReadNrg(source);
    if (result.error != nrg::ReadError::None) return 0;
    const nrg::Image& image = result.image;
    if (image.chunkOffset >= size) std::abort();
    for (const nrg::Track& track : image.tracks) {
        const bool inside = track.pregapOffset <= track.offset && track.offset <= image.chunkOffset &&
                            track.length <= image.chunkOffset - track.offset;
        if (!inside) std::abort();
    }
    return 0;
}
