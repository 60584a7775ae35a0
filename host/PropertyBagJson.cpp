#include "host/PropertyBagJson.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "host/DescriptionJson.h"

namespace host {
namespace {

using nlohmann::json;

// A value that does not fit is refused rather than cut down to its low bits.
std::int16_t IntegerFromJson(const json& j) {
    return static_cast<std::int16_t>(WholeNumberField(j, "Integer", std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
}

// Colours may be written unsigned (0x8000000F), so 32 bits of either sign fit.
std::int32_t LongFromJson(const json& j) {
    const long long value = WholeNumberField(j, "Long", std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::uint32_t>::max());
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
            resource.at(0).get<std::string>() + "/" + std::to_string(IntItem(resource, "resource", 1)),
            loadPicture);
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
    if (!j.is_object()) throw std::runtime_error("a font is an object");
    font.name = TextField(j, "name", font.name);
    font.size = NumberField(j, "size", font.size, 0, kMaxFontSize);
    font.bold = BoolField(j, "bold", font.bold);
    font.italic = BoolField(j, "italic", font.italic);
    font.underline = BoolField(j, "underline", font.underline);
    font.strikethrough = BoolField(j, "strikethrough", font.strikethrough);
    font.charset = IntField(j, "charset", font.charset, 0, 255);
    return font;
}

PropertyBag PropertyBagFromJson(const json& object, const PictureLoader& loadPicture) {
    if (!object.is_object()) throw std::runtime_error("settings are an object");
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
