// A typed value of a property bag: 16-bit Integer, Long, Boolean, String,
// picture or font. Reading one as another type converts where the form
// runtime always has (numbers, booleans and numeric text among themselves)
// and fails with a run-time error otherwise, which is what ends a control's
// loading at a wrongly typed key.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "host/Font.h"
#include "host/Picture.h"

namespace host {

class PropertyValue {
public:
    enum class Type { Empty, Integer, Long, Boolean, String, Picture, Font };

    // Run-time error numbers a conversion raises.
    static constexpr int kOverflow = 6;
    static constexpr int kTypeMismatch = 13;

    PropertyValue() = default;  // Empty: what a read of a missing key without default gives
    static PropertyValue Integer(std::int16_t v) { return PropertyValue(v); }
    static PropertyValue Long(std::int32_t v) { return PropertyValue(v); }
    static PropertyValue Boolean(bool v) { return PropertyValue(v); }
    static PropertyValue String(std::string v) { return PropertyValue(std::move(v)); }
    static PropertyValue Picture(PicturePtr v) { return PropertyValue(std::move(v)); }
    static PropertyValue Font(host::Font v) { return PropertyValue(std::move(v)); }

    Type GetType() const { return static_cast<Type>(value_.index()); }
    bool IsEmpty() const { return GetType() == Type::Empty; }

    // Conversions; each throws RuntimeError (kTypeMismatch or kOverflow).
    std::int16_t AsInteger() const;
    std::int32_t AsLong() const;
    bool AsBoolean() const;
    std::string AsString() const;
    PicturePtr AsPicture() const;  // nullptr for "no object"
    host::Font AsFont() const;

    // Numbers and booleans compare by value whatever their width (so a Long 3
    // equals the Integer default 3); pictures by identity; fonts field by field.
    friend bool operator==(const PropertyValue& a, const PropertyValue& b);

private:
    template <typename T>
    explicit PropertyValue(T v) : value_(std::move(v)) {}

    // The order matches Type.
    std::variant<std::monostate, std::int16_t, std::int32_t, bool, std::string, PicturePtr, host::Font>
        value_;
};

}  // namespace host
