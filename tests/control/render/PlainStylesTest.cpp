// Styles 0 to 4 painted alone: every pixel of small and large faces, worked
// out from the rings of the system edge, the double frame and the tints,
// with a guard strip right of and below the face that must stay untouched.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/control/render/FaceOn.h"

using control::ButtonState;
using control::styles::FacePainter;
using control::styles::FaceState;
using render_test::FaceOn;
using render_test::kMagenta;
using render_test::PixelsAre;
using render_test::Surface;
using win32::COLORREF;

namespace {

constexpr COLORREF kGuard = 0xFF00FF;  // the test surface's fill
constexpr COLORREF kFace = 0xC8D0D4;   // button face 212,208,200
constexpr COLORREF kShadow = 0x808080;
constexpr COLORREF kWhite = 0xFFFFFF;      // button highlight, window
constexpr COLORREF kDark = 0x404040;       // 3-D dark shadow
constexpr COLORREF kSelection = 0x6A240A;  // system highlight 10,36,106
// The classic 3-D light equals the face; the tests give it a colour of its own.
constexpr COLORREF kLight = 0xD8E0E8;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kBack = 0x9A7B5C;  // BackColor
constexpr COLORREF kHigh = 0x2060C0;  // HighlightColor
constexpr COLORREF kNone = 0xFFFFFFFF;

enum Flags { kCustom = 1, kFocus = 2, kShowFocus = 4, kDefault = 8 };

struct Size {
    int w, h;
};
// The smallest face the control allows, two small ones and a large one.
constexpr Size kSizes[] = {{40, 20}, {20, 20}, {60, 13}, {400, 120}};

class PlainStyles : public ::testing::Test {
protected:
    void SetUp() override {
        const win32::INT index = win32::COLOR_3DLIGHT;
        win32::SetSysColors(1, &index, &kLight);
    }
    void TearDown() override { win32::ResetSysColors(); }
};

FaceState Snapshot(Surface& s, ButtonState state, int flags, Size size) {
    FaceState face = FaceOn(s, state, size.w, size.h);
    face.useCustomColors = flags & kCustom;
    face.hasFocus = flags & kFocus;
    face.showFocus = flags & kShowFocus;
    face.displayAsDefault = flags & kDefault;
    face.backColor = static_cast<std::int32_t>(kBack);
    face.highlightColor = static_cast<std::int32_t>(kHigh);
    return face;
}

// Paints a face two pixels narrower and lower than its surface.
Surface& Paint(Surface& s, FacePainter paint, ButtonState state, int flags, Size size) {
    paint(Snapshot(s, state, flags, size));
    return s;
}

// The system edge: up to two rings around a flat centre. In each ring the
// right/bottom colour owns the top-right and bottom-left corners.
struct Rings {
    COLORREF outerLT, outerRB, innerLT, innerRB;
};
constexpr Rings kRaised{kLight, kDark, kWhite, kShadow};
constexpr Rings kSunken{kShadow, kWhite, kDark, kLight};
constexpr Rings kRaisedThin{kWhite, kShadow, kNone, kNone};
constexpr Rings kSunkenThin{kShadow, kWhite, kNone, kNone};
constexpr Rings kFlat{kNone, kNone, kNone, kNone};

COLORREF EdgePixel(const Rings& r, COLORREF centre, Size size, int x, int y) {
    const int w = size.w, h = size.h;
    if (x >= w || y >= h) return kGuard;
    const int depth = std::min({x, y, w - 1 - x, h - 1 - y});
    COLORREF ring = kNone;
    if (depth == 0) ring = (x == w - 1 || y == h - 1) ? r.outerRB : r.outerLT;
    if (depth == 1) ring = (x == w - 2 || y == h - 2) ? r.innerRB : r.innerLT;
    return ring == kNone ? centre : ring;
}

}  // namespace

