#include <gtest/gtest.h>

#include <climits>

#include "control/styles/Colors.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/SysColors.h"

using namespace control::styles;

struct ColorCase {
    Color input;
    Color other;  // second colour, amount or delta
    Color expected;
};

TEST(MixColors, AveragesEachChannelRoundingTiesToEven) {
    const ColorCase cases[] = {
        {0x000001, 0x000002, 0x000002},  // 1.5 -> 2
        {0x000002, 0x000003, 0x000002},  // 2.5 -> 2
        {0x0000FF, 0x000000, 0x000080},  // 127.5 -> 128
        {0xFFFFFF, 0x000000, 0x808080}, {0x10FF00, 0x20FF00, 0x18FF00},
        {0x0D0000, 0x000000, 0x060000},  // blue 6.5 -> 6
    };
    for (const ColorCase& c : cases)
        EXPECT_EQ(MixColors(c.input, c.other), c.expected) << std::hex << c.input;
}

TEST(LightenColor, MovesTowardsWhiteWithTruncatingDivision) {
    const ColorCase cases[] = {
        {0x000000, 176, 0xB0B0B0}, {0xFF8000, 32, 0xFF8F20},  // G: 32 + (223 * 128) div 255 = 143
        {0xC0C0C0, 32, 0xC7C7C7},                             // 32 + (223 * 192) div 255 = 199
        {0x123456, 0, 0x123456},   {0x123456, 255, 0xFFFFFF},
        {0x000000, 255, 0xFFFFFF}, {0xFFFFFF, 0, 0xFFFFFF},
    };
    for (const ColorCase& c : cases)
        EXPECT_EQ(LightenColor(c.input, c.other), c.expected) << std::hex << c.input;
}

TEST(LightenColor, OverflowingAmountReturnsBlack) {
    EXPECT_EQ(LightenColor(0x808080, INT_MIN), 0);  // 255 - amount overflows
}

TEST(ShiftColor, AddsToEveryChannelAndClamps) {
    const ColorCase cases[] = {
        {0x10F0F0, 32, 0x30FFFF},
        {0x101010, -32, 0x000000},
        {0x808080, 0, 0x808080},
        {static_cast<Color>(0x8000000F), 1, 0x010110},  // byte 3 ignored, bytes taken as they are
        {0x00FF00, -256, 0x000000},
    };
    for (const ColorCase& c : cases)
        EXPECT_EQ(ShiftColor(c.input, c.other), c.expected) << std::hex << c.input;
}

TEST(ShiftColor, OverflowingDeltaReturnsBlack) { EXPECT_EQ(ShiftColor(0x0000FF, INT_MAX), 0); }

class TranslateColorTest : public ::testing::Test {
protected:
    void TearDown() override { win32::ResetSysColors(); }
};

TEST_F(TranslateColorTest, ResolvesSystemColourReferences) {
    EXPECT_EQ(TranslateColor(static_cast<std::int32_t>(0x8000000F)), 0xC8D0D4);  // button face 212,208,200
    EXPECT_EQ(TranslateColor(0x00123456), 0x123456);
}

TEST_F(TranslateColorTest, FollowsTheCurrentSystemColour) {
    const win32::INT index = win32::COLOR_BTNFACE;
    const win32::COLORREF silver = 0xC0C0C0;
    win32::SetSysColors(1, &index, &silver);
    EXPECT_EQ(TranslateColor(static_cast<std::int32_t>(0x8000000F)), 0xC0C0C0);
}

TEST_F(TranslateColorTest, InvalidReferencesGiveMinusOne) {
    EXPECT_EQ(TranslateColor(static_cast<std::int32_t>(0x8000001F)), -1);  // no system colour 31
    EXPECT_EQ(TranslateColor(0x40000000), -1);                             // unknown high byte
}
