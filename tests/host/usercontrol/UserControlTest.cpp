// The user-control host: the window's messages become life-cycle events, the
// surface behaves as a drawing surface, and the control's lifetime is safe.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/PropertyBag.h"
#include "host/UserControl.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace host {
namespace {

using namespace win32;

// Records every event as a short text.
class Recorder : public UserControlEvents {
public:
    std::vector<std::string> events;
    std::function<void()> onClick;

    void UserControl_Show() override { events.push_back("Show"); }
    void UserControl_Hide() override { events.push_back("Hide"); }
    void UserControl_Paint() override { events.push_back("Paint"); }
    void UserControl_Resize() override { events.push_back("Resize"); }
    void UserControl_EnterFocus() override { events.push_back("EnterFocus"); }
    void UserControl_GotFocus() override { events.push_back("GotFocus"); }
    void UserControl_LostFocus() override { events.push_back("LostFocus"); }
    void UserControl_ExitFocus() override { events.push_back("ExitFocus"); }
    void UserControl_KeyDown(std::int16_t& key, std::int16_t) override {
        events.push_back("KeyDown " + std::to_string(key));
    }
    void UserControl_KeyUp(std::int16_t& key, std::int16_t) override {
        events.push_back("KeyUp " + std::to_string(key));
    }
    void UserControl_MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        events.push_back("MouseDown " + std::to_string(b) + " " + std::to_string(s) + " " +
                         std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
    void UserControl_MouseUp(std::int16_t b, std::int16_t, float, float) override {
        events.push_back("MouseUp " + std::to_string(b));
    }
    void UserControl_Click() override {
        events.push_back("Click");
        if (onClick) onClick();
    }
    void UserControl_DblClick() override { events.push_back("DblClick"); }
    void UserControl_AccessKeyPress(std::int16_t key) override {
        events.push_back("AccessKey " + std::to_string(key));
    }
    void UserControl_AmbientChanged(const std::string& name) override { events.push_back("Ambient " + name); }
    void UserControl_Terminate() override { events.push_back("Terminate"); }
};

// A control as a real one is built: it owns its UserControl.
struct Control : Recorder {
    explicit Control(const ControlSite& site) : uc(site, Font{}) {}
    UserControl uc;
};

std::shared_ptr<Control> MakeControl(int widthPx = 100, int heightPx = 30) {
    ControlSite site;
    site.name = "ctl";
    site.width = widthPx * 15;
    site.height = heightPx * 15;
    auto control = std::make_shared<Control>(site);
    control->uc.SetEvents(control);
    return control;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST(UserControlTest, MessagesBecomeEventsInTheRuntimesOrder) {
    struct Step {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<std::string> events;
    };
    const std::vector<Step> steps = {
        {WM_SHOWWINDOW, TRUE, 0, {"Show"}},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(5, 6), {"EnterFocus", "GotFocus", "MouseDown 1 1 5,6"}},
        {WM_LBUTTONUP, 0, At(5, 6), {"MouseUp 1", "Click"}},
        {WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6), {"MouseDown 1 0 5,6"}},
        {WM_LBUTTONUP, 0, At(150, 6), {"MouseUp 1"}},  // released outside: no Click
        {WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6), {"MouseDown 1 0 5,6"}},
        {WM_LBUTTONUP, 0, At(99, 29), {"MouseUp 1", "Click"}},  // the last pixel inside
        {WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6), {"MouseDown 1 0 5,6"}},
        {WM_LBUTTONUP, 0, At(100, 6), {"MouseUp 1"}},  // the first column outside
        {WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 6), {"DblClick"}},
        {WM_LBUTTONUP, 0, At(5, 6), {"MouseUp 1"}},  // the release after a double click
        {WM_RBUTTONDOWN, MK_RBUTTON, At(1, 1), {"MouseDown 2 0 1,1"}},
        {WM_RBUTTONUP, 0, At(1, 1), {"MouseUp 2"}},
        {WM_KEYDOWN, 32, 0, {"KeyDown 32"}},
        {WM_KEYUP, 32, 0, {"KeyUp 32"}},
        {WM_SYSKEYDOWN, 'Q', 0, {}},  // not an access key of the control
        {WM_PAINT, 0, 0, {"Paint"}},
        {WM_KILLFOCUS, 0, 0, {"LostFocus", "ExitFocus"}},
        {WM_SHOWWINDOW, FALSE, 0, {"Hide"}},
    };
    auto control = MakeControl();
    const HWND hwnd = control->uc.hWnd();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.msg);
        control->events.clear();
        SendMessageA(hwnd, step.msg, step.wParam, step.lParam);
        EXPECT_EQ(control->events, step.events);
    }
}

TEST(UserControlTest, ResizeFollowsTheWindowAndTheSurface) {
    auto control = MakeControl(100, 30);
    EXPECT_EQ(control->uc.ScaleWidth(), 100.0f);
    EXPECT_EQ(control->uc.Extender().Width(), 1500);
    control->events.clear();
    control->uc.Extender().SetWidth(300);
    EXPECT_EQ(control->events, std::vector<std::string>{"Resize"});
    EXPECT_EQ(control->uc.ScaleWidth(), 20.0f);
    EXPECT_EQ(control->uc.ScaleHeight(), 30.0f);
}

