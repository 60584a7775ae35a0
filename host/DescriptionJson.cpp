#include "host/DescriptionJson.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace host {
namespace {

using nlohmann::json;

[[noreturn]] void Refuse(const std::string& key, const std::string& why) {
    throw std::runtime_error("\"" + key + "\": " + why);
}

long long WholeNumberFromText(const std::string& text, const std::string& key) {
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        Refuse(key, "\"" + text + "\" is not a whole number");
    if (magnitude > (negative ? 1ULL << 63 : (1ULL << 63) - 1))
        Refuse(key, "\"" + text + "\" is out of range");
    return negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
}

}  // namespace

json ParseDescriptionJson(std::string_view text) {
    std::string lastKey;
    const json::parser_callback_t limit = [&lastKey](int depth, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::key) lastKey = parsed.get<std::string>();
        const bool opens =
            event == json::parse_event_t::object_start || event == json::parse_event_t::array_start;
        if (opens && depth >= kMaxDescriptionDepth)
            Refuse(lastKey, "nested deeper than " + std::to_string(kMaxDescriptionDepth) + " levels");
        return true;
    };
    try {
        return json::parse(text, limit);
    } catch (const json::exception& e) {
        throw std::runtime_error(e.what());
    }
}

long long WholeNumberField(const json& value, const std::string& key, long long min, long long max) {
    long long number = 0;
    if (value.is_string()) {
        number = WholeNumberFromText(value.get<std::string>(), key);
    } else if (value.is_number_unsigned()) {
        const auto magnitude = value.get<unsigned long long>();
        if (magnitude > static_cast<unsigned long long>(LLONG_MAX)) Refuse(key, "out of range");
        number = static_cast<long long>(magnitude);
    } else if (value.is_number_integer()) {
        number = value.get<long long>();
    } else {
        Refuse(key, "not a whole number");
    }
    if (number < min || number > max) Refuse(key, std::to_string(number) + " is out of range");
    return number;
}

int IntField(const json& object, const std::string& key, int fallback, int min, int max) {
    if (!object.contains(key)) return fallback;
    const json& value = object.at(key);
    if (!value.is_number_integer()) Refuse(key, "not a whole number");
    return static_cast<int>(WholeNumberField(value, key, min, max));
}

int IntItem(const json& array, const std::string& key, std::size_t index) {
    const std::string name = key + "[" + std::to_string(index) + "]";
    if (!array.is_array() || index >= array.size()) Refuse(name, "missing");
    if (!array[index].is_number_integer()) Refuse(name, "not a whole number");
    return static_cast<int>(WholeNumberField(array[index], name, INT_MIN, INT_MAX));
}

double NumberField(const json& object, const std::string& key, double fallback, double min, double max) {
    if (!object.contains(key)) return fallback;
    const json& value = object.at(key);
    if (!value.is_number()) Refuse(key, "not a number");
    const double number = value.get<double>();
    if (!(number >= min && number <= max)) Refuse(key, "out of range");
    return number;
}

bool BoolField(const json& object, const std::string& key, bool fallback) {
    if (!object.contains(key)) return fallback;
    if (!object.at(key).is_boolean()) Refuse(key, "not true or false");
    return object.at(key).get<bool>();
}

std::string TextField(const json& object, const std::string& key, const std::string& fallback) {
    if (!object.contains(key)) return fallback;
    if (!object.at(key).is_string()) Refuse(key, "not text");
    return object.at(key).get<std::string>();
}

}  // namespace host