TEST_F(PlainStyles, EdgeStylesInEveryStateAndPalette) {
    using control::styles::PaintHoverEdge;
    using control::styles::PaintRaisedEdge;
    using control::styles::PaintThinEdge;
    constexpr Rings kRingRaised{kBlack, kBlack, kWhite, kShadow};
    constexpr Rings kRingSunken{kBlack, kBlack, kDark, kLight};
    const struct {
        const char* why;
        FacePainter paint;
        ButtonState state;
        int flags;
        Rings rings;
        COLORREF centre;
    } rows[] = {
        {"0 normal", PaintRaisedEdge, ButtonState::Normal, 0, kRaised, kFace},
        {"0 hot", PaintRaisedEdge, ButtonState::Hot, 0, kRaised, kFace},
        {"0 pressed", PaintRaisedEdge, ButtonState::Pressed, 0, kSunken, kFace},
        {"0 disabled", PaintRaisedEdge, ButtonState::Disabled, 0, kRaised, kFace},
        {"0 custom: BackColor only when normal", PaintRaisedEdge, ButtonState::Normal, kCustom, kRaised,
         kBack},
        {"0 custom hot", PaintRaisedEdge, ButtonState::Hot, kCustom, kRaised, kHigh},
        {"0 custom pressed", PaintRaisedEdge, ButtonState::Pressed, kCustom, kSunken, kHigh},
        {"0 custom disabled takes HighlightColor", PaintRaisedEdge, ButtonState::Disabled, kCustom, kRaised,
         kHigh},
        {"0 focus without ShowFocus: no ring", PaintRaisedEdge, ButtonState::Normal, kFocus, kRaised, kFace},
        {"0 focus with ShowFocus", PaintRaisedEdge, ButtonState::Normal, kFocus | kShowFocus, kRingRaised,
         kFace},
        {"0 ring over the sunken edge", PaintRaisedEdge, ButtonState::Pressed, kFocus | kShowFocus,
         kRingSunken, kFace},
        {"0 the container's default", PaintRaisedEdge, ButtonState::Normal, kDefault, kRingRaised, kFace},
        {"0 default but focused: ShowFocus decides", PaintRaisedEdge, ButtonState::Normal, kDefault | kFocus,
         kRaised, kFace},
        {"1 normal", PaintThinEdge, ButtonState::Normal, 0, kRaisedThin, kFace},
        {"1 hot", PaintThinEdge, ButtonState::Hot, 0, kRaisedThin, kFace},
        {"1 pressed", PaintThinEdge, ButtonState::Pressed, 0, kSunkenThin, kFace},
        {"1 disabled: no border", PaintThinEdge, ButtonState::Disabled, 0, kFlat, kFace},
        {"1 custom normal", PaintThinEdge, ButtonState::Normal, kCustom, kRaisedThin, kBack},
        {"1 custom hot", PaintThinEdge, ButtonState::Hot, kCustom, kRaisedThin, kHigh},
        {"1 custom pressed", PaintThinEdge, ButtonState::Pressed, kCustom, kSunkenThin, kHigh},
        {"1 custom disabled keeps BackColor", PaintThinEdge, ButtonState::Disabled, kCustom, kFlat, kBack},
        {"1 draws no focus ring", PaintThinEdge, ButtonState::Normal, kFocus | kShowFocus | kDefault,
         kRaisedThin, kFace},
        {"2 normal: no border", PaintHoverEdge, ButtonState::Normal, 0, kFlat, kFace},
        {"2 hot", PaintHoverEdge, ButtonState::Hot, 0, kRaisedThin, kFace},
        {"2 pressed", PaintHoverEdge, ButtonState::Pressed, 0, kSunkenThin, kFace},
        {"2 disabled", PaintHoverEdge, ButtonState::Disabled, 0, kFlat, kFace},
        {"2 custom normal", PaintHoverEdge, ButtonState::Normal, kCustom, kFlat, kBack},
        {"2 custom hot", PaintHoverEdge, ButtonState::Hot, kCustom, kRaisedThin, kHigh},
        {"2 custom pressed", PaintHoverEdge, ButtonState::Pressed, kCustom, kSunkenThin, kHigh},
        {"2 custom disabled", PaintHoverEdge, ButtonState::Disabled, kCustom, kFlat, kBack},
    };
    for (const Size size : kSizes)
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << row.why << " at " << size.w << "x" << size.h);
            Surface s(size.w + 2, size.h + 2, kMagenta);
            Paint(s, row.paint, row.state, row.flags, size);
            EXPECT_TRUE(
                PixelsAre(s, [&](int x, int y) { return EdgePixel(row.rings, row.centre, size, x, y); }));
        }
}

