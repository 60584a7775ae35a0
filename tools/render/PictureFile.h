// Pictures for the Icon setting: .bmp files and .ico images (the entry
// nearest 16 x 16), decoded into a 32-bit bitmap picture. An icon's
// transparent pixels are filled with a background colour, since a bitmap
// picture has no mask.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/Picture.h"
#include "platform/Win32Types.h"

namespace render_tool {

// nullptr when the bytes are not a picture this reader understands.
host::PicturePtr PictureFromIcoBytes(std::span<const std::uint8_t> bytes, win32::COLORREF background);
host::PicturePtr PictureFromBmpBytes(std::span<const std::uint8_t> bytes);

// By extension: .ico or .bmp; nullptr for anything else or a read failure.
host::PicturePtr LoadPictureFile(const std::string& path, win32::COLORREF background);

}  // namespace render_tool
