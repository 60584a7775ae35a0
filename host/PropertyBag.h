// The property bag a control saves its settings into and loads them from.
// Keys match without regard to case. A write whose value equals its default
// stores nothing (and drops an older entry), so a bag holds only what differs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/PropertyValue.h"

namespace host {

class PropertyBag {
public:
    // The stored value, or the default when the key is missing.
    PropertyValue ReadProperty(std::string_view key, PropertyValue defaultValue = {}) const;
    // Without a default the value is always stored.
    void WriteProperty(std::string_view key, PropertyValue value,
                       std::optional<PropertyValue> defaultValue = std::nullopt);

    bool Contains(std::string_view key) const { return Find(key) != nullptr; }
    const PropertyValue* Find(std::string_view key) const;
    // Keys as first written, in the order they were written.
    std::vector<std::string> Keys() const;
    std::size_t Count() const { return entries_.size(); }
    bool Remove(std::string_view key);

private:
    std::vector<std::pair<std::string, PropertyValue>>::iterator Locate(std::string_view key);

    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace host
