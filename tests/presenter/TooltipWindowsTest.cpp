// Tooltip windows on screen (Qt's offscreen platform): a frameless tool-tip
// window that follows the layer's window in place, shape and visibility,
// shows the tooltip's pixels, and never takes the focus or input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/Tooltips.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "presenter/QtPresenter.h"

namespace presenter {
namespace {

using namespace win32;

QApplication& Qt() {
    static int argc = 1;
    static char name[] = "presenter_tooltip_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals are already gone.
    static QApplication* qt = new QApplication(argc, argv);
    return *qt;
}

const char* OwnerClass() {
    static const bool registered = [] {
        WNDCLASSA wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "TooltipOwner";
        return RegisterClassA(&wc) != 0;
    }();
    return registered ? "TooltipOwner" : nullptr;
}

QRegion ShapeOf(HWND hwnd) {
    ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    QRegion shape;
    if (GetWindowRgn(hwnd, region.Get()) == ERROR) return shape;
    for (const RECT& r : GetRegionRects(region.Get()))
        shape += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return shape;
}

TEST(TooltipWindowsTest, ABalloonOnScreen) {
    Qt();
    QtPresenter presenter;
    SetWorkArea({0, 0, 800, 600});
    const HWND owner = CreateWindowExA(0, OwnerClass(), "owner", WS_VISIBLE, 100, 100, 80, 30, nullptr,
                                       nullptr, nullptr, nullptr);
    const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                     nullptr, nullptr, nullptr);
    TOOLINFOA tool;
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = owner;
    GetClientRect(owner, &tool.rect);
    tool.lpszText = const_cast<char*>("Apri file da convertire");
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    QWidget* view = presenter.TooltipViewOf(tip);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isVisible());

    SetCursorPos(110, 110);
    SendMessageA(owner, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    AdvanceMessageClock(500);
    PumpPendingMessages();
    ASSERT_TRUE(view->isVisible());
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(view->geometry(), QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    EXPECT_EQ(view->mask(), ShapeOf(tip));
    EXPECT_FALSE(view->mask().contains(QPoint(0, 0))) << "the corners are cut";
    for (Qt::WindowType flag :
         {Qt::ToolTip, Qt::FramelessWindowHint, Qt::WindowDoesNotAcceptFocus, Qt::WindowTransparentForInput})
        EXPECT_TRUE(view->windowFlags().testFlag(flag)) << flag;
    EXPECT_TRUE(view->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_NE(QApplication::activeWindow(), view);
    // The tooltip's own pixels: the frame's top row and the body under it.
    const QImage shown = view->grab().toImage();
    const int middle = (r.right - r.left) / 2;
    EXPECT_EQ(shown.pixel(middle, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(shown.pixel(middle, 1) & 0xFFFFFF, 0xFFFFE1u);

    SetCursorPos(700, 500);  // the pointer goes elsewhere
    AdvanceMessageClock(100);
    PumpPendingMessages();
    EXPECT_FALSE(view->isVisible());
    DestroyWindow(owner);  // the tooltip goes with its owner
    EXPECT_EQ(presenter.TooltipViewOf(tip), nullptr);
}

}  // namespace
}  // namespace presenter
