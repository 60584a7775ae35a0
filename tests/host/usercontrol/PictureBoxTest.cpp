// A picture box paints only while shown, and a hidden one holds no pixels
// until something draws on it.
#include <gtest/gtest.h>

#include "host/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace host {
namespace {

using namespace win32;

constexpr OLE_COLOR kBack = 0x00336699;  // BGR: red 0x99, green 0x66, blue 0x33

struct Box {
    explicit Box(bool visible) {
        PictureBoxSite site;
        site.name = "box";
        site.width = 40;
        site.height = 30;
        site.visible = visible;
        box = std::make_unique<PictureBox>(site, Font{}, kBack);
        box->Paint.Connect([this] { ++paints; });
    }
    std::unique_ptr<PictureBox> box;
    int paints = 0;
};

TEST(PictureBox, PaintsOnlyWhileShown) {
    const struct {
        bool visible;
        int paintsBeforeShow;
    } rows[] = {{true, 1}, {false, 0}};
    for (const auto& row : rows) {
        Box b(row.visible);
        PumpPendingMessages();
        EXPECT_EQ(b.paints, row.paintsBeforeShow) << row.visible;
        b.box->SetVisible(true);
        PumpPendingMessages();
        EXPECT_EQ(b.paints, row.paintsBeforeShow + (row.visible ? 0 : 1)) << "showing it paints it";
    }
    ClearMessageQueue();
}

TEST(PictureBox, AHiddenBoxMakesItsPixelsWhenDrawnOn) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    {
        Box b(false);
        PumpPendingMessages();
        EXPECT_EQ(GetGdiLiveCounts().bitmaps, before.bitmaps) << "nothing drawn yet";
        EXPECT_EQ(b.box->ScaleWidth(), 40);
        EXPECT_EQ(b.box->ScaleHeight(), 30);
        const HDC dc = b.box->hDC();
        EXPECT_EQ(GetGdiLiveCounts().bitmaps, before.bitmaps + 1);
        for (const POINT p : {POINT{0, 0}, POINT{39, 29}}) EXPECT_EQ(GetPixel(dc, p.x, p.y), kBack);
        EXPECT_EQ(GetPixel(dc, 40, 0), CLR_INVALID) << "the bitmap is the box's size";
    }
    ClearMessageQueue();
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

}  // namespace
}  // namespace host
