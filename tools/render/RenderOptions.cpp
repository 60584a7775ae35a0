#include "tools/render/RenderOptions.h"

#include <charconv>
#include <cstdint>

namespace render_tool {

const char* const kUsage =
    "usage: corvalmire-render --out FILE [--size WxH] [--set KEY=VALUE ...]\n"
    "                         [--state normal|hot|pressed] [--focus] [--syscolor INDEX=0xBBGGRR ...]\n"
    "       corvalmire-render --gallery FILE.png [--syscolor INDEX=0xBBGGRR ...]\n";

namespace {

// A whole decimal or 0x-hex number, nothing else.
std::optional<long long> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

bool ParseSize(const std::string& text, RenderOptions& options) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const auto w = ParseNumber(text.substr(0, x));
    const auto h = ParseNumber(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > 4096 || *h > 4096) return false;
    options.width = static_cast<int>(*w);
    options.height = static_cast<int>(*h);
    return true;
}

bool ParseSysColor(const std::string& text, RenderOptions& options) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos) return false;
    const auto index = ParseNumber(text.substr(0, eq));
    const auto color = ParseNumber(text.substr(eq + 1));
    if (!index || !color || *index < 0 || *index > 30 || *color < 0 || *color > 0xFFFFFF) return false;
    options.sysColors.emplace_back(static_cast<int>(*index), static_cast<win32::COLORREF>(*color));
    return true;
}

bool ParseState(const std::string& text, RenderOptions& options) {
    if (text == "normal")
        options.state = PointerState::Normal;
    else if (text == "hot")
        options.state = PointerState::Hot;
    else if (text == "pressed")
        options.state = PointerState::Pressed;
    else
        return false;
    return true;
}

}  // namespace

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--focus") {
            options.focus = true;
            continue;
        }
        if (i + 1 >= args.size()) return {std::nullopt, "missing value after " + arg};
        const std::string& value = args[++i];
        bool ok = true;
        if (arg == "--out")
            options.out = value;
        else if (arg == "--gallery")
            options.gallery = value;
        else if (arg == "--size")
            ok = ParseSize(value, options);
        else if (arg == "--state")
            ok = ParseState(value, options);
        else if (arg == "--syscolor")
            ok = ParseSysColor(value, options);
        else if (arg == "--set") {
            const size_t eq = value.find('=');
            ok = eq != std::string::npos && eq > 0;
            if (ok) options.settings.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else
            return {std::nullopt, "unknown option " + arg};
        if (!ok) return {std::nullopt, "bad value for " + arg + ": " + value};
    }
    if (options.out.empty() == options.gallery.empty())
        return {std::nullopt, "give either --out or --gallery"};
    return {options, {}};
}

}  // namespace render_tool
