// The property bag a rendered button loads: exactly the --set keys, each
// typed from its text (a number, True/False, a font, an icon file, or text).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/PropertyBag.h"
#include "host/PropertyValue.h"

namespace render_tool {

// "Name,size[,bold]", e.g. "Verdana,8.25,bold"; false when malformed.
bool ParseFont(const std::string& text, host::Font& font);

// The value of one setting. Font and Icon (a file path) are recognised by
// their key; other values are integers, True/False or text. An unreadable
// font or icon gives an error message instead.
host::PropertyValue SettingValue(const std::string& key, const std::string& text, std::string& error);

// Throws std::runtime_error naming the first bad setting.
host::PropertyBag BagFromSettings(const std::vector<std::pair<std::string, std::string>>& settings);

}  // namespace render_tool
