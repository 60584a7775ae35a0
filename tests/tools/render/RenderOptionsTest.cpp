// The render tool's command line and the typing of --set values.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "tools/render/PictureFile.h"
#include "tools/render/RenderOptions.h"
#include "tools/render/SettingsBag.h"

using namespace render_tool;

TEST(RenderOptions, ParsesEveryOption) {
    const ParseResult r = ParseRenderOptions({"--out", "a.png", "--size", "80x30", "--set", "Caption=A=B",
                                              "--state", "pressed", "--focus", "--syscolor", "15=0xC0C0C0"});
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->out, "a.png");
    EXPECT_EQ(r.options->width, 80);
    EXPECT_EQ(r.options->height, 30);
    ASSERT_EQ(r.options->settings.size(), 1u);
    EXPECT_EQ(r.options->settings[0].first, "Caption");
    EXPECT_EQ(r.options->settings[0].second, "A=B");  // only the first '=' splits
    EXPECT_EQ(r.options->state, PointerState::Pressed);
    EXPECT_TRUE(r.options->focus);
    ASSERT_EQ(r.options->sysColors.size(), 1u);
    EXPECT_EQ(r.options->sysColors[0], (std::pair<int, win32::COLORREF>{15, 0xC0C0C0}));
}

TEST(RenderOptions, RejectsWhatItCannotUse) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},                                          // neither output
             {"--out", "a.png", "--gallery", "b.png"},    // both
             {"--out", "a.png", "--size", "0x10"},        // empty surface
             {"--out", "a.png", "--size", "10"},          // no height
             {"--out", "a.png", "--syscolor", "99=0x0"},  // no such system colour
             {"--out", "a.png", "--set", "=5"},           // no key
             {"--out", "a.png", "--bogus", "1"},
             {"--out"},
         })
        EXPECT_FALSE(ParseRenderOptions(args).options);
}

TEST(SettingsBag, ValuesAreTypedFromTheirText) {
    using T = host::PropertyValue::Type;
    const struct {
        const char* key;
        const char* text;
        T type;
    } rows[] = {
        {"Style", "5", T::Long},          {"BackColor", "0x8000000F", T::Long},
        {"Enabled", "false", T::Boolean}, {"Caption", "Apri", T::String},
        {"Caption", "", T::String},       {"Font", "Verdana,8.25,bold", T::Font},
        {"Icon", "", T::Picture},
    };
    for (const auto& row : rows) {
        std::string error;
        EXPECT_EQ(SettingValue(row.key, row.text, error).GetType(), row.type) << row.key << "=" << row.text;
        EXPECT_TRUE(error.empty()) << error;
    }
    std::string error;
    EXPECT_EQ(SettingValue("BackColor", "0x8000000F", error).AsLong(), static_cast<std::int32_t>(0x8000000F));
    host::Font font;
    ASSERT_TRUE(ParseFont("Verdana,8.25,bold", font));
    EXPECT_EQ(font.name, "Verdana");
    EXPECT_DOUBLE_EQ(font.size, 8.25);
    EXPECT_TRUE(font.bold);
    EXPECT_FALSE(ParseFont("Verdana,big", font));
    EXPECT_FALSE(ParseFont("Verdana,8,italic", font));
}

// A height of -2^31 has no positive counterpart: the file is refused, not
// negated into undefined behaviour.
TEST(PictureFile, BitmapWithTheMostNegativeHeightIsRefused) {
    std::vector<std::uint8_t> bmp = {
        'B', 'M', 62,  0, 0, 0, 0, 0, 0, 0, 54, 0,    0, 0,                     // file header
        40,  0,   0,   0, 1, 0, 0, 0, 0, 0, 0,  0x80, 1, 0, 24, 0, 0, 0, 0, 0,  // width 1, height -2^31
        0,   0,   0,   0, 0, 0, 0, 0, 0, 0, 0,  0,    0, 0, 0,  0, 0, 0, 0, 0,
        0,   0,   255, 0,  // one red pixel, padded
    };
    EXPECT_EQ(PictureFromBmpBytes(bmp), nullptr);
    bmp[22] = 1;  // height 1: the same file is read
    bmp[25] = 0;
    EXPECT_NE(PictureFromBmpBytes(bmp), nullptr);
}

// A 2 x 2 24-bit file damaged in the header, then at random: each either
// loads as a picture no larger than the reader allows or is refused.
TEST(PictureFile, DamagedBitmapsAreRefused) {
    const std::vector<std::uint8_t> good = {
        'B', 'M', 70,  0, 0, 0,   0, 0, 0, 0, 54, 0, 0, 0,                     // file header
        40,  0,   0,   0, 2, 0,   0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        16,  0,   0,   0, 0, 0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,
        0,   0,   255, 0, 0, 255, 0, 0,  // bottom row: red, red
        0,   0,   255, 0, 0, 255, 0, 0,  // top row
    };
    ASSERT_NE(PictureFromBmpBytes(good), nullptr);
    const struct {
        std::size_t at;
        std::vector<std::uint8_t> bytes;
        const char* why;
    } rows[] = {
        {26, {0, 0}, "zero planes"},
        {18, {0, 0, 0, 0x40}, "huge width"},
        {22, {0, 0, 0, 0x40}, "huge height"},
        {28, {16, 0}, "16 bits a pixel"},
        {10, {0xFF, 0xFF, 0, 0}, "bits beyond the file"},
    };
    for (const auto& row : rows) {
        std::vector<std::uint8_t> bad = good;
        std::copy(row.bytes.begin(), row.bytes.end(), bad.begin() + std::ptrdiff_t(row.at));
        EXPECT_EQ(PictureFromBmpBytes(bad), nullptr) << row.why;
    }
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(PictureFromBmpBytes({good.data(), length}), nullptr) << length;
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bad = good;
        for (int c = 0; c < 3; ++c) bad[random() % bad.size()] = static_cast<std::uint8_t>(random());
        if (const host::PicturePtr picture = PictureFromBmpBytes(bad)) {
            EXPECT_LE(picture->Width(), 1024);
        }
    }
}
