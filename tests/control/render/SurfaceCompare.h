// Whole-surface comparison with a readable failure: the first differing
// pixel, and actual, expected and diff images written next to the tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/control/render/FaceOn.h"

namespace render_test {

inline ::testing::AssertionResult SameSurface(win32::HDC actual, const Surface& expected,
                                              const std::string& name) {
    const int w = expected.width(), h = expected.height();
    int firstX = -1, firstY = -1, differing = 0;
    Surface diff(w, h, 0xFFFFFF);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (win32::GetPixel(actual, x, y) == expected.At(x, y)) continue;
            if (differing++ == 0) firstX = x, firstY = y;
            win32::SetPixelV(diff.dc(), x, y, 0x0000FF);
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    const std::string stem = "render-" + name;
    win32::WriteBitmapImage(actual, stem + "-actual.png");
    win32::WriteBitmapImage(expected.dc(), stem + "-expected.png");
    win32::WriteBitmapImage(diff.dc(), stem + "-diff.png");
    return ::testing::AssertionFailure()
           << differing << " pixels differ; first at (" << firstX << ", " << firstY
           << "): " << Hex(win32::GetPixel(actual, firstX, firstY)) << " instead of "
           << Hex(expected.At(firstX, firstY)) << " (images: " << stem << "-*.png)";
}

}  // namespace render_test
