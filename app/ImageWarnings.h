// What the converter will get wrong with an image, said before it runs. The
// converter knows nothing of NRG: it copies everything after the first
// 307,200 bytes as if it were 2048-byte Mode 1 sectors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "nrg/NrgImage.h"

namespace app {

// Where the converter expects the data: after a pregap of 150 sectors of 2048 bytes.
constexpr std::uint64_t kConverterDataOffset = 307200;

// One line per problem, none for an image the converter handles.
std::vector<std::string> ImageWarnings(const nrg::ReadResult& image);

// Reads the image's footer and chunks (never its data) and judges them.
std::vector<std::string> ImageWarningsForFile(const std::string& path);

}  // namespace app
