// The one drawing surface of the tests: a memory DC over its own 32-bit
// bitmap (optionally with a font selected), pixel read-back as COLORREF, and
// pixel assertions that save what they saw as a PNG when they fail.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"

namespace corvalmire::test {

// A colour no drawing call in these tests produces.
constexpr win32::COLORREF kUntouched = win32::RGB(1, 2, 3);
constexpr win32::COLORREF kWhite = 0xFFFFFF;
constexpr win32::COLORREF kMagenta = 0xFF00FF;

// Bounding box of the pixels that differ from the background; right and
// bottom exclusive, all zero when there are none.
struct InkBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const InkBox&) const = default;
};

class Surface {
public:
    Surface(int width, int height, win32::COLORREF fill = kUntouched);
    // With the font selected, transparent background and black text.
    Surface(int width, int height, win32::COLORREF fill, const win32::LOGFONTA& font);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    win32::HDC dc() const { return dc_.Get(); }
    win32::HBITMAP bitmap() const { return bitmap_.Get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc(), x, y); }

    // Fills everything; the colour becomes the background Mask and Ink compare with.
    void Fill(win32::COLORREF color) { Fill(color, width_, height_); }
    // Fills only the top-left width x height.
    void Fill(win32::COLORREF color, int width, int height);
    win32::COLORREF BackColor() const { return backColor_; }
    // One character per pixel: '.' for the background, 'X' for anything else.
    std::vector<std::string> Mask() const;
    InkBox Ink() const;
    ::testing::AssertionResult SamePixels(const Surface& other) const;

    // The selected font's metrics, a text's width, and DT_CALCRECT of a
    // rectangle (0, 0, width, 0).
    win32::TEXTMETRICA Metrics() const;
    int TextWidth(const std::string& text) const;
    win32::RECT Measure(const std::string& text, int width, win32::UINT format, int* height = nullptr) const;

    // Writes the surface next to the test binary as <name>.png; returns the path.
    std::string Save(const std::string& name) const;

private:
    int width_, height_;
    win32::COLORREF backColor_ = kUntouched;
    win32::ScopedMemoryDC dc_;
    win32::ScopedBitmap bitmap_;
    win32::ScopedFont font_;
    win32::HGDIOBJ previousBitmap_ = nullptr;
    win32::HGDIOBJ previousFont_ = nullptr;
};

// Compares every pixel with rows of legend keys (one character per pixel,
// '.' or past the end of a row = kUntouched). On a mismatch it names the
// first differing pixel, prints both grids and saves the surface.
::testing::AssertionResult MatchesRows(const Surface& surface, const std::vector<std::string>& rows,
                                       const std::map<char, win32::COLORREF>& legend);

// "0x00BBGGRR" for failure messages.
std::string Hex(win32::COLORREF color);

// Checks a run of pixels on one row, columns from..to inclusive.
::testing::AssertionResult RowIs(const Surface& s, int y, int from, int to, win32::COLORREF expected);
// The same down one column, rows from..to inclusive.
::testing::AssertionResult ColumnIs(const Surface& s, int x, int from, int to, win32::COLORREF expected);

// Every pixel of the surface against expected(x, y), a picture the test
// works out; the first difference is reported.
template <typename Expected>
::testing::AssertionResult PixelsAre(const Surface& s, Expected&& expected) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const win32::COLORREF want = expected(x, y);
            if (s.At(x, y) != want)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << Hex(s.At(x, y)) << ", expected " << Hex(want);
        }
    return ::testing::AssertionSuccess();
}

}  // namespace corvalmire::test
