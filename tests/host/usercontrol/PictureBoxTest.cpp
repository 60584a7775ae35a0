// A hidden picture box is not painted and holds no pixels until shown or drawn on.
#include <gtest/gtest.h>

#include "host/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/UserExtensions.h"

namespace host {
namespace {

using namespace win32;

TEST(PictureBox, AHiddenBoxWaitsUntilShownOrDrawnOn) {
    constexpr OLE_COLOR kBack = 0x00336699;
    const GdiLiveCounts before = GetGdiLiveCounts();
    for (const bool drawFirst : {false, true}) {
        PictureBox box({nullptr, "box", 0, 0, 40, 30, false}, Font{}, kBack);
        int paints = 0;
        box.Paint.Connect([&] { ++paints; });
        PumpPendingMessages();
        EXPECT_EQ(paints, 0);
        EXPECT_EQ(GetGdiLiveCounts().bitmaps, before.bitmaps) << "no pixels yet";
        EXPECT_EQ(box.ScaleWidth(), 40);
        if (drawFirst) {
            EXPECT_EQ(GetPixel(box.hDC(), 39, 29), kBack);
            EXPECT_EQ(GetPixel(box.hDC(), 40, 0), CLR_INVALID) << "the box's size";
            EXPECT_EQ(GetGdiLiveCounts().bitmaps, before.bitmaps + 1);
        }
        box.SetVisible(true);
        PumpPendingMessages();
        EXPECT_EQ(paints, 1) << "showing it paints it";
    }
    ClearMessageQueue();
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

}  // namespace
}  // namespace host