TEST(UserControlTest, AccessKeysAndAmbientChanges) {
    auto control = MakeControl();
    control->uc.SetAccessKeys("a");
    SendMessageA(control->uc.hWnd(), WM_SYSKEYDOWN, 'A', 0);
    control->uc.SetAmbientDisplayAsDefault(true);
    EXPECT_EQ(control->events, (std::vector<std::string>{"AccessKey 65", "Ambient DisplayAsDefault"}));
    EXPECT_TRUE(control->uc.Ambient().DisplayAsDefault);
}

TEST(UserControlTest, BackColorClearsTheSurfaceAndForeColorIsTheTextColor) {
    auto control = MakeControl(10, 10);
    const HDC dc = control->uc.hDC();
    SetPixelV(dc, 3, 3, 0x123456);
    control->uc.SetBackColor(0x0000FF);
    for (POINT p : {POINT{0, 0}, POINT{3, 3}, POINT{9, 9}}) EXPECT_EQ(GetPixel(dc, p.x, p.y), 0x0000FFu);
    control->uc.SetBackColor(kSystemColorFlag | COLOR_BTNFACE);
    EXPECT_EQ(GetPixel(dc, 3, 3), GetSysColor(COLOR_BTNFACE));
    control->uc.SetForeColor(0x00FF00);
    EXPECT_EQ(GetTextColor(dc), 0x00FF00u);
}

// Red, green / blue, black.
PicturePtr TwoByTwoPicture() {
    const HDC scratch = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(scratch, 2, 2);
    const HGDIOBJ old = SelectObject(scratch, bitmap);
    SetPixelV(scratch, 0, 0, 0x0000FF);
    SetPixelV(scratch, 1, 0, 0x00FF00);
    SetPixelV(scratch, 0, 1, 0xFF0000);
    SetPixelV(scratch, 1, 1, 0x000000);
    SelectObject(scratch, old);
    DeleteDC(scratch);
    return Picture::FromBitmap(bitmap);
}

TEST(UserControlTest, PaintPictureScalesABitmapByNearestNeighbour) {
    auto control = MakeControl(10, 10);
    control->uc.SetBackColor(0xFFFFFF);
    const PicturePtr picture = TwoByTwoPicture();
    control->uc.PaintPicture(*picture, 1, 1, 4, 4);
    const HDC dc = control->uc.hDC();
    EXPECT_EQ(GetPixel(dc, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dc, 1, 1), 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 2, 2), 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 3, 1), 0x00FF00u);
    EXPECT_EQ(GetPixel(dc, 4, 2), 0x00FF00u);
    EXPECT_EQ(GetPixel(dc, 1, 3), 0xFF0000u);
    EXPECT_EQ(GetPixel(dc, 4, 4), 0x000000u);
    EXPECT_EQ(GetPixel(dc, 5, 5), 0xFFFFFFu);
}

TEST(UserControlTest, PaintPictureHangingOffTheSurfaceDrawsOnlyItsVisiblePart) {
    auto control = MakeControl(10, 10);
    control->uc.SetBackColor(0xFFFFFF);
    const PicturePtr picture = TwoByTwoPicture();
    // 8 x 8 from (-3, -3): each source pixel covers 4 x 4, the split falls at surface 1.
    control->uc.PaintPicture(*picture, -3, -3, 8, 8);
    const HDC dc = control->uc.hDC();
    EXPECT_EQ(GetPixel(dc, 0, 0), 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 1, 0), 0x00FF00u);
    EXPECT_EQ(GetPixel(dc, 0, 1), 0xFF0000u);
    EXPECT_EQ(GetPixel(dc, 4, 4), 0x000000u);
    EXPECT_EQ(GetPixel(dc, 5, 5), 0xFFFFFFu);
    // The largest icon size there is: only the surface's 100 pixels are worked out.
    control->uc.PaintPicture(*picture, 0, 0, 32767, 32767);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 9, 9), 0x0000FFu);
}

TEST(UserControlTest, TerminateRunsOnceAndDestroysTheWindow) {
    auto control = MakeControl();
    const HWND hwnd = control->uc.hWnd();
    control->uc.Terminate();
    control->uc.Terminate();
    EXPECT_EQ(control->events, std::vector<std::string>{"Terminate"});
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(UserControlTest, AHandlerMayDropTheLastReference) {
    const int windows = GetLiveWindowCount();
    const GdiLiveCounts gdi = GetGdiLiveCounts();
    auto control = MakeControl();
    const HWND hwnd = control->uc.hWnd();
    std::weak_ptr<Control> watch = control;
    control->onClick = [&control] { control.reset(); };
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(2, 2));
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(GetLiveWindowCount(), windows);
    EXPECT_EQ(GetGdiLiveCounts(), gdi);
}

TEST(UserControlTest, SaveRaisesWritePropertiesAndClearsTheChangedMark) {
    struct Saver : Control {
        using Control::Control;
        void UserControl_WriteProperties(PropertyBag& bag) override {
            bag.WriteProperty("Caption", PropertyValue::String("x"));
        }
    };
    ControlSite site;
    auto control = std::make_shared<Saver>(site);
    control->uc.SetEvents(control);
    control->uc.PropertyChanged("Caption");
    EXPECT_TRUE(control->uc.Dirty());
    PropertyBag bag;
    control->uc.Save(bag);
    EXPECT_FALSE(control->uc.Dirty());
    EXPECT_EQ(bag.ReadProperty("Caption").AsString(), "x");
}

}  // namespace
}  // namespace host
