// Style 8: frame, shadow, inner edges and body ramp, exact on small faces.
#include <gtest/gtest.h>

#include "control/styles/ShadowedRounded.h"
#include "tests/control/render/GuardedFace.h"

using control::ButtonState;
using render_test::ColumnIs;
using render_test::GuardedFace;
using render_test::RowIs;

namespace {

// Every colour as worked out from the base colours of one case.
struct Look {
    win32::COLORREF face, frame, shadow, shadowCorner, light, rampTop, rampBottom;
};

struct Case {
    const char* why;
    ButtonState state;
    bool custom, focus;
    Look look;
};

// BackColor 0xC0C0C0 and HighlightColor 0x806040 where custom; otherwise the
// classic button face 0xC8D0D4.
// clang-format off
const Case kCases[] = {
    {"idle custom: F = K = C0, R = K-48", ButtonState::Normal, true, false,
     {0xC0C0C0, 0x909090, 0xA5A5A5, 0xB4B4B4, 0xFFFFFF, 0xCFCFCF, 0xB1B1B1}},
    {"focus darkens the frame to K-96", ButtonState::Normal, true, true,
     {0xC0C0C0, 0x606060, 0x757575, 0x848484, 0xFFFFFF, 0xCFCFCF, 0xB1B1B1}},
    {"pressed takes HighlightColor, ignores focus", ButtonState::Pressed, true, true,
     {0x806040, 0x909090, 0xA5A5A5, 0xB4B4B4, 0xE0C0A0, 0x715131, 0x8F6F4F}},
    {"disabled shows the highlight face", ButtonState::Disabled, true, false,
     {0x806040, 0x909090, 0xA5A5A5, 0xB4B4B4, 0xE0C0A0, 0x8F6F4F, 0x715131}},
    {"idle system colours", ButtonState::Normal, false, false,
     {0xC8D0D4, 0x98A0A4, 0xADB5B9, 0xBCC4C8, 0xFFFFFF, 0xD7DFE3, 0xB9C1C5}},
    {"hot system: face + 15, focused frame face - 96", ButtonState::Hot, false, true,
     {0xD7DFE3, 0x687074, 0x7D8589, 0x8C9498, 0xFFFFFF, 0xE6EEF2, 0xC8D0D4}},
    {"pressed system", ButtonState::Pressed, false, false,
     {0xD7DFE3, 0x98A0A4, 0xADB5B9, 0xBCC4C8, 0xFFFFFF, 0xC8D0D4, 0xE6EEF2}},
};
// clang-format on

void Paint(GuardedFace& g, const Case& c) {
    auto face = g.Face(c.state);
    face.useCustomColors = c.custom;
    face.hasFocus = c.focus;
    face.backColor = 0xC0C0C0;
    face.highlightColor = 0x806040;
    control::styles::PaintShadowedRounded(face);
}

void ExpectLook(const GuardedFace& g, const Look& l, bool pressed) {
    const auto& s = g.surface;
    const int w = g.w, h = g.h;
    // Cut corners outside the frame, and the three the shadow never reaches.
    // clang-format off
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {w - 2, 0}, {w - 3, 0}, {w - 2, 1},
                        {0, h - 2}, {1, h - 2}, {0, h - 3}, {w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}})
        EXPECT_EQ(g.At(x, y), l.face) << "(" << x << ", " << y << ")";
    // clang-format on
    EXPECT_TRUE(RowIs(s, 0, 2, w - 4, l.frame));
    EXPECT_TRUE(RowIs(s, h - 2, 2, w - 4, l.frame));
    EXPECT_TRUE(ColumnIs(s, 0, 2, h - 4, l.frame));
    EXPECT_TRUE(ColumnIs(s, w - 2, 2, h - 4, l.frame));
    for (auto [x, y] : {std::pair{1, 1}, {1, h - 3}, {w - 3, 1}, {w - 3, h - 3}})
        EXPECT_EQ(g.At(x, y), l.frame);
    EXPECT_TRUE(RowIs(s, h - 1, 3, w - 5, l.shadow));
    EXPECT_TRUE(ColumnIs(s, w - 1, 3, h - 5, l.shadow));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.At(w - 4 + i, h - 1 - i), l.shadow) << "diagonal " << i;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(g.At(w - 3 + i, h - 1 - i), l.shadowCorner) << "diagonal " << i;
    const win32::COLORREF topLeft = pressed ? l.face : l.light;
    EXPECT_TRUE(RowIs(s, 1, 2, w - 4, topLeft));
    EXPECT_TRUE(ColumnIs(s, 1, 2, h - 4, topLeft));
    EXPECT_TRUE(RowIs(s, h - 3, 2, w - 4, pressed ? l.light : l.face));
    // Six rows high, the ramp has no steps and draws nothing.
    EXPECT_TRUE(RowIs(s, 2, 2, w - 4, h > 6 ? l.rampTop : l.face));
    EXPECT_TRUE(RowIs(s, h - 4, 2, w - 4, h > 6 ? l.rampBottom : l.face));
    EXPECT_TRUE(ColumnIs(s, w - 3, 2, h - 4, l.face));  // no right inner edge
    EXPECT_TRUE(g.GuardIntact());
}

}  // namespace

TEST(ShadowedRounded, EveryStateAndColourSource) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.why);
        GuardedFace g(40, 20);
        Paint(g, c);
        ExpectLook(g, c.look, c.state == ButtonState::Pressed);
    }
}

TEST(ShadowedRounded, SmallestWideTallAndRampless) {
    const struct { int w, h; } sizes[] = {{20, 20}, {200, 24}, {24, 60}, {30, 6}};
    for (auto [w, h] : sizes) {
        for (int i : {1, 2}) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " " << kCases[i].why);
            GuardedFace g(w, h);
            Paint(g, kCases[i]);
            ExpectLook(g, kCases[i].look, kCases[i].state == ButtonState::Pressed);
        }
    }
}
