// A white surface with a font selected, for text tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

// Verdana 8.25 pt, bold unless told otherwise: the button captions' font.
inline win32::LOGFONTA CaptionFont(bool bold = true, const char* face = "Verdana") {
    win32::LOGFONTA lf;
    lf.lfHeight = win32::FontHeightFromPoints(8.25);
    lf.lfWeight = bold ? win32::FW_BOLD : win32::FW_NORMAL;
    std::strncpy(lf.lfFaceName, face, win32::LF_FACESIZE - 1);
    return lf;
}

// Bounding box of the non-background pixels; right and bottom exclusive,
// all zero when there is no ink.
struct InkBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const InkBox&) const = default;
};

class TextSurface {
public:
    static constexpr win32::COLORREF kWhite = 0xFFFFFF;

    TextSurface(int width, int height, const win32::LOGFONTA& lf) : width_(width), height_(height) {
        dc_ = win32::CreateCompatibleDC(nullptr);
        bitmap_ = win32::CreateCompatibleBitmap(dc_, width, height);
        oldBitmap_ = win32::SelectObject(dc_, bitmap_);
        font_ = win32::CreateFontIndirectA(&lf);
        oldFont_ = win32::SelectObject(dc_, font_);
        win32::SetBkMode(dc_, win32::TRANSPARENT);
        win32::SetTextColor(dc_, 0x000000);
        Clear();
    }
    ~TextSurface() {
        win32::SelectObject(dc_, oldFont_);
        win32::SelectObject(dc_, oldBitmap_);
        win32::DeleteObject(font_);
        win32::DeleteObject(bitmap_);
        win32::DeleteDC(dc_);
    }
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;

    win32::HDC dc() const { return dc_; }

    void Clear() {
        win32::HBRUSH white = win32::CreateSolidBrush(kWhite);
        const win32::RECT all{0, 0, width_, height_};
        win32::FillRect(dc_, &all, white);
        win32::DeleteObject(white);
    }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc_, x, y); }

    InkBox Ink() const {
        InkBox box{width_, height_, 0, 0};
        bool any = false;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != kWhite) {
                    any = true;
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return any ? box : InkBox{};
    }

    // True when every pixel equals the other surface's (same size assumed).
    ::testing::AssertionResult SamePixels(const TextSurface& other) const {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != other.At(x, y))
                    return ::testing::AssertionFailure()
                           << "first difference at (" << x << "," << y << "): " << std::hex << At(x, y)
                           << " vs " << other.At(x, y);
        return ::testing::AssertionSuccess();
    }

    win32::TEXTMETRICA Metrics() const {
        win32::TEXTMETRICA tm;
        win32::GetTextMetricsA(dc_, &tm);
        return tm;
    }
    int Width(const std::string& text) const {
        win32::SIZE size;
        win32::GetTextExtentPoint32A(dc_, text.data(), int(text.size()), &size);
        return size.cx;
    }
    // DT_CALCRECT of a rectangle (0, 0, width, 0).
    win32::RECT Measure(const std::string& text, int width, win32::UINT format, int* height = nullptr) const {
        win32::RECT rect{0, 0, width, 0};
        const int h = win32::DrawTextA(dc_, text.c_str(), -1, &rect, format | win32::DT_CALCRECT);
        if (height) *height = h;
        return rect;
    }

private:
    int width_, height_;
    win32::HDC dc_;
    win32::HBITMAP bitmap_;
    win32::HFONT font_;
    win32::HGDIOBJ oldBitmap_, oldFont_;
};
