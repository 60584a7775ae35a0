#include <gtest/gtest.h>

#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

TEST(SysColors, ClassicSchemeByDefault) {
    ResetSysColors();
    const std::pair<int, COLORREF> expected[] = {
        {COLOR_SCROLLBAR, RGB(212, 208, 200)},
        {COLOR_BACKGROUND, RGB(58, 110, 165)},
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
        {COLOR_BTNFACE, RGB(212, 208, 200)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
        {25, RGB(181, 181, 181)},
        {COLOR_HOTLIGHT, RGB(0, 0, 128)},
        {COLOR_GRADIENTINACTIVECAPTION, RGB(192, 192, 192)},
        {COLOR_MENUBAR, RGB(212, 208, 200)},
    };
    for (auto [index, color] : expected) EXPECT_EQ(GetSysColor(index), color) << index;
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(31), 0u);
    EXPECT_EQ(GetSysColorBrush(31), nullptr);
}

TEST(SysColors, SetSysColorsChangesColoursBrushesAndTellsListeners) {
    int calls = 0;
    const SysColorListenerId id = AddSysColorChangeListener([&] { ++calls; });
    const INT indices[] = {COLOR_BTNFACE, 99};
    const COLORREF colors[] = {RGB(1, 2, 250), RGB(9, 9, 9)};
    EXPECT_TRUE(SetSysColors(2, indices, colors));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(1, 2, 250));

    Surface canvas(2, 1);
    const RECT left{0, 0, 1, 1}, right{1, 0, 2, 1};
    FillRect(canvas.dc(), &left, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(canvas.dc(), &right, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 250));
    EXPECT_EQ(canvas.At(1, 0), RGB(1, 2, 250));

    ResetSysColors();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    RemoveSysColorChangeListener(id);
    SetSysColors(2, indices, colors);
    ResetSysColors();
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace corvalmire::test
