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

// A default as a row declares it: a fixed value, a system colour read when
// the row is used, or a value the control works out. An absent default on
// the save side means the key is always stored.
struct PersistedDefault {
    using Compute = host::PropertyValue (*)(const raReruri&);
    enum class Kind { None, Fixed, SystemColor, Computed };

    Kind kind = Kind::None;
    host::PropertyValue fixed{};
    int systemColor = 0;
    Compute compute = nullptr;

    explicit operator bool() const { return kind != Kind::None; }
    host::PropertyValue operator()(const raReruri& control) const;
};

// How a row reaches its member: stores a read value (throwing on a wrongly
// typed one) and gives the current value, which is what gets saved.
struct PersistedBinding {
    void (*load)(raReruri&, const host::PropertyValue&) = nullptr;
    host::PropertyValue (*value)(const raReruri&) = nullptr;
};

struct PersistedProperty {
    std::string_view name{};  // the member, for messages and tests
    std::string_view loadKey{};
    PersistedDefault loadDefault{};  // what a missing key yields
    PersistedBinding bind{};
    int savePosition = 0;  // 1-based position among the saved keys; 0 = not saved from this row
    std::string_view saveKey{};
    PersistedDefault saveDefault{};

    void load(raReruri& control, const host::PropertyValue& v) const { bind.load(control, v); }
    host::PropertyValue value(const raReruri& control) const { return bind.value(control); }
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
