#include "host/PropertyBagJson.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace host {
namespace {

using nlohmann::json;

// A whole number, written as a JSON integer or as decimal or "0x" text.
std::int64_t WholeNumber(const json& j) {
    if (j.is_string()) {
        const std::string text = j.get<std::string>();
        std::size_t used = 0;
        const std::int64_t value = std::stoll(text, &used, 0);
        if (used != text.size()) throw std::runtime_error("\"" + text + "\" is not a whole number");
        return value;
    }
    if (j.is_number_unsigned() &&
        j.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw std::out_of_range("number out of range");
    if (!j.is_number_integer()) throw std::runtime_error("not a whole number");
    return j.get<std::int64_t>();
}

// A value that does not fit is refused rather than cut down to its low bits.
std::int16_t IntegerFromJson(const json& j) {
    const std::int64_t value = WholeNumber(j);
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw std::out_of_range("Integer out of range");
    return static_cast<std::int16_t>(value);
}

// Colours may be written unsigned (0x8000000F), so 32 bits of either sign fit.
std::int32_t LongFromJson(const json& j) {
    const std::int64_t value = WholeNumber(j);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::uint32_t>::max())
        throw std::out_of_range("Long out of range");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

PropertyValue LoadedPicture(const std::string& name, const PictureLoader& loadPicture) {
    if (name.empty()) return PropertyValue::Picture(Picture::Empty());
    PicturePtr picture = loadPicture ? loadPicture(name) : nullptr;
    if (!picture) throw std::runtime_error("picture \"" + name + "\" cannot be loaded");
    picture->SetSource(name);
    return PropertyValue::Picture(std::move(picture));
}

PropertyValue TaggedValue(const json& j, const PictureLoader& loadPicture) {
    if (j.contains("name")) return PropertyValue::Font(FontFromJson(j));
    if (j.contains("resource")) {
        const json& resource = j.at("resource");
        return LoadedPicture(
            resource.at(0).get<std::string>() + "/" + std::to_string(resource.at(1).get<int>()), loadPicture);
    }
    if (j.size() != 1) throw std::runtime_error("a typed value has exactly one tag");
    const std::string tag = j.begin().key();
    const json& inner = j.begin().value();
    if (tag == "Integer") return PropertyValue::Integer(IntegerFromJson(inner));
    if (tag == "Long") return PropertyValue::Long(LongFromJson(inner));
    if (tag == "Font") return PropertyValue::Font(FontFromJson(inner));
    if (tag == "Picture") {
        if (inner.is_null()) return PropertyValue::Picture(nullptr);
        return LoadedPicture(inner.get<std::string>(), loadPicture);
    }
    throw std::runtime_error("unknown type \"" + tag + "\"");
}

PropertyValue ValueFromJson(const json& j, const PictureLoader& loadPicture) {
    if (j.is_boolean()) return PropertyValue::Boolean(j.get<bool>());
    if (j.is_number_integer()) return PropertyValue::Long(LongFromJson(j));
    if (j.is_string()) return PropertyValue::String(j.get<std::string>());
    if (j.is_object()) return TaggedValue(j, loadPicture);
    throw std::runtime_error("not a typed value");
}

nlohmann::ordered_json ValueToJson(const PropertyValue& value) {
    using Type = PropertyValue::Type;
    switch (value.GetType()) {
        case Type::Integer: return {{"Integer", value.AsInteger()}};
        case Type::Long: return value.AsLong();
        case Type::Boolean: return value.AsBoolean();
        case Type::String: return value.AsString();
        case Type::Picture: {
            const PicturePtr picture = value.AsPicture();
            if (!picture) return {{"Picture", nullptr}};
            return {{"Picture", picture->Source()}};
        }
        case Type::Font: {
            const Font font = value.AsFont();
            return {{"Font",
                     {{"name", font.name},
                      {"size", font.size},
                      {"bold", font.bold},
                      {"italic", font.italic},
                      {"underline", font.underline},
                      {"strikethrough", font.strikethrough},
                      {"charset", font.charset}}}};
        }
        case Type::Empty: break;
    }
    return nullptr;
}

}  // namespace

Font FontFromJson(const json& j, Font font) {
    font.name = j.value("name", font.name);
    font.size = j.value("size", font.size);
    font.bold = j.value("bold", font.bold);
    font.italic = j.value("italic", font.italic);
    font.underline = j.value("underline", font.underline);
    font.strikethrough = j.value("strikethrough", font.strikethrough);
    font.charset = j.value("charset", font.charset);
    return font;
}

PropertyBag PropertyBagFromJson(const json& object, const PictureLoader& loadPicture) {
    PropertyBag bag;
    for (const auto& [key, value] : object.items()) {
        try {
            bag.WriteProperty(key, ValueFromJson(value, loadPicture));
        } catch (const std::exception& e) {
            throw std::runtime_error("setting \"" + key + "\": " + e.what());
        }
    }
    return bag;
}

nlohmann::ordered_json PropertyBagToJson(const PropertyBag& bag) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const std::string& key : bag.Keys()) object[key] = ValueToJson(*bag.Find(key));
    return object;
}

}  // namespace host
