// Styles 8, 9 and 10 through a real control: the pipeline hands each painter
// the state (toggle buttons included), focus, colours and size, and leaves
// the margin the style asks for.
#include <gtest/gtest.h>

#include "control/styles/GlossyCapsule.h"
#include "control/styles/ShadowedRounded.h"
#include "control/styles/SoftBevel.h"
#include "tests/control/render/RenderButton.h"
#include "tests/control/render/SurfaceCompare.h"

using control::ButtonState;
using host::PropertyValue;
using namespace render_test;

TEST(ShapedStylesPipeline, SurfaceInEveryState) {
    const struct {
        const char* name;
        int style;
        bool custom, enabled, focus, hot, pressed, toggled;
        ButtonState state;
        control::styles::FacePainter paint;
        int margin;
    } rows[] = {
        {"8-custom-focused", 8, true, true, true, false, false, false, ButtonState::Normal,
         control::styles::PaintShadowedRounded, 4},
        {"8-hot", 8, false, true, false, true, false, false, ButtonState::Hot,
         control::styles::PaintShadowedRounded, 4},
        {"9-custom-pressed", 9, true, true, false, true, true, false, ButtonState::Pressed,
         control::styles::PaintSoftBevel, 6},
        {"9-disabled", 9, false, false, false, false, false, false, ButtonState::Disabled,
         control::styles::PaintSoftBevel, 6},
        {"10-focused", 10, true, true, true, false, false, false, ButtonState::Normal,
         control::styles::PaintGlossyCapsule, 7},
        {"10-toggled", 10, false, true, false, false, false, true, ButtonState::Pressed,
         control::styles::PaintGlossyCapsule, 7},
        {"10-disabled", 10, false, false, false, false, false, false, ButtonState::Disabled,
         control::styles::PaintGlossyCapsule, 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RenderButton b(Bag({{"Style", PropertyValue::Long(row.style)},
                            {"Caption", PropertyValue::String("")},
                            {"USeCustomColors", PropertyValue::Boolean(row.custom)},
                            {"BackColor", PropertyValue::Long(0x9A7B5C)},
                            {"HighlightColor", PropertyValue::Long(0x2060C0)},
                            {"ButtonType", PropertyValue::Long(row.toggled ? 1 : 0)},
                            {"Value", PropertyValue::Boolean(row.toggled)},
                            {"Enabled", PropertyValue::Boolean(row.enabled)}}));
        if (row.focus) b.Focus();
        if (row.hot) b.Enter();
        if (row.pressed) b.Press();
        EXPECT_EQ(b.control->CurrentState(), row.state);
        EXPECT_EQ(b.control->ContentMargin(), row.margin);
        Surface expected(107, 27, 0xC8D0D4);  // the surface's back colour, the button face
        auto face = FaceOn(expected, row.state);
        face.hasFocus = row.focus;
        face.useCustomColors = row.custom;
        face.backColor = 0x9A7B5C;
        face.highlightColor = 0x2060C0;
        row.paint(face);
        EXPECT_TRUE(SameSurface(b.dc(), expected, row.name));
    }
}
