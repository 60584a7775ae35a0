#include "control/raReruriPersistence.h"

#include <algorithm>
#include <string>
#include <utility>

#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/Colors.h"
#include "host/AccessKeys.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Window.h"

namespace control {
namespace {

using host::PropertyValue;
using R = raReruri;
using V = PropertyValue;

PersistedDefault Fixed(PropertyValue value) {
    return {.kind = PersistedDefault::Kind::Fixed, .fixed = std::move(value)};
}
PersistedDefault SystemColor(int index) {
    return {.kind = PersistedDefault::Kind::SystemColor, .systemColor = index};
}
PersistedDefault Computed(PersistedDefault::Compute compute) {
    return {.kind = PersistedDefault::Kind::Computed, .compute = compute};
}

// Each member type has one stored form: Long, Integer, Boolean, String or Picture.
V ToValue(std::int32_t v) { return V::Long(v); }
V ToValue(std::int16_t v) { return V::Integer(v); }
V ToValue(bool v) { return V::Boolean(v); }
V ToValue(const std::string& v) { return V::String(v); }
V ToValue(const host::PicturePtr& v) { return V::Picture(v); }
void FromValue(const V& v, std::int32_t& member) { member = v.AsLong(); }
void FromValue(const V& v, std::int16_t& member) { member = v.AsInteger(); }
void FromValue(const V& v, bool& member) { member = v.AsBoolean(); }
void FromValue(const V& v, std::string& member) { member = v.AsString(); }
void FromValue(const V& v, host::PicturePtr& member) { member = v.AsPicture(); }

// The binding of a row that stores one member as it is.
template <auto Member>
PersistedBinding Bind() {
    return {.load = [](R& c, const V& v) { FromValue(v, c.*Member); },
            .value = [](const R& c) { return ToValue(c.*Member); }};
}

}  // namespace

PropertyValue PersistedDefault::operator()(const raReruri& control) const {
    switch (kind) {
        case Kind::Fixed: return fixed;
        case Kind::SystemColor: return V::Long(static_cast<std::int32_t>(win32::GetSysColor(systemColor)));
        case Kind::Computed: return compute(control);
        case Kind::None: break;
    }
    return {};
}

// The rows follow the loading order; savePosition gives the saving order.
// Both orders, the key spellings and the defaults are what earlier versions
// of the control wrote and read, so their saved forms load unchanged: a
// missing "Style" loads as 3, an empty caption is not saved and loads back
// as "raReruri", and the tooltip colour keys default to the info text and
// info background colours the other way round from what their names suggest.
const std::array<PersistedProperty, PersistedProperties::kLoadCount>& PersistedProperties::Rows() {
    using win32::COLOR_BTNFACE, win32::COLOR_BTNTEXT, win32::COLOR_HIGHLIGHT, win32::COLOR_INFOBK,
        win32::COLOR_INFOTEXT;
    static const std::array<PersistedProperty, kLoadCount> rows = {{
        {.name = "Icon",
         .loadKey = "Icon",
         .loadDefault = Fixed(V::Picture(nullptr)),
         .bind = Bind<&R::icon_>(),
         .savePosition = 1,
         .saveKey = "Icon"},
        {.name = "Style",
         .loadKey = "Style",
         .loadDefault = Fixed(V::Integer(3)),
         .bind = Bind<&R::style_>(),
         .savePosition = 2,
         .saveKey = "Style",
         .saveDefault = Fixed(V::Integer(3))},
        {.name = "Caption",
         .loadKey = "Caption",
         .loadDefault = Fixed(V::String("raReruri")),
         .bind = Bind<&R::caption_>(),
         .savePosition = 3,
         .saveKey = "Caption",
         .saveDefault = Fixed(V::String(""))},
        {.name = "IconSize",
         .loadKey = "IconSize",
         .loadDefault = Fixed(V::Integer(16)),
         .bind = Bind<&R::iconSize_>(),
         .savePosition = 4,
         .saveKey = "IconSize",
         .saveDefault = Fixed(V::Integer(16))},
        {.name = "CaptionAlign",
         .loadKey = "CaptionAlign",
         .loadDefault = Fixed(V::Long(0)),
         .bind = Bind<&R::captionAlign_>(),
         .savePosition = 6,
         .saveKey = "CaptionAlign",
         .saveDefault = Fixed(V::Long(0))},
        {.name = "IconAlign",
         .loadKey = "IconAlign",
         .loadDefault = Fixed(V::Long(1)),
         .bind = Bind<&R::iconAlign_>(),
         .savePosition = 5,
         .saveKey = "IconAlign",
         .saveDefault = Fixed(V::Long(1))},
        {.name = "NonThemeStyle",
         .loadKey = "iNonThemeStyle",
         .loadDefault = Fixed(V::Long(5)),
         .bind = Bind<&R::nonThemeStyle_>(),
         .savePosition = 7,
         .saveKey = "iNonThemeStyle",
         .saveDefault = Fixed(V::Long(5))},
        {.name = "Enabled",
         .loadKey = "Enabled",
         .loadDefault = Fixed(V::Boolean(true)),
         .bind = Bind<&R::enabled_>(),
         .savePosition = 8,
         .saveKey = "Enabled",
         .saveDefault = Fixed(V::Boolean(true))},
        {.name = "ShowFocus",
         .loadKey = "ShowFocus",
         .loadDefault = Fixed(V::Boolean(false)),
         .bind = Bind<&R::showFocus_>(),
         .savePosition = 9,
         .saveKey = "ShowFocus",
         .saveDefault = Fixed(V::Boolean(false))},
        {.name = "UseCustomColors",
         .loadKey = "USeCustomColors",
         .loadDefault = Fixed(V::Boolean(false)),
         .bind = Bind<&R::useCustomColors_>(),
         .savePosition = 10,
         .saveKey = "USeCustomColors",
         .saveDefault = Fixed(V::Boolean(false))},
        {.name = "BackColor",
         .loadKey = "BackColor",
         .loadDefault = SystemColor(COLOR_BTNFACE),
         .bind = Bind<&R::backColor_>(),
         .savePosition = 11,
         .saveKey = "BackColor",
         .saveDefault = SystemColor(COLOR_BTNFACE)},
        {.name = "HighlightColor",
         .loadKey = "HighlightColor",
         .loadDefault = SystemColor(COLOR_HIGHLIGHT),
         .bind = Bind<&R::highlightColor_>(),
         .savePosition = 12,
         .saveKey = "HighlightColor",
         .saveDefault = SystemColor(COLOR_HIGHLIGHT)},
        {.name = "FontColor",
         .loadKey = "FontColor",
         .loadDefault = SystemColor(COLOR_BTNTEXT),
         .bind = Bind<&R::fontColor_>(),
         .savePosition = 13,
         .saveKey = "FontColor",
         .saveDefault = SystemColor(COLOR_BTNTEXT)},
        {.name = "FontHighlightColor",
         .loadKey = "FontHighlightColor",
         .loadDefault = SystemColor(COLOR_BTNTEXT),
         .bind = Bind<&R::fontHighlightColor_>(),
         .savePosition = 14,
         .saveKey = "FontHighlightColor",
         .saveDefault = SystemColor(COLOR_BTNTEXT)},
        // The container's copy of the tooltip text is what gets saved; it is
        // read first into the container, then once more into the control.
        {.name = "Extender.ToolTipText",
         .loadKey = "ToolTipText",
         .loadDefault = Computed([](const R& c) { return V::String(c.toolTipText_); }),
         .bind = {.load = [](R& c, const V& v) { c.userControl_->Extender().SetToolTipText(v.AsString()); },
                  .value = [](const R& c) { return V::String(c.userControl_->Extender().ToolTipText()); }},
         .savePosition = 15,
         .saveKey = "ToolTipText"},
        {.name = "ToolTipText",
         .loadKey = "ToolTipText",
         .loadDefault = Fixed(V::String("")),
         .bind = Bind<&R::toolTipText_>()},
        {.name = "ToolTipTitle",
         .loadKey = "Tooltiptitle",
         .loadDefault = Fixed(V::String("")),
         .bind = Bind<&R::toolTipTitle_>(),
         .savePosition = 16,
         .saveKey = "ToolTipTitle"},
        {.name = "ToolTipIcon",
         .loadKey = "ToolTipIcon",
         .loadDefault = Fixed(V::Long(0)),
         .bind = Bind<&R::toolTipIcon_>(),
         .savePosition = 17,
         .saveKey = "ToolTipIcon"},
        {.name = "ToolTipType",
         .loadKey = "ToolTipType",
         .loadDefault = Fixed(V::Long(1)),
         .bind = Bind<&R::toolTipType_>(),
         .savePosition = 18,
         .saveKey = "ToolTipType"},
        {.name = "ToolTipBackColor",
         .loadKey = "ttBackColor",
         .loadDefault = SystemColor(COLOR_INFOTEXT),
         .bind = Bind<&R::toolTipBackColor_>(),
         .savePosition = 19,
         .saveKey = "ttBackColor",
         .saveDefault = SystemColor(COLOR_INFOTEXT)},
        {.name = "ToolTipForeColor",
         .loadKey = "ttForeColor",
         .loadDefault = SystemColor(COLOR_INFOBK),
         .bind = Bind<&R::toolTipForeColor_>(),
         .savePosition = 20,
         .saveKey = "ttForeColor",
         .saveDefault = SystemColor(COLOR_INFOBK)},
        {.name = "Font",
         .loadKey = "Font",
         .loadDefault = Computed([](const R& c) { return V::Font(c.userControl_->GetFont()); }),
         .bind = {.load =
                      [](R& c, const V& v) {
                          c.font_ = v.AsFont();
                          c.userControl_->SetFont(c.font_);
                      },
                  .value = [](const R& c) { return V::Font(c.userControl_->GetFont()); }},
         .savePosition = 21,
         .saveKey = "Font"},
        {.name = "ButtonType",
         .loadKey = "ButtonType",
         .loadDefault = Fixed(V::Long(R::kPushButton)),
         .bind = Bind<&R::buttonType_>(),
         .savePosition = 22,
         .saveKey = "ButtonType",
         .saveDefault = Fixed(V::Long(R::kPushButton))},
        {.name = "Value",
         .loadKey = "Value",
         .loadDefault = Fixed(V::Boolean(false)),
         .bind = Bind<&R::value_>(),
         .savePosition = 23,
         .saveKey = "Value",
         .saveDefault = Fixed(V::Boolean(false))},
        {.name = "UseMaskColor",
         .loadKey = "UseMaskColor",
         .loadDefault = Fixed(V::Boolean(false)),
         .bind = Bind<&R::useMaskColor_>(),
         .savePosition = 25,
         .saveKey = "UseMaskColor",
         .saveDefault = Fixed(V::Boolean(false))},
        {.name = "MaskColor",
         .loadKey = "MaskColor",
         .loadDefault = Fixed(V::Long(0xC0C0C0)),
         .bind = Bind<&R::maskColor_>(),
         .savePosition = 24,
         .saveKey = "MaskColor",
         .saveDefault = Fixed(V::Long(0xC0C0C0))},
        {.name = "MousePointer",
         .loadKey = "MousePointer",
         .loadDefault = Fixed(V::Integer(0)),
         .bind = {.load = [](R& c, const V& v) { c.userControl_->SetMousePointer(v.AsInteger()); },
                  .value = [](const R& c) { return V::Integer(c.userControl_->MousePointer()); }},
         .savePosition = 26,
         .saveKey = "MousePointer",
         .saveDefault = Fixed(V::Integer(0))},
        {.name = "RoundedBordersByTheme",
         .loadKey = "RoundedBordersByTheme",
         .loadDefault = Fixed(V::Boolean(true)),
         .bind = Bind<&R::roundedBordersByTheme_>(),
         .savePosition = 27,
         .saveKey = "RoundedBordersByTheme",
         .saveDefault = Fixed(V::Boolean(true))},
        // Saved as the form runtime writes a Boolean in a Long: -1 for True.
        {.name = "RightToLeft",
         .loadKey = "bRTLText",
         .loadDefault = Fixed(V::Boolean(false)),
         .bind = {.load = [](R& c, const V& v) { c.rightToLeft_ = v.AsBoolean(); },
                  .value = [](const R& c) { return V::Long(c.rightToLeft_ ? -1 : 0); }},
         .savePosition = 28,
         .saveKey = "bRTLText",
         .saveDefault = Fixed(V::Boolean(false))},
    }};
    return rows;
}

const std::vector<const PersistedProperty*>& PersistedProperties::SaveRows() {
    static const std::vector<const PersistedProperty*> rows = [] {
        std::vector<const PersistedProperty*> saved;
        for (const auto& row : Rows())
            if (row.savePosition > 0) saved.push_back(&row);
        std::ranges::sort(saved, {}, &PersistedProperty::savePosition);
        return saved;
    }();
    return rows;
}

void raReruri::UserControl_InitProperties() {
    Trap([&] {
        style_ = 0;
        caption_ = userControl_->Extender().Name();
        userControl_->SetAccessKeys(host::AccessKeysFromCaption(caption_));
        iconSize_ = 16;
        icon_ = host::Picture::Empty();
        captionFormat_ = static_cast<std::int32_t>(win32::DT_CENTER | win32::DT_TOP | win32::DT_WORDBREAK);
        enabled_ = true;
        showFocus_ = false;
        useCustomColors_ = false;
        backColor_ = styles::TranslateColor(SystemColorRef(win32::COLOR_BTNFACE));
        highlightColor_ = styles::TranslateColor(SystemColorRef(win32::COLOR_HIGHLIGHT));
        fontColor_ = styles::TranslateColor(SystemColorRef(win32::COLOR_BTNTEXT));
        fontHighlightColor_ = styles::TranslateColor(SystemColorRef(win32::COLOR_BTNTEXT));
        aboutStyle_ = win32::GetWindowLongA(m_About->hWnd(), win32::GWL_STYLE);
        toolTipType_ = 1;
        captionAlign_ = 0;
        iconAlign_ = 1;
        contentMargin_ = 4;
    });
}

void raReruri::UserControl_ReadProperties(const host::PropertyBag& bag) {
    currentState_ = ButtonState::Normal;
    // A wrongly typed value ends the loading at its key and skips the rest,
    // the tracking set-up and the layout included.
    Trap([&] {
        for (const auto& row : PersistedProperties::Rows())
            row.load(*this, bag.ReadProperty(row.loadKey, row.loadDefault(*this)));
        if (userControl_->Ambient().UserMode) PrepareMouseTracking();
        UserControl_Resize();
    });
    // A button drawn disabled must not take input either, however far the
    // loading got; the caption's access key works as the caption shows it.
    Trap([&] {
        userControl_->SetEnabled(enabled_);
        userControl_->SetAccessKeys(host::AccessKeysFromCaption(caption_));
    });
}

void raReruri::UserControl_WriteProperties(host::PropertyBag& bag) {
    Trap([&] {
        for (const PersistedProperty* row : PersistedProperties::SaveRows()) {
            if (row->saveDefault)
                bag.WriteProperty(row->saveKey, row->value(*this), row->saveDefault(*this));
            else
                bag.WriteProperty(row->saveKey, row->value(*this));
        }
    });
}

}  // namespace control
