// A memory DC over a 32-bit bitmap for painter tests, with the back-colour
// assignment a painter expects from the control's surface (it clears).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "control/styles/FaceState.h"
#include "platform/gdi/Gdi.h"

namespace render_test {

class TestSurface {
public:
    TestSurface(int width, int height, win32::COLORREF fill = 0x00FF00FF) : width_(width), height_(height) {
        dc_ = win32::CreateCompatibleDC(nullptr);
        bitmap_ = win32::CreateCompatibleBitmap(dc_, width, height);
        previous_ = win32::SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~TestSurface() {
        win32::SelectObject(dc_, previous_);
        win32::DeleteObject(bitmap_);
        win32::DeleteDC(dc_);
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    win32::HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(win32::COLORREF color) { Fill(color, width_, height_); }
    void Fill(win32::COLORREF color, int width, int height) {
        win32::HBRUSH brush = win32::CreateSolidBrush(color);
        const win32::RECT all{0, 0, width, height};
        win32::FillRect(dc_, &all, brush);
        win32::DeleteObject(brush);
        backColor_ = color;
    }
    win32::COLORREF BackColor() const { return backColor_; }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc_, x, y); }

    // A face snapshot over this surface, in the given state. A face smaller
    // than the surface leaves a guard strip right of and below it, which
    // its back-colour assignment does not clear either.
    control::styles::FaceState Face(control::ButtonState state, int width = -1, int height = -1) {
        control::styles::FaceState face;
        face.dc = dc_;
        face.width = width < 0 ? width_ : width;
        face.height = height < 0 ? height_ : height;
        face.state = state;
        face.setBackColor = [this, w = face.width, h = face.height](control::styles::Color c) {
            Fill(static_cast<win32::COLORREF>(c), w, h);
        };
        return face;
    }

private:
    int width_, height_;
    win32::HDC dc_ = nullptr;
    win32::HBITMAP bitmap_ = nullptr;
    win32::HGDIOBJ previous_ = nullptr;
    win32::COLORREF backColor_ = 0;
};

inline std::string Hex(win32::COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c));
    return text;
}

// Checks a run of pixels on one row, columns from..to inclusive.
inline ::testing::AssertionResult RowIs(const TestSurface& s, int y, int from, int to,
                                        win32::COLORREF expected) {
    for (int x = from; x <= to; ++x) {
        if (s.At(x, y) != expected)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(s.At(x, y))
                                                 << ", expected " << Hex(expected);
    }
    return ::testing::AssertionSuccess();
}

// The same down one column, rows from..to inclusive.
inline ::testing::AssertionResult ColumnIs(const TestSurface& s, int x, int from, int to,
                                           win32::COLORREF expected) {
    for (int y = from; y <= to; ++y) {
        if (s.At(x, y) != expected)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(s.At(x, y))
                                                 << ", expected " << Hex(expected);
    }
    return ::testing::AssertionSuccess();
}

// Every pixel of the surface against expected(x, y), a picture the test
// works out; the first difference is reported.
template <typename Expected>
::testing::AssertionResult PixelsAre(const TestSurface& s, Expected&& expected) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const win32::COLORREF want = expected(x, y);
            if (s.At(x, y) != want)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << Hex(s.At(x, y)) << ", expected " << Hex(want);
        }
    return ::testing::AssertionSuccess();
}

}  // namespace render_test
