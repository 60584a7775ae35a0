// Test support: a memory DC over a small bitmap, and pixel assertions that
// save what they saw as a PNG when they fail.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace corvalmire::test {

// A colour no drawing call in these tests produces.
constexpr win32::COLORREF kUntouched = win32::RGB(1, 2, 3);

class Canvas {
public:
    Canvas(int width, int height, win32::COLORREF fill = kUntouched);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    win32::HDC dc() const { return dc_; }
    win32::HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc_, x, y); }
    // Writes the canvas next to the test binary as <name>.png; returns the path.
    std::string Save(const std::string& name) const;

private:
    int width_, height_;
    win32::HDC dc_;
    win32::HBITMAP bitmap_;
    win32::HGDIOBJ previous_;
};

// Compares every pixel with rows of legend keys (one character per pixel,
// '.' or past the end of a row = kUntouched). On a mismatch it names the
// first differing pixel, prints both grids and saves the canvas.
::testing::AssertionResult MatchesRows(const Canvas& canvas, const std::vector<std::string>& rows,
                                       const std::map<char, win32::COLORREF>& legend);

}  // namespace corvalmire::test
