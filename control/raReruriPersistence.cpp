#include "control/raReruriPersistence.h"

#include <algorithm>

#include "control/Trap.h"
#include "control/raReruri.h"
#include "platform/gdi/Font.h"
#include "control/styles/Colors.h"
#include "host/PropertyBag.h"
#include "platform/gdi/SysColors.h"

namespace control {
namespace {

using host::PropertyValue;
using V = PropertyValue;

PropertyValue SysColor(int index) { return V::Long(static_cast<std::int32_t>(win32::GetSysColor(index))); }

}  // namespace

// The rows follow the loading order; savePosition gives the saving order.
// Both orders, the key spellings and the defaults are what earlier versions
// of the control wrote and read, so their saved forms load unchanged: a
// missing "Style" loads as 3, an empty caption is not saved and loads back
// as "raReruri", and the tooltip colour keys default to the info text and
// info background colours the other way round from what their names suggest.
const std::array<PersistedProperty, PersistedProperties::kLoadCount>& PersistedProperties::Rows() {
    using R = raReruri;
    static const std::array<PersistedProperty, kLoadCount> rows = {{
        {"Icon", "Icon", [](const R&) { return V::Picture(nullptr); },
         [](R& c, const V& v) { c.icon_ = v.AsPicture(); }, 1, "Icon", nullptr,
         [](const R& c) { return V::Picture(c.icon_); }},
        {"Style", "Style", [](const R&) { return V::Integer(3); },
         [](R& c, const V& v) { c.style_ = v.AsLong(); }, 2, "Style", [](const R&) { return V::Integer(3); },
         [](const R& c) { return V::Long(c.style_); }},
        {"Caption", "Caption", [](const R&) { return V::String("raReruri"); },
         [](R& c, const V& v) { c.caption_ = v.AsString(); }, 3, "Caption",
         [](const R&) { return V::String(""); }, [](const R& c) { return V::String(c.caption_); }},
        {"IconSize", "IconSize", [](const R&) { return V::Integer(16); },
         [](R& c, const V& v) { c.iconSize_ = v.AsInteger(); }, 4, "IconSize",
         [](const R&) { return V::Integer(16); }, [](const R& c) { return V::Integer(c.iconSize_); }},
        {"CaptionAlign", "CaptionAlign", [](const R&) { return V::Long(0); },
         [](R& c, const V& v) { c.captionAlign_ = v.AsLong(); }, 6, "CaptionAlign",
         [](const R&) { return V::Long(0); }, [](const R& c) { return V::Long(c.captionAlign_); }},
        {"IconAlign", "IconAlign", [](const R&) { return V::Long(1); },
         [](R& c, const V& v) { c.iconAlign_ = v.AsLong(); }, 5, "IconAlign",
         [](const R&) { return V::Long(1); }, [](const R& c) { return V::Long(c.iconAlign_); }},
        {"NonThemeStyle", "iNonThemeStyle", [](const R&) { return V::Long(5); },
         [](R& c, const V& v) { c.nonThemeStyle_ = v.AsLong(); }, 7, "iNonThemeStyle",
         [](const R&) { return V::Long(5); }, [](const R& c) { return V::Long(c.nonThemeStyle_); }},
        {"Enabled", "Enabled", [](const R&) { return V::Boolean(true); },
         [](R& c, const V& v) { c.enabled_ = v.AsBoolean(); }, 8, "Enabled",
         [](const R&) { return V::Boolean(true); }, [](const R& c) { return V::Boolean(c.enabled_); }},
        {"ShowFocus", "ShowFocus", [](const R&) { return V::Boolean(false); },
         [](R& c, const V& v) { c.showFocus_ = v.AsBoolean(); }, 9, "ShowFocus",
         [](const R&) { return V::Boolean(false); }, [](const R& c) { return V::Boolean(c.showFocus_); }},
        {"UseCustomColors", "USeCustomColors", [](const R&) { return V::Boolean(false); },
         [](R& c, const V& v) { c.useCustomColors_ = v.AsBoolean(); }, 10, "USeCustomColors",
         [](const R&) { return V::Boolean(false); },
         [](const R& c) { return V::Boolean(c.useCustomColors_); }},
        {"BackColor", "BackColor", [](const R&) { return SysColor(win32::COLOR_BTNFACE); },
         [](R& c, const V& v) { c.backColor_ = v.AsLong(); }, 11, "BackColor",
         [](const R&) { return SysColor(win32::COLOR_BTNFACE); },
         [](const R& c) { return V::Long(c.backColor_); }},
        {"HighlightColor", "HighlightColor", [](const R&) { return SysColor(win32::COLOR_HIGHLIGHT); },
         [](R& c, const V& v) { c.highlightColor_ = v.AsLong(); }, 12, "HighlightColor",
         [](const R&) { return SysColor(win32::COLOR_HIGHLIGHT); },
         [](const R& c) { return V::Long(c.highlightColor_); }},
        {"FontColor", "FontColor", [](const R&) { return SysColor(win32::COLOR_BTNTEXT); },
         [](R& c, const V& v) { c.fontColor_ = v.AsLong(); }, 13, "FontColor",
         [](const R&) { return SysColor(win32::COLOR_BTNTEXT); },
         [](const R& c) { return V::Long(c.fontColor_); }},
        {"FontHighlightColor", "FontHighlightColor", [](const R&) { return SysColor(win32::COLOR_BTNTEXT); },
         [](R& c, const V& v) { c.fontHighlightColor_ = v.AsLong(); }, 14, "FontHighlightColor",
         [](const R&) { return SysColor(win32::COLOR_BTNTEXT); },
         [](const R& c) { return V::Long(c.fontHighlightColor_); }},
        // The container's copy of the tooltip text is what gets saved; it is
        // read first into the container, then once more into the control.
        {"Extender.ToolTipText", "ToolTipText", [](const R& c) { return V::String(c.toolTipText_); },
         [](R& c, const V& v) { c.userControl_->Extender().SetToolTipText(v.AsString()); }, 15, "ToolTipText",
         nullptr, [](const R& c) { return V::String(c.userControl_->Extender().ToolTipText()); }},
        {"ToolTipText", "ToolTipText", [](const R&) { return V::String(""); },
         [](R& c, const V& v) { c.toolTipText_ = v.AsString(); }, 0, "", nullptr,
         [](const R& c) { return V::String(c.toolTipText_); }},
        {"ToolTipTitle", "Tooltiptitle", [](const R&) { return V::String(""); },
         [](R& c, const V& v) { c.toolTipTitle_ = v.AsString(); }, 16, "ToolTipTitle", nullptr,
         [](const R& c) { return V::String(c.toolTipTitle_); }},
        {"ToolTipIcon", "ToolTipIcon", [](const R&) { return V::Long(0); },
         [](R& c, const V& v) { c.toolTipIcon_ = v.AsLong(); }, 17, "ToolTipIcon", nullptr,
         [](const R& c) { return V::Long(c.toolTipIcon_); }},
        {"ToolTipType", "ToolTipType", [](const R&) { return V::Long(1); },
         [](R& c, const V& v) { c.toolTipType_ = v.AsLong(); }, 18, "ToolTipType", nullptr,
         [](const R& c) { return V::Long(c.toolTipType_); }},
        {"ToolTipBackColor", "ttBackColor", [](const R&) { return SysColor(win32::COLOR_INFOTEXT); },
         [](R& c, const V& v) { c.toolTipBackColor_ = v.AsLong(); }, 19, "ttBackColor",
         [](const R&) { return SysColor(win32::COLOR_INFOTEXT); },
         [](const R& c) { return V::Long(c.toolTipBackColor_); }},
        {"ToolTipForeColor", "ttForeColor", [](const R&) { return SysColor(win32::COLOR_INFOBK); },
         [](R& c, const V& v) { c.toolTipForeColor_ = v.AsLong(); }, 20, "ttForeColor",
         [](const R&) { return SysColor(win32::COLOR_INFOBK); },
         [](const R& c) { return V::Long(c.toolTipForeColor_); }},
        {"Font", "Font", [](const R& c) { return V::Font(c.userControl_->GetFont()); },
         [](R& c, const V& v) {
             c.font_ = v.AsFont();
             c.userControl_->SetFont(c.font_);
         },
         21, "Font", nullptr, [](const R& c) { return V::Font(c.userControl_->GetFont()); }},
        {"ButtonType", "ButtonType", [](const R&) { return V::Long(R::kPushButton); },
         [](R& c, const V& v) { c.buttonType_ = v.AsLong(); }, 22, "ButtonType",
         [](const R&) { return V::Long(0); }, [](const R& c) { return V::Long(c.buttonType_); }},
        {"Value", "Value", [](const R&) { return V::Boolean(false); },
         [](R& c, const V& v) { c.value_ = v.AsBoolean(); }, 23, "Value",
         [](const R&) { return V::Boolean(false); }, [](const R& c) { return V::Boolean(c.value_); }},
        {"UseMaskColor", "UseMaskColor", [](const R&) { return V::Boolean(false); },
         [](R& c, const V& v) { c.useMaskColor_ = v.AsBoolean(); }, 25, "UseMaskColor",
         [](const R&) { return V::Boolean(false); }, [](const R& c) { return V::Boolean(c.useMaskColor_); }},
        {"MaskColor", "MaskColor", [](const R&) { return V::Long(0xC0C0C0); },
         [](R& c, const V& v) { c.maskColor_ = v.AsLong(); }, 24, "MaskColor",
         [](const R&) { return V::Long(0xC0C0C0); }, [](const R& c) { return V::Long(c.maskColor_); }},
        {"MousePointer", "MousePointer", [](const R&) { return V::Integer(0); },
         [](R& c, const V& v) { c.userControl_->SetMousePointer(v.AsInteger()); }, 26, "MousePointer",
         [](const R&) { return V::Integer(0); },
         [](const R& c) { return V::Integer(c.userControl_->MousePointer()); }},
        {"RoundedBordersByTheme", "RoundedBordersByTheme", [](const R&) { return V::Boolean(true); },
         [](R& c, const V& v) { c.roundedBordersByTheme_ = v.AsBoolean(); }, 27, "RoundedBordersByTheme",
         [](const R&) { return V::Boolean(true); },
         [](const R& c) { return V::Boolean(c.roundedBordersByTheme_); }},
        {"RightToLeft", "bRTLText", [](const R&) { return V::Boolean(false); },
         [](R& c, const V& v) { c.rightToLeft_ = v.AsBoolean(); }, 28, "bRTLText",
         [](const R&) { return V::Boolean(false); },
         [](const R& c) { return V::Long(c.rightToLeft_ ? -1 : 0); }},
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
    // loading got.
    Trap([&] { userControl_->SetEnabled(enabled_); });
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