// A shadow ring over columns 0..W-2 and rows 0..H-2, a window ring one pixel
// down and right that wins where they cross, the two free corners in the
// face colour and the two meeting points in the mix of the rings.
TEST_F(PlainStyles, EtchedFrameFaceFollowsTheState) {
    constexpr COLORREF kMeeting = 0xC0C0C0;  // (255 + 128) / 2 = 191.5, to even 192
    const struct {
        ButtonState state;
        int flags;
        COLORREF face;
        const char* why;
    } rows[] = {
        {ButtonState::Normal, 0, kFace, "button face"},
        {ButtonState::Hot, 0, 0xA4A8AA, "shadow and face mixed: 170,168,164"},
        {ButtonState::Pressed, 0, kShadow, "shadow, the free corners too"},
        {ButtonState::Disabled, kFocus | kShowFocus, kFace, "focus changes nothing"},
        {ButtonState::Normal, kCustom, kBack, "BackColor"},
        {ButtonState::Hot, kCustom, 0x5D6E8E, "HighlightColor and BackColor mixed: 142,110 (109.5),93"},
        {ButtonState::Pressed, kCustom, kHigh, "HighlightColor"},
        {ButtonState::Disabled, kCustom, kBack, "BackColor"},
    };
    for (const Size size : kSizes)
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << row.why << " at " << size.w << "x" << size.h);
            Surface s(size.w + 2, size.h + 2, kMagenta);
            Paint(s, control::styles::PaintEtchedFrame, row.state, row.flags, size);
            const int w = size.w, h = size.h;
            EXPECT_TRUE(PixelsAre(s, [&](int x, int y) -> COLORREF {
                if (x >= w || y >= h) return kGuard;
                if ((x == 0 && y == h - 1) || (x == w - 1 && y == 0)) return row.face;
                if ((x == 1 && y == h - 2) || (x == w - 2 && y == 1)) return kMeeting;
                if (x >= 1 && y >= 1 && (x == 1 || y == 1 || x == w - 1 || y == h - 1)) return kWhite;
                if (x == 0 || y == 0 || x == w - 2 || y == h - 2) return kShadow;
                return row.face;
            }));
        }
}

// Hot and pressed: the tint over columns 0..W-2 and rows 0..H-2, the ring on
// the outermost pixels. Otherwise one flat colour over everything.
TEST_F(PlainStyles, TintedFlatFillsAndRings) {
    const struct {
        ButtonState state;
        int flags;
        COLORREF fill, ring;
        const char* why;
    } rows[] = {
        {ButtonState::Normal, 0, 0xCED5D9, kNone, "face lightened by 32: 217,213,206"},
        {ButtonState::Disabled, kFocus, 0xCED5D9, kNone, "as normal"},
        {ButtonState::Hot, 0, 0xD0BBB3, kSelection, "highlight lightened by 176: 179,187,208"},
        {ButtonState::Pressed, 0, 0xB49184, kSelection, "by 128: 132,145,180"},
        {ButtonState::Normal, kCustom, 0xA68B70, kNone, "BackColor lightened by 32: 112,139,166"},
        {ButtonState::Disabled, kCustom, 0xA68B70, kNone, "as normal"},
        {ButtonState::Hot, kCustom, 0xB9CDEB, kHigh, "HighlightColor by 176: 235,205,185"},
        {ButtonState::Pressed, kCustom, 0x8FAFDF, kHigh, "by 128: 223,175,143"},
    };
    for (const Size size : kSizes)
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << row.why << " at " << size.w << "x" << size.h);
            Surface s(size.w + 2, size.h + 2, kMagenta);
            Paint(s, control::styles::PaintTintedFlat, row.state, row.flags, size);
            const int w = size.w, h = size.h;
            EXPECT_TRUE(PixelsAre(s, [&](int x, int y) -> COLORREF {
                if (x >= w || y >= h) return kGuard;
                const bool outer = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                return outer && row.ring != kNone ? row.ring : row.fill;
            }));
        }
}

TEST_F(PlainStyles, TintedFlatOfPureBlueAndOnePixelWide) {
    Surface s(40, 20, kMagenta);
    FaceState face = Snapshot(s, ButtonState::Hot, kCustom, {40, 20});
    face.highlightColor = 0xFF0000;
    control::styles::PaintTintedFlat(face);
    EXPECT_EQ(s.At(20, 10), 0xFFB0B0u);
    EXPECT_EQ(s.At(39, 19), 0xFF0000u);
    face.state = ButtonState::Pressed;
    control::styles::PaintTintedFlat(face);
    EXPECT_EQ(s.At(20, 10), 0xFF8080u);

    // One column: the tint's rectangle is empty, only the ring shows.
    Surface thin(3, 20, kMagenta);
    control::styles::PaintTintedFlat(Snapshot(thin, ButtonState::Hot, 0, {1, 20}));
    EXPECT_TRUE(render_test::ColumnIs(thin, 0, 0, 19, kSelection));
    EXPECT_TRUE(render_test::ColumnIs(thin, 1, 0, 19, kGuard));
}
