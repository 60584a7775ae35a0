#include "host/FormDescription.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

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
    const json& v = j.at(key);
    if (v.is_number_unsigned()) return v.get<OLE_COLOR>();
    return static_cast<OLE_COLOR>(std::stoul(v.get<std::string>(), nullptr, 0));
}

// Where an entry sits, as the control's site: name, twips rectangle, tab
// index and the container's tooltip.
ControlSite ReadSite(const json& j) {
    ControlSite site;
    site.name = j.at("name").get<std::string>();
    const auto& rect = j.at("rect");  // left, top, width, height in twips
    site.left = rect.at(0);
    site.top = rect.at(1);
    site.width = rect.at(2);
    site.height = rect.at(3);
    site.tabIndex = j.value("tabIndex", 0);
    site.toolTipText = j.value("toolTipText", std::string());
    return site;
}

void ReadCommon(const json& j, const Form& form, Control& control) {
    const ControlSite site = ReadSite(j);
    control.name = site.name;
    control.index = j.value("index", -1);
    control.left = site.left;
    control.top = site.top;
    control.width = site.width;
    control.height = site.height;
    control.tabIndex = site.tabIndex;
    control.visible = j.value("visible", true);
    control.font = j.contains("font") ? FontFromJson(j.at("font")) : form.font;
    control.foreColor = ReadColor(j, "foreColor", control.foreColor);
    control.backColor = ReadColor(j, "backColor", control.backColor);
    control.toolTipText = site.toolTipText;
}

std::unique_ptr<Control> MakeTextBox(const json& j) {
    auto box = std::make_unique<TextBox>();
    box->multiLine = j.value("multiLine", false);
    box->scrollBars = static_cast<ScrollBars>(j.value("scrollBars", 0));
    box->SetText(j.value("text", std::string()));
    return box;
}

std::unique_ptr<Control> MakeLabel(const json& j) {
    auto label = std::make_unique<Label>();
    label->backColor = SystemColor(win32::COLOR_BTNFACE);
    label->foreColor = SystemColor(win32::COLOR_BTNTEXT);
    label->SetCaption(j.value("caption", std::string()));
    label->autoSize = j.value("autoSize", false);
    label->backStyle = j.value("transparent", false) ? BackStyle::Transparent : BackStyle::Opaque;
    label->mouseIcon = j.value("mouseIcon", 0);
    return label;
}

std::unique_ptr<Control> MakeControl(const json& j) {
    const auto kind = j.at("kind").get<std::string>();
    if (kind == "TextBox") return MakeTextBox(j);
    if (kind == "Label") return MakeLabel(j);
    if (FindUserControlKind(kind))
        return MakeUserControl(kind, ReadSite(j),
                               PropertyBagFromJson(j.value("settings", json::object()), FormPictureLoader()));
    throw std::runtime_error("unknown control kind \"" + kind + "\"");
}

void FillForm(Form& form, const json& doc) {
    const json& window = doc.at("form");
    form.name = window.at("name").get<std::string>();
    form.caption = window.value("caption", std::string());
    form.clientWidth = window.at("clientSize").at(0);
    form.clientHeight = window.at("clientSize").at(1);
    form.iconId = window.value("icon", 0);
    if (window.contains("font")) form.font = FontFromJson(window.at("font"), form.font);
    for (const json& entry : doc.at("controls")) {
        std::unique_ptr<Control> control;
        try {
            control = MakeControl(entry);
            ReadCommon(entry, form, *control);
        } catch (const json::exception& e) {
            throw std::runtime_error("control " + entry.value("name", std::string("?")) + ": " + e.what());
        }
        form.Add(std::move(control));
    }
}

}  // namespace

void LoadFormDescription(Form& form, std::string_view text) {
    try {
        FillForm(form, json::parse(text));
    } catch (const json::exception& e) {
        throw std::runtime_error(std::string("form description: ") + e.what());
    }
}

}  // namespace host
