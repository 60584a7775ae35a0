// Reading the JSON of a form description: parsing with a nesting limit, and
// typed fields whose errors name their key. Every error is a
// std::runtime_error; nothing from the file reaches a conversion unchecked.
// Used inside the form runtime only, as the JSON library is.
#pragma once

#include <climits>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace host {

// A description nests a few levels; anything deeper is refused while it is
// parsed, before a deep tree exists to copy or destroy recursively.
constexpr int kMaxDescriptionDepth = 32;
nlohmann::json ParseDescriptionJson(std::string_view text);

// A JSON integer within [min, max]; `fallback` when the key is missing.
int IntField(const nlohmann::json& object, const std::string& key, int fallback, int min = INT_MIN,
             int max = INT_MAX);
// The same for an array's item, named key[index] in errors.
int IntItem(const nlohmann::json& array, const std::string& key, std::size_t index);
// A JSON number within [min, max].
double NumberField(const nlohmann::json& object, const std::string& key, double fallback, double min,
                   double max);
bool BoolField(const nlohmann::json& object, const std::string& key, bool fallback);
std::string TextField(const nlohmann::json& object, const std::string& key, const std::string& fallback);
// A whole number given as a JSON integer or as text: decimal, or hex after "0x".
long long WholeNumberField(const nlohmann::json& value, const std::string& key, long long min, long long max);

}  // namespace host
