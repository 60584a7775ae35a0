// The property bag read from a description: any JSON gives a bag or a
// std::runtime_error; a bag written back and read again is the same bag;
// every value reads as every type or raises the runtime's error.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "host/DescriptionJson.h"
#include "host/PropertyBagJson.h"
#include "host/RuntimeError.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void ReadAsEveryType(const host::PropertyValue& value) {
    auto attempt = [](auto read) {
        try {
            read();
        } catch (const host::RuntimeError&) {
        }
    };
    attempt([&] { (void)value.AsInteger(); });
    attempt([&] { (void)value.AsLong(); });
    attempt([&] { (void)value.AsBoolean(); });
    attempt([&] { (void)value.AsString(); });
    attempt([&] { (void)value.AsPicture(); });
    attempt([&] { (void)value.AsFont(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const host::PictureLoader pictures = [](const std::string& name) {
        return name.size() % 2 ? host::Picture::Empty() : nullptr;
    };
    host::PropertyBag bag;
    try {
        bag = host::PropertyBagFromJson(
            host::ParseDescriptionJson(std::string_view(reinterpret_cast<const char*>(data), size)),
            pictures);
    } catch (const std::runtime_error&) {
        return 0;
    }
    const host::PropertyBag back = host::PropertyBagFromJson(host::PropertyBagToJson(bag), pictures);
    Check(back.Count() == bag.Count());
    for (const std::string& key : bag.Keys()) {
        const host::PropertyValue* value = bag.Find(key);
        const host::PropertyValue* again = back.Find(key);
        Check(again && again->GetType() == value->GetType());
        // Pictures compare by identity: the one read back is another object.
        Check(value->GetType() == host::PropertyValue::Type::Picture || *again == *value);
        ReadAsEveryType(*value);
    }
    return 0;
}
