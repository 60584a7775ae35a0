// The settings raReruri keeps in its host's property bag, declared once.
// Each row binds one member to its bag key and defaults: loading walks the
// rows in table order, saving walks them in the order of their save
// position. Defaults that depend on the system colours or on the surface are
// computed when the row is used.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "host/PropertyValue.h"

namespace control {

class raReruri;

struct PersistedProperty {
    using Read = host::PropertyValue (*)(const raReruri&);
    using Write = void (*)(raReruri&, const host::PropertyValue&);

    std::string_view name;  // the member, for messages and tests
    std::string_view loadKey;
    Read loadDefault;  // what a missing key yields
    Write load;        // stores a read value; throws on a wrongly typed one
    int savePosition;  // 1-based position among the saved keys; 0 = not saved from this row
    std::string_view saveKey;
    Read saveDefault;  // nullptr: always stored
    Read value;        // the member's current value, which is what gets saved
};

struct PersistedProperties {
    static constexpr int kLoadCount = 29;
    static constexpr int kSaveCount = 28;
    // In loading order.
    static const std::array<PersistedProperty, kLoadCount>& Rows();
    // The saved rows, in saving order.
    static const std::vector<const PersistedProperty*>& SaveRows();
};

}  // namespace control
