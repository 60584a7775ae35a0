#include "host/FormDescription.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "host/DescriptionJson.h"
#include "host/Label.h"
#include "host/PropertyBagJson.h"
#include "host/TextBox.h"
#include "host/UserControlHost.h"

namespace host {
namespace {

using nlohmann::json;

// Colours are written as text ("0x80000010") so they read like the values they are.
OLE_COLOR ReadColor(const json& j, const char* key, OLE_COLOR fallback) {
    if (!j.contains(key)) return fallback;
    return static_cast<OLE_COLOR>(WholeNumberField(j.at(key), key, 0, UINT32_MAX));
}

// Where an entry sits, as the control's site: name, twips rectangle, tab
// index and the container's tooltip.
ControlSite ReadSite(const json& j) {
    ControlSite site;
    site.name = j.at("name").get<std::string>();
    const auto& rect = j.at("rect");  // left, top, width, height in twips
    site.left = IntItem(rect, "rect", 0);
    site.top = IntItem(rect, "rect", 1);
    site.width = IntItem(rect, "rect", 2);
    site.height = IntItem(rect, "rect", 3);
    site.tabIndex = IntField(j, "tabIndex", 0);
    site.toolTipText = TextField(j, "toolTipText", "");
    return site;
}

void ReadCommon(const json& j, const Form& form, Control& control) {
    const ControlSite site = ReadSite(j);
    control.name = site.name;
    control.index = IntField(j, "index", -1);
    control.left = site.left;
    control.top = site.top;
    control.width = site.width;
    control.height = site.height;
    control.tabIndex = site.tabIndex;
    control.visible = BoolField(j, "visible", true);
    control.font = j.contains("font") ? FontFromJson(j.at("font")) : form.font;
    control.foreColor = ReadColor(j, "foreColor", control.foreColor);
    control.backColor = ReadColor(j, "backColor", control.backColor);
    control.toolTipText = site.toolTipText;
}

std::unique_ptr<Control> MakeTextBox(const json& j) {
    auto box = std::make_unique<TextBox>();
    box->multiLine = BoolField(j, "multiLine", false);
    box->scrollBars = static_cast<ScrollBars>(IntField(j, "scrollBars", 0, 0, 3));
    box->SetText(TextField(j, "text", ""));
    return box;
}

std::unique_ptr<Control> MakeLabel(const json& j) {
    auto label = std::make_unique<Label>();
    label->backColor = SystemColor(win32::COLOR_BTNFACE);
    label->foreColor = SystemColor(win32::COLOR_BTNTEXT);
    label->SetCaption(TextField(j, "caption", ""));
    label->autoSize = BoolField(j, "autoSize", false);
    label->backStyle = BoolField(j, "transparent", false) ? BackStyle::Transparent : BackStyle::Opaque;
    label->mouseIcon = IntField(j, "mouseIcon", 0);
    return label;
}

json Settings(const json& j) {
    if (!j.contains("settings")) return json::object();
    if (!j.at("settings").is_object()) throw std::runtime_error("\"settings\": not an object");
    return j.at("settings");
}

std::unique_ptr<Control> MakeControl(const json& j) {
    const auto kind = j.at("kind").get<std::string>();
    if (kind == "TextBox") return MakeTextBox(j);
    if (kind == "Label") return MakeLabel(j);
    if (FindUserControlKind(kind))
        return MakeUserControl(kind, ReadSite(j), PropertyBagFromJson(Settings(j), FormPictureLoader()));
    throw std::runtime_error("unknown control kind \"" + kind + "\"");
}

void FillForm(Form& form, const json& doc) {
    const json& window = doc.at("form");
    form.name = window.at("name").get<std::string>();
    form.caption = TextField(window, "caption", "");
    form.clientWidth = IntItem(window.at("clientSize"), "clientSize", 0);
    form.clientHeight = IntItem(window.at("clientSize"), "clientSize", 1);
    form.iconId = IntField(window, "icon", 0);
    if (window.contains("font")) form.font = FontFromJson(window.at("font"), form.font);
    for (const json& entry : doc.at("controls")) {
        std::unique_ptr<Control> control;
        try {
            control = MakeControl(entry);
            ReadCommon(entry, form, *control);
        } catch (const std::exception& e) {
            const bool named = entry.is_object() && entry.contains("name") && entry.at("name").is_string();
            throw std::runtime_error("control " + (named ? entry.at("name").get<std::string>() : "?") + ": " +
                                     e.what());
        }
        form.Add(std::move(control));
    }
}

}  // namespace

void LoadFormDescription(Form& form, std::string_view text) {
    try {
        FillForm(form, ParseDescriptionJson(text));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("form description: ") + e.what());
    }
}

}  // namespace host
