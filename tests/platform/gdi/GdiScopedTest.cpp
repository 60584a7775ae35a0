#include <gtest/gtest.h>

#include <utility>

#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"

namespace {

using namespace win32;

TEST(GdiScoped, EveryWrapperGivesBackWhatItTook) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    HGDIOBJ stockPen = nullptr;
    {
        ScopedMemoryDC dc;
        ScopedBitmap bitmap(CreateCompatibleBitmap(dc.Get(), 4, 4));
        ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
        ScopedPen pen(RGB(1, 2, 3));
        ScopedBrush brush(RGB(4, 5, 6));
        ScopedRegion region(CreateRectRgn(0, 0, 2, 2));
        stockPen = GetCurrentObject(dc.Get(), OBJ_PEN);
        {
            ScopedSelect selectPen(dc.Get(), pen.Get());
            EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen.Get());
        }
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), stockPen);
        const GdiLiveCounts held = GetGdiLiveCounts();
        EXPECT_EQ(held.Total() - before.Total(), 5);
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(GdiScoped, MovingOrReleasingHandsTheObjectOn) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    ScopedRegion first(CreateRectRgn(0, 0, 1, 1));
    ScopedRegion second = std::move(first);
    EXPECT_FALSE(first);
    const HRGN kept = second.Release();
    EXPECT_EQ(GetObjectType(kept), OBJ_REGION);
    second.Reset(CreateRectRgn(0, 0, 3, 3));
    second.Reset();
    EXPECT_TRUE(DeleteObject(kept));
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

}  // namespace
