// The pictures the gallery shows on its buttons.
#pragma once

#include "host/Picture.h"

namespace render_tool {

// The program's convert icon.
host::PicturePtr ConvertIcon();
// The convert icon drawn on a silver (0xC0C0C0) square, as a bitmap: the
// picture a mask colour is for.
host::PicturePtr ConvertBitmapOnSilver();
// A 32-bit icon whose alpha softens its edge: a disc fading out.
host::PicturePtr SoftDiscIcon();

}  // namespace render_tool
