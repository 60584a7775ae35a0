// Style 6: drawn by a visual-style renderer when there is one, otherwise
// replaced by NonThemeStyle.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/user/UserExtensions.h"
#include "platform/uxtheme/UxTheme.h"
#include "tests/control/render/RenderButton.h"

using control::ButtonState;
using host::PropertyValue;
using namespace render_test;
using namespace win32;

namespace {

bool RegionEquals(HWND hwnd, HRGN expected) {
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    const bool same = GetWindowRgn(hwnd, actual) != 0 && EqualRgn(actual, expected);
    DeleteObject(actual);
    DeleteObject(expected);
    return same;
}

// Paints the part green and outlines it with a smaller rectangle.
class GreenTheme : public uxtheme::ThemeRenderer {
public:
    bool HasClass(std::u16string_view name) const override { return name == u"Button"; }
    HRESULT DrawBackground(std::u16string_view, HDC hdc, int part, int state, const RECT& rect,
                           const RECT*) override {
        states.push_back(state);
        parts.push_back(part);
        HBRUSH brush = CreateSolidBrush(0x00FF00);
        FillRect(hdc, &rect, brush);
        DeleteObject(brush);
        return S_OK;
    }
    HRESULT BackgroundRegion(std::u16string_view, HDC, int, int, const RECT& rect, HRGN* region) override {
        regionAsked = rect;
        *region = CreateRectRgn(2, 2, 50, 20);
        return S_OK;
    }
    std::vector<int> states, parts;
    RECT regionAsked{};
};

// Installs a renderer for one test, whatever way the test ends.
struct InstalledTheme {
    explicit InstalledTheme(uxtheme::ThemeRenderer& renderer) { uxtheme::SetThemeRenderer(&renderer); }
    ~InstalledTheme() { uxtheme::SetThemeRenderer(nullptr); }
};

}  // namespace

TEST(ThemedStyle, WithoutRendererBecomesNonThemeStyle) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(6)}, {"Caption", PropertyValue::String("")}}));
    EXPECT_EQ(b.control->Style(), 5);  // the loading default of "iNonThemeStyle"
    EXPECT_EQ(b.At(1, 1), 0x906E48u);  // and later paints draw style 5
    // The layout ran while the style was 6: the rectangle stays until the next one.
    EXPECT_TRUE(RegionEquals(b.Hwnd(), CreateRectRgn(0, 0, 107, 27)));
    b.control->SetCaption("");
    const POINT bevel[] = {{0, 1}, {1, 0}, {106, 0}, {107, 1}, {107, 25}, {105, 27}, {2, 27}, {0, 25}};
    EXPECT_TRUE(RegionEquals(b.Hwnd(), CreatePolygonRgn(bevel, 8, 1)));
}

TEST(ThemedStyle, AssigningStyle6EndsPaintedInTheFallback) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(0)}, {"iNonThemeStyle", PropertyValue::Long(5)}}));
    b.control->SetStyle(6);
    EXPECT_EQ(b.control->Style(), 5);
    EXPECT_EQ(b.control->ContentMargin(), 3);
    EXPECT_EQ(b.At(1, 1), 0x906E48u);
    const POINT bevel[] = {{0, 1}, {1, 0}, {106, 0}, {107, 1}, {107, 25}, {105, 27}, {2, 27}, {0, 25}};
    EXPECT_TRUE(RegionEquals(b.Hwnd(), CreatePolygonRgn(bevel, 8, 1)));
}

TEST(ThemedStyle, RendererDrawsTheFaceAndItsOutline) {
    GreenTheme theme;
    InstalledTheme installed(theme);
    const int openBefore = uxtheme::OpenThemeCount();
    {
        RenderButton b(Bag({{"Style", PropertyValue::Long(6)},
                            {"Caption", PropertyValue::String("")},
                            {"RoundedBordersByTheme", PropertyValue::Boolean(true)}}));
        EXPECT_EQ(b.control->Style(), 6);
        EXPECT_EQ(b.At(0, 0), 0x00FF00u);
        EXPECT_EQ(b.At(106, 26), 0x00FF00u);
        EXPECT_EQ(theme.regionAsked, (RECT{-1, -1, 108, 28}));
        EXPECT_TRUE(RegionEquals(b.Hwnd(), CreateRectRgn(2, 2, 50, 20)));
        b.Focus();  // focused and idle is handed over as Defaulted
        ASSERT_FALSE(theme.states.empty());
        EXPECT_EQ(theme.states.back(), static_cast<int>(ButtonState::Defaulted));
        b.Enter();
        EXPECT_EQ(theme.states.back(), static_cast<int>(ButtonState::Hot));
        EXPECT_EQ(theme.parts.back(), 1);
    }
    EXPECT_EQ(uxtheme::OpenThemeCount(), openBefore);
}

TEST(ThemedStyle, WithoutThemeBordersTheRectangleStays) {
    GreenTheme theme;
    InstalledTheme installed(theme);
    {
        RenderButton b(Bag({{"Style", PropertyValue::Long(6)},
                            {"Caption", PropertyValue::String("")},
                            {"RoundedBordersByTheme", PropertyValue::Boolean(false)}}));
        EXPECT_EQ(b.At(0, 0), 0x00FF00u);
        EXPECT_EQ(theme.regionAsked, (RECT{}));  // never asked
        EXPECT_TRUE(RegionEquals(b.Hwnd(), CreateRectRgn(0, 0, 107, 27)));
    }
}

// The outline is handed over with a redraw; handing over the same outline
// again from that repaint must not ask for yet another one, or the window
// would repaint for ever.
TEST(ThemedStyle, RepaintingWithTheSameOutlineSettles) {
    GreenTheme theme;
    InstalledTheme installed(theme);
    RenderButton b(Bag({{"Style", PropertyValue::Long(6)},
                        {"Caption", PropertyValue::String("")},
                        {"RoundedBordersByTheme", PropertyValue::Boolean(true)}}));
    PumpPendingMessages();
    EXPECT_EQ(PumpPendingMessages(), 0);
    EXPECT_TRUE(RegionEquals(b.Hwnd(), CreateRectRgn(2, 2, 50, 20)));
    const size_t painted = theme.states.size();
    InvalidateRect(b.Hwnd(), nullptr, TRUE);
    EXPECT_EQ(PumpPendingMessages(), 1);  // a real invalidation still repaints, once
    EXPECT_EQ(theme.states.size(), painted + 1);
    EXPECT_EQ(PumpPendingMessages(), 0);
}
