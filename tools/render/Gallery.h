// A contact sheet of every style in every state, with caption and icon,
// each button clipped to its window region as the screen shows it; then
// rows of pictures with and without a mask colour, and one with alpha.
#pragma once

#include <string>

namespace render_tool {

// Writes the sheet as a PNG; false when it cannot be written.
bool WriteGallery(const std::string& path);

}  // namespace render_tool
