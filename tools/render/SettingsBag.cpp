#include "tools/render/SettingsBag.h"

#include <strings.h>

#include <charconv>
#include <cstdlib>
#include <stdexcept>

#include "tools/render/PictureFile.h"

namespace render_tool {
namespace {

bool SameText(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

std::optional<std::int32_t> ParseLong(const std::string& text) {
    std::string_view digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    // Hex colours such as 0x8000000F are 32-bit patterns, not magnitudes.
    if (value < INT32_MIN || value > UINT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

bool ParseFont(const std::string& text, host::Font& font) {
    const size_t first = text.find(',');
    if (first == std::string::npos || first == 0) return false;
    const size_t second = text.find(',', first + 1);
    const std::string size =
        text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    char* end = nullptr;
    const double points = std::strtod(size.c_str(), &end);
    if (end == size.c_str() || *end != '\0' || points <= 0 || points > 200) return false;
    font.name = text.substr(0, first);
    font.size = points;
    font.bold = false;
    if (second != std::string::npos) {
        if (!SameText(text.substr(second + 1), "bold")) return false;
        font.bold = true;
    }
    return true;
}

host::PropertyValue SettingValue(const std::string& key, const std::string& text, std::string& error) {
    using V = host::PropertyValue;
    if (SameText(key, "Font")) {
        host::Font font;
        if (!ParseFont(text, font)) error = "Font wants \"Name,size[,bold]\": " + text;
        return V::Font(font);
    }
    if (SameText(key, "Icon")) {
        if (text.empty()) return V::Picture(nullptr);
        host::PicturePtr picture = LoadPictureFile(text);
        if (!picture) error = "cannot read the icon " + text + " (.ico or .bmp)";
        return V::Picture(picture);
    }
    if (SameText(text, "True")) return V::Boolean(true);
    if (SameText(text, "False")) return V::Boolean(false);
    if (const auto number = ParseLong(text)) return V::Long(*number);
    return V::String(text);
}

host::PropertyBag BagFromSettings(const std::vector<std::pair<std::string, std::string>>& settings) {
    host::PropertyBag bag;
    for (const auto& [key, text] : settings) {
        std::string error;
        host::PropertyValue value = SettingValue(key, text, error);
        if (!error.empty()) throw std::runtime_error(error);
        bag.WriteProperty(key, std::move(value));
    }
    return bag;
}

}  // namespace render_tool
