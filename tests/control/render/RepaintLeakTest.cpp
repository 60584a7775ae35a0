// Ten thousand repaints through every state leave every live count as it was.
#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "platform/uxtheme/UxTheme.h"
#include "tests/control/render/RenderButton.h"

using host::PropertyValue;
using namespace render_test;

TEST(RenderRepaint, TenThousandRepaintsLeakNothing) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(5)}, {"Caption", PropertyValue::String("Converti")}}));
    b.Enter();  // the pointer stays on the button: its tooltip window is there throughout
    const win32::GdiLiveCounts gdi = win32::GetGdiLiveCounts();
    const int windows = win32::GetLiveWindowCount();
    const int themes = win32::uxtheme::OpenThemeCount();
    for (int i = 0; i < 10000; ++i) {
        switch (i % 4) {
            case 0: b.Enter(); break;
            case 1: b.Press(); break;
            case 2: b.control->SetUseCustomColors(true); break;
            default:
                b.control->SetUseCustomColors(false);
                b.control->SetCaption(i % 8 ? "Apri" : "Esci");  // a layout: a new window region
                break;
        }
    }
    EXPECT_EQ(win32::GetGdiLiveCounts(), gdi);
    EXPECT_EQ(win32::GetLiveWindowCount(), windows);
    EXPECT_EQ(win32::uxtheme::OpenThemeCount(), themes);
}
