// A property bag in a form description (JSON); used inside the form runtime
// only, so no public header carries the JSON library. Each key holds one typed value:
//
//   a JSON integer           Long               "Style": 5
//   true / false             Boolean            "Enabled": false
//   a JSON string            String             "Caption": "Apri"
//   {"Integer": n}           16-bit Integer     "IconSize": {"Integer": 16}
//   {"Long": n or "0x..."}   Long               "MaskColor": {"Long": "0xC0C0C0"}
//   {"Font": {...}}          font               {"Font": {"name": "Verdana", "size": 8.25, "bold": true}}
//                            (keys name, size, bold, italic, underline, strikethrough, charset)
//   {"name": ..., ...}       font, written without its tag
//   {"resource": [type, id]} the picture the loader makes of resource type/id ("ICON/102")
//   {"Picture": null}        no object
//   {"Picture": ""}          an empty picture
//   {"Picture": "name"}      the picture the loader makes of that name
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "host/PropertyBag.h"

namespace host {

// A font written as {name, size, bold, italic, underline, strikethrough,
// charset}; keys left out keep the values of `base`. Sizes are 0 to
// kMaxFontSize points, charsets 0 to 255.
constexpr double kMaxFontSize = 2048;
Font FontFromJson(const nlohmann::json& object, Font base = {});

// Throws std::runtime_error naming the key whose value is not one of the forms above.
PropertyBag PropertyBagFromJson(const nlohmann::json& object, const PictureLoader& loadPicture = {});
nlohmann::ordered_json PropertyBagToJson(const PropertyBag& bag);

}  // namespace host
