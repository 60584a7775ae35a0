#include "host/PropertyValue.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>

#include "host/RuntimeError.h"

namespace host {
namespace {

[[noreturn]] void TypeMismatch() { throw RuntimeError(PropertyValue::kTypeMismatch, "Type mismatch"); }

bool EqualsNoCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

// Numeric text as the runtime accepts it in a number: optional blanks, sign
// and decimal digits; anything else is no number.
std::optional<std::int64_t> ParseNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') ++begin;
    std::int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// Every value that has a numeric reading (True is -1, as the runtime's booleans are).
std::optional<std::int64_t> Numeric(const auto& value) {
    using V = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<V, std::monostate>)
        return 0;
    else if constexpr (std::is_same_v<V, bool>)
        return value ? -1 : 0;
    else if constexpr (std::is_same_v<V, std::int16_t> || std::is_same_v<V, std::int32_t>)
        return value;
    else if constexpr (std::is_same_v<V, std::string>)
        return ParseNumber(value);
    else
        return std::nullopt;
}

template <typename T>
T NarrowOrOverflow(std::int64_t v) {
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        throw RuntimeError(PropertyValue::kOverflow, "Overflow");
    return static_cast<T>(v);
}

}  // namespace

std::int16_t PropertyValue::AsInteger() const {
    const auto n = std::visit([](const auto& v) { return Numeric(v); }, value_);
    if (!n) TypeMismatch();
    return NarrowOrOverflow<std::int16_t>(*n);
}

std::int32_t PropertyValue::AsLong() const {
    const auto n = std::visit([](const auto& v) { return Numeric(v); }, value_);
    if (!n) TypeMismatch();
    return NarrowOrOverflow<std::int32_t>(*n);
}

bool PropertyValue::AsBoolean() const {
    if (const auto* text = std::get_if<std::string>(&value_)) {
        if (EqualsNoCase(*text, "True")) return true;
        if (EqualsNoCase(*text, "False")) return false;
    }
    const auto n = std::visit([](const auto& v) { return Numeric(v); }, value_);
    if (!n) TypeMismatch();
    return *n != 0;
}

std::string PropertyValue::AsString() const {
    switch (GetType()) {
        case Type::Empty: return {};
        case Type::Boolean: return std::get<bool>(value_) ? "True" : "False";
        case Type::String: return std::get<std::string>(value_);
        case Type::Integer:
        case Type::Long: return std::to_string(AsLong());
        default: TypeMismatch();
    }
}

PicturePtr PropertyValue::AsPicture() const {
    if (const auto* picture = std::get_if<PicturePtr>(&value_)) return *picture;
    TypeMismatch();
}

Font PropertyValue::AsFont() const {
    if (const auto* font = std::get_if<host::Font>(&value_)) return *font;
    TypeMismatch();
}

bool operator==(const PropertyValue& a, const PropertyValue& b) {
    using Type = PropertyValue::Type;
    const auto isNumber = [](Type t) { return t == Type::Integer || t == Type::Long || t == Type::Boolean; };
    if (isNumber(a.GetType()) && isNumber(b.GetType())) return a.AsLong() == b.AsLong();
    return a.value_ == b.value_;
}

}  // namespace host
