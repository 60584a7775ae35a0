// A font as the form describes it: face name looked up by name, size in points.
#pragma once

#include <string>

namespace host {

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 0;

    // Pixel height at 96 dpi, the size the window is laid out for.
    int PixelSize() const { return static_cast<int>(size * 96.0 / 72.0 + 0.5); }
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace host
