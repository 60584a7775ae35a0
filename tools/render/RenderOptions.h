// The command line of corvalmire-render.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Win32Types.h"

namespace render_tool {

enum class PointerState { Normal, Hot, Pressed };

struct RenderOptions {
    std::string out;      // --out FILE (.ppm or .png)
    std::string gallery;  // --gallery FILE.png, instead of --out
    int width = 107;
    int height = 27;
    std::vector<std::pair<std::string, std::string>> settings;  // --set KEY=VALUE, in order
    PointerState state = PointerState::Normal;
    bool focus = false;
    std::vector<std::pair<int, win32::COLORREF>> sysColors;  // --syscolor INDEX=0xBBGGRR
};

// The options, or an error message fit for the user.
struct ParseResult {
    std::optional<RenderOptions> options;
    std::string error;
};
ParseResult ParseRenderOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace render_tool
