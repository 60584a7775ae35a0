#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/uxtheme/UxTheme.h"

using namespace win32;

namespace {

// Knows "Button" only and records what it was asked to draw.
class FakeRenderer : public uxtheme::ThemeRenderer {
public:
    bool HasClass(std::u16string_view name) const override { return name == u"Button"; }
    HRESULT DrawBackground(std::u16string_view name, HDC, int part, int state, const RECT& rect,
                           const RECT*) override {
        drawn.push_back({std::u16string(name), part, state, rect});
        return S_OK;
    }
    HRESULT BackgroundRegion(std::u16string_view, HDC, int, int, const RECT&, HRGN*) override {
        return E_NOTIMPL;
    }
    struct Call {
        std::u16string name;
        int part, state;
        RECT rect;
    };
    std::vector<Call> drawn;
};

struct RendererGuard {
    explicit RendererGuard(uxtheme::ThemeRenderer* r) { uxtheme::SetThemeRenderer(r); }
    ~RendererGuard() { uxtheme::SetThemeRenderer(nullptr); }
};

}  // namespace

TEST(UxTheme, WithoutRendererThemesAreOff) {
    EXPECT_EQ(OpenThemeData(nullptr, u"Button"), nullptr);
    EXPECT_FALSE(IsThemeActive());
    const RECT r{0, 0, 10, 10};
    EXPECT_TRUE(FAILED(DrawThemeBackground(nullptr, nullptr, 1, 1, &r, &r)));
    HRGN rgn = reinterpret_cast<HRGN>(1);
    EXPECT_TRUE(FAILED(GetThemeBackgroundRegion(nullptr, nullptr, 1, 1, &r, &rgn)));
}

TEST(UxTheme, ClassListPicksFirstKnownClassAndHandlesBalance) {
    FakeRenderer renderer;
    RendererGuard guard(&renderer);
    const int before = uxtheme::OpenThemeCount();

    EXPECT_EQ(OpenThemeData(nullptr, u"Edit"), nullptr);
    HTHEME theme = OpenThemeData(nullptr, u"Edit; Button");
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(uxtheme::OpenThemeCount(), before + 1);

    const RECT r{0, 0, 20, 8};
    EXPECT_EQ(DrawThemeBackground(theme, nullptr, 1, 5, &r, &r), S_OK);
    ASSERT_EQ(renderer.drawn.size(), 1u);
    EXPECT_EQ(renderer.drawn[0].name, u"Button");
    EXPECT_EQ(renderer.drawn[0].state, 5);
    EXPECT_EQ(renderer.drawn[0].rect, r);

    EXPECT_EQ(CloseThemeData(theme), S_OK);
    EXPECT_EQ(uxtheme::OpenThemeCount(), before);
    // A closed handle is stale: it neither draws nor closes twice.
    EXPECT_TRUE(FAILED(DrawThemeBackground(theme, nullptr, 1, 1, &r, &r)));
    EXPECT_TRUE(FAILED(CloseThemeData(theme)));
    EXPECT_EQ(renderer.drawn.size(), 1u);
}
