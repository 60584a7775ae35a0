// Pictures for the Icon setting: .ico files (the image nearest 16 x 16,
// drawn through its mask) and .bmp files.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/Picture.h"

namespace render_tool {

// nullptr when the bytes are not a bitmap file this reader understands
// (1 to 32 bits a pixel, uncompressed).
host::PicturePtr PictureFromBmpBytes(std::span<const std::uint8_t> bytes);

// By extension: .ico or .bmp; nullptr for anything else or a read failure.
host::PicturePtr LoadPictureFile(const std::string& path);

}  // namespace render_tool
