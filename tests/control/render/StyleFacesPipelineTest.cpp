// Styles 0 to 4 and 7 through a real control: each state reached by the
// real messages, toggles, the container's default button and a system
// colour change, at the program's 107 x 27 button size.
#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/control/render/FaceOn.h"
#include "tests/control/render/RenderButton.h"

using host::PropertyValue;
using render_test::Bag;
using render_test::Hex;
using render_test::RenderButton;
using win32::COLORREF;

namespace {

enum class Look { Normal, Focus, Hot, Pressed, Disabled };

constexpr COLORREF kFace = 0xC8D0D4;
constexpr COLORREF kShadow = 0x808080;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kHigh = 0x2060C0;  // HighlightColor

host::PropertyBag StyleBag(int style, bool enabled, bool custom) {
    return Bag({{"Style", PropertyValue::Long(style)},
                {"Caption", PropertyValue::String("")},
                {"ShowFocus", PropertyValue::Boolean(true)},
                {"Enabled", PropertyValue::Boolean(enabled)},
                {"USeCustomColors", PropertyValue::Boolean(custom)},
                {"BackColor", PropertyValue::Long(0x9A7B5C)},
                {"HighlightColor", PropertyValue::Long(kHigh)}});
}

void Reach(RenderButton& b, Look look) {
    if (look == Look::Focus) b.Focus();
    if (look == Look::Hot || look == Look::Pressed) b.Enter();
    if (look == Look::Pressed) b.Press();
}

}  // namespace

TEST(StyleFaces, EveryStyleAndStateThroughTheControl) {
    const struct {
        int style;
        Look look;
        bool custom;
        int x, y;
        COLORREF expected;
        const char* why;
    } rows[] = {
        {0, Look::Focus, false, 0, 0, 0x000000, "focus ring with ShowFocus"},
        {0, Look::Pressed, false, 1, 1, 0x404040, "sunken: dark shadow inside"},
        {0, Look::Disabled, true, 53, 13, kHigh, "disabled custom face is HighlightColor"},
        {1, Look::Pressed, false, 0, 0, kShadow, "one-pixel sunken"},
        {1, Look::Disabled, false, 0, 0, kFace, "no border"},
        {2, Look::Normal, false, 0, 0, kFace, "no border"},
        {2, Look::Hot, false, 0, 0, kWhite, "raised while hot"},
        {3, Look::Hot, false, 53, 13, 0xA4A8AA, "shadow and face mixed"},
        {3, Look::Pressed, false, 106, 0, kShadow, "free corner in the pressed face colour"},
        {4, Look::Hot, false, 106, 26, 0x6A240A, "highlight ring"},
        {4, Look::Pressed, false, 53, 13, 0xB49184, "highlight tint"},
        {4, Look::Disabled, false, 53, 13, 0xCED5D9, "lightened face"},
        {7, Look::Focus, false, 53, 1, 0x7F391F, "accent band, whatever ShowFocus says"},
        {7, Look::Pressed, false, 53, 13, 0xB7BFC3, "P = B-9; P-15 + 12 * 0.6 rounds to P-8"},
        {7, Look::Pressed, false, 0, 0, 0xE0E8EC, "the corner keeps the hot face the clear left"},
        {7, Look::Disabled, false, 53, 13, 0xDAE2E6, "F = B+18"},
        {7, Look::Hot, true, 53, 1, 0x3575D5, "band from HighlightColor"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.style << ": " << row.why);
        RenderButton b(StyleBag(row.style, row.look != Look::Disabled, row.custom));
        Reach(b, row.look);
        EXPECT_EQ(b.At(row.x, row.y), row.expected) << Hex(b.At(row.x, row.y));
    }
}

TEST(StyleFaces, ToggledButtonsAndTheDefaultButton) {
    RenderButton toggled(Bag({{"Style", PropertyValue::Long(1)},
                              {"ButtonType", PropertyValue::Long(1)},
                              {"Value", PropertyValue::Boolean(true)}}));
    EXPECT_EQ(toggled.At(0, 0), kShadow);  // drawn pressed without a pointer

    RenderButton byDefault(StyleBag(0, true, false));
    EXPECT_EQ(byDefault.At(0, 0), kFace);  // the classic 3-D light
    byDefault.control->UserControl().SetAmbientDisplayAsDefault(true);
    EXPECT_EQ(byDefault.At(0, 0), 0x000000u);
    EXPECT_EQ(byDefault.At(106, 26), 0x000000u);
}

// SetSysColors broadcasts the change; each control repaints from the new
// system colours.
TEST(StyleFaces, SystemColourChangeRepaintsTheFace) {
    const win32::INT indices[] = {win32::COLOR_BTNFACE, win32::COLOR_BTNSHADOW, win32::COLOR_HIGHLIGHT,
                                  win32::COLOR_WINDOW};
    const COLORREF colors[] = {0xC0C0C0, 0x206020, 0xFF0000, 0xF0F0F0};
    const struct {
        int style;
        Look look;
        int x, y;
        COLORREF expected;
        const char* why;
    } rows[] = {
        {0, Look::Normal, 53, 13, 0xC0C0C0, "face"},
        {1, Look::Normal, 106, 26, 0x206020, "shadow side"},
        {2, Look::Pressed, 53, 13, 0xC0C0C0, "face"},
        {3, Look::Hot, 53, 13, 0x709070, "face and shadow mixed"},
        {3, Look::Normal, 105, 1, 0x88A888, "window and shadow mixed"},
        {4, Look::Normal, 53, 13, 0xC7C7C7, "32 + 223 * 192 / 255"},
        {4, Look::Hot, 0, 0, 0xFF0000, "highlight ring"},
        {7, Look::Normal, 53, 13, 0xC8C8C8, "face + 8"},
        {7, Look::Hot, 53, 1, 0xFF1515, "band: highlight + 21"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.style << ": " << row.why);
        RenderButton b(StyleBag(row.style, true, false));
        Reach(b, row.look);
        win32::SetSysColors(4, indices, colors);
        EXPECT_EQ(b.At(row.x, row.y), row.expected) << Hex(b.At(row.x, row.y));
        win32::ResetSysColors();
    }
}
