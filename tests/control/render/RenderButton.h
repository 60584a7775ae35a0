// A raReruri control for pipeline tests: loaded from a bag, shown, driven by
// the real window messages, with pixel access to its surface.
#pragma once

#include <initializer_list>
#include <memory>
#include <utility>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace render_test {

inline host::PropertyBag Bag(std::initializer_list<std::pair<const char*, host::PropertyValue>> entries) {
    host::PropertyBag bag;
    for (const auto& [key, value] : entries) bag.WriteProperty(key, value);
    return bag;
}

struct RenderButton {
    static constexpr win32::POINT kInside{10, 10};
    static constexpr win32::POINT kOutside{5000, 5000};

    explicit RenderButton(const host::PropertyBag& bag, int width = 107, int height = 27, bool show = true) {
        win32::ClearMessageQueue();
        win32::NotifyPointerMoved(kOutside);
        host::ControlSite site;
        site.name = "cmdRender";
        site.width = width * 15;
        site.height = height * 15;
        control = control::raReruri::Create(site);
        control->Load(bag);
        if (show) win32::ShowWindow(Hwnd(), win32::SW_SHOW);
    }
    ~RenderButton() {
        control.reset();
        win32::ClearMessageQueue();
    }
    RenderButton(const RenderButton&) = delete;
    RenderButton& operator=(const RenderButton&) = delete;

    win32::HWND Hwnd() const { return control->UserControl().hWnd(); }
    win32::HDC dc() const { return control->UserControl().hDC(); }
    win32::COLORREF At(int x, int y) const { return win32::GetPixel(dc(), x, y); }

    void Enter() {
        win32::NotifyPointerMoved(kInside);
        win32::SendMessageA(Hwnd(), win32::WM_MOUSEMOVE, 0, win32::MAKELPARAM(kInside.x, kInside.y));
    }
    void Press() {
        win32::SendMessageA(Hwnd(), win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, win32::MAKELPARAM(5, 5));
    }
    void Focus() { win32::SendMessageA(Hwnd(), win32::WM_SETFOCUS, 0, 0); }

    std::shared_ptr<control::raReruri> control;
};

}  // namespace render_test
