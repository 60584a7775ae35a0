#include "host/PropertyBag.h"

#include <algorithm>
#include <cctype>

namespace host {
namespace {

bool SameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::vector<std::pair<std::string, PropertyValue>>::iterator PropertyBag::Locate(std::string_view key) {
    return std::ranges::find_if(entries_, [key](const auto& entry) { return SameKey(entry.first, key); });
}

const PropertyValue* PropertyBag::Find(std::string_view key) const {
    const auto it =
        std::ranges::find_if(entries_, [key](const auto& entry) { return SameKey(entry.first, key); });
    return it == entries_.end() ? nullptr : &it->second;
}

PropertyValue PropertyBag::ReadProperty(std::string_view key, PropertyValue defaultValue) const {
    const PropertyValue* stored = Find(key);
    return stored ? *stored : std::move(defaultValue);
}

void PropertyBag::WriteProperty(std::string_view key, PropertyValue value,
                                std::optional<PropertyValue> defaultValue) {
    const auto it = Locate(key);
    if (defaultValue && value == *defaultValue) {
        if (it != entries_.end()) entries_.erase(it);
        return;
    }
    if (it != entries_.end())
        it->second = std::move(value);
    else
        entries_.emplace_back(std::string(key), std::move(value));
}

std::vector<std::string> PropertyBag::Keys() const {
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}

bool PropertyBag::Remove(std::string_view key) {
    const auto it = Locate(key);
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

}  // namespace host
