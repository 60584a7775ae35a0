#include <gtest/gtest.h>

#include "platform/gdi/GdiExtensions.h"
#include "platform/ole/OleColor.h"

namespace corvalmire::test {
namespace {

using namespace win32;

TEST(OleTranslateColor, ResolvesSystemColoursAndRejectsBadValues) {
    ResetSysColors();
    struct Case {
        OLE_COLOR in;
        HRESULT result;
        COLORREF out;
    };
    const Case cases[] = {
        {0x8000000F, S_OK, 0x00C8D0D4},                  // button face 212,208,200
        {0x80FFFF0F, S_OK, 0x00C8D0D4},                  // the middle bytes are ignored
        {0x80000000 | COLOR_MENUBAR, S_OK, 0x00C8D0D4},  // the last index
        {0x8000001F, E_INVALIDARG, 0xBAD},               // one past it: result untouched
        {0x800000FF, E_INVALIDARG, 0xBAD},
        {0x00123456, S_OK, 0x00123456},  // plain RGB passes through
        {0x01000005, S_OK, 0x01000005},  // palette index
        {0x02123456, S_OK, 0x02123456},  // palette-relative
        {0x40000000, E_INVALIDARG, 0xBAD},
    };
    for (const Case& c : cases) {
        COLORREF out = 0xBAD;
        EXPECT_EQ(OleTranslateColor(c.in, nullptr, &out), c.result) << std::hex << c.in;
        EXPECT_EQ(out, c.out) << std::hex << c.in;
    }
    EXPECT_EQ(OleTranslateColor(0x8000000F, nullptr, nullptr), S_OK);
}

TEST(OleTranslateColor, FollowsSetSysColors) {
    const INT index[] = {COLOR_BTNFACE};
    const COLORREF color[] = {RGB(1, 2, 3)};
    SetSysColors(1, index, color);
    COLORREF out = 0;
    EXPECT_EQ(OleTranslateColor(0x8000000F, nullptr, &out), S_OK);
    EXPECT_EQ(out, RGB(1, 2, 3));
    ResetSysColors();
}

}  // namespace
}  // namespace corvalmire::test
