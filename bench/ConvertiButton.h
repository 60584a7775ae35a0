// The button the repaint benches draw: 107 x 27 with a bold "Converti", as
// the program's own Converti, shown so that it paints, and brought into a
// look the way input would bring it there.
#pragma once

#include <memory>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace bench {

constexpr int kButtonWidth = 107, kButtonHeight = 27;

// Style, caption and font; a bench adds what else it sets.
inline host::PropertyBag ConvertiBag(int style) {
    using host::PropertyValue;
    host::PropertyBag bag;
    bag.WriteProperty("Style", PropertyValue::Long(style));
    bag.WriteProperty("Caption", PropertyValue::String("Converti"));
    bag.WriteProperty("Font", PropertyValue::Font(host::Font{"Verdana", 8.25, true}));
    return bag;
}

inline std::shared_ptr<control::raReruri> ShownButton(const host::PropertyBag& bag) {
    host::ControlSite site;
    site.name = "cmdBench";
    site.width = kButtonWidth * 15;
    site.height = kButtonHeight * 15;
    auto button = control::raReruri::Create(site);
    button->Load(bag);
    win32::ShowWindow(button->UserControl().hWnd(), win32::SW_SHOW);
    return button;
}

// look: 0 normal, 1 focused, 2 hot, 3 pressed, 4 disabled.
inline void Reach(control::raReruri& button, int look) {
    const win32::HWND hwnd = button.UserControl().hWnd();
    const win32::POINT centre{kButtonWidth / 2, kButtonHeight / 2};
    switch (look) {
        case 1: win32::SendMessageA(hwnd, win32::WM_SETFOCUS, 0, 0); break;
        case 2:
        case 3:
            win32::NotifyPointerMoved(centre);
            win32::SendMessageA(hwnd, win32::WM_MOUSEMOVE, 0, win32::MAKELPARAM(centre.x, centre.y));
            if (look == 3)
                win32::SendMessageA(hwnd, win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, win32::MAKELPARAM(5, 5));
            break;
        case 4: button.SetEnabled(false); break;
        default: break;
    }
}

}  // namespace bench
