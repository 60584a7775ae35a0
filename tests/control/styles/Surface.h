// A small white drawing surface for primitive tests: a memory DC with its
// own bitmap, and pixel read-back as COLORREF (0x00BBGGRR).
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"

class Surface {
public:
    static constexpr win32::COLORREF kBackground = 0xFFFFFF;

    Surface(int width, int height) : width_(width), height_(height) {
        dc_ = win32::CreateCompatibleDC(nullptr);
        bitmap_ = win32::CreateCompatibleBitmap(dc_, width, height);
        previous_ = win32::SelectObject(dc_, bitmap_);
        Clear(kBackground);
    }
    ~Surface() {
        win32::SelectObject(dc_, previous_);
        win32::DeleteObject(bitmap_);
        win32::DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    win32::HDC dc() const { return dc_; }

    void Clear(win32::COLORREF color) {
        win32::HBRUSH brush = win32::CreateSolidBrush(color);
        const win32::RECT all{0, 0, width_, height_};
        win32::FillRect(dc_, &all, brush);
        win32::DeleteObject(brush);
    }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc_, x, y); }

    // One character per pixel: '.' for the background, 'X' for anything else.
    std::vector<std::string> Mask() const {
        std::vector<std::string> rows;
        for (int y = 0; y < height_; ++y) {
            std::string row;
            for (int x = 0; x < width_; ++x) row += At(x, y) == kBackground ? '.' : 'X';
            rows.push_back(row);
        }
        return rows;
    }

private:
    int width_;
    int height_;
    win32::HDC dc_;
    win32::HBITMAP bitmap_;
    win32::HGDIOBJ previous_;
};
