#include "host/UserControl.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "host/PropertyBag.h"
#include "host/UserControlWindow.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"

namespace host {
namespace {

std::vector<UserControl*>& Live() {
    static std::vector<UserControl*> controls;
    return controls;
}

}  // namespace

UserControl::UserControl(const ControlSite& site, Font surfaceFont)
    : extender_(*this, site.name),
      ambient_(site.ambient),
      surface_(surfaceFont),
      font_(std::move(surfaceFont)) {
    extender_.SetTabIndex(site.tabIndex);
    extender_.SetToolTipText(site.toolTipText);
    surface_.SetTextColor(foreColor_);
    Live().push_back(this);
    // The window procedure takes the handle at WM_NCCREATE; a window that
    // failed to be made is already gone.
    if (!UserControlWindow::Create(*this, site)) hwnd_.Release();
}

UserControl::~UserControl() {
    hwnd_.Reset();
    std::erase(Live(), this);
}

void UserControl::RaiseEvent(const std::function<void(UserControlEvents&)>& handler) {
    // The strong reference keeps the control (and so this object) alive
    // while its handler runs, whatever the handler's owners do.
    const auto events = events_.lock();
    if (!events || terminated_) return;
    try {
        handler(*events);
    } catch (...) {
        // A control traps its own errors; one that escapes must not unwind
        // through the message dispatch.
    }
}

void UserControl::Initialize() {
    RaiseEvent([](UserControlEvents& e) { e.UserControl_Initialize(); });
}

void UserControl::InitNew() {
    RaiseEvent([](UserControlEvents& e) { e.UserControl_InitProperties(); });
}

void UserControl::Load(const PropertyBag& bag) {
    RaiseEvent([&bag](UserControlEvents& e) { e.UserControl_ReadProperties(bag); });
}

void UserControl::Save(PropertyBag& bag) {
    RaiseEvent([&bag](UserControlEvents& e) { e.UserControl_WriteProperties(bag); });
    dirty_ = false;
}

void UserControl::Terminate() {
    if (terminated_) return;
    RaiseEvent([](UserControlEvents& e) { e.UserControl_Terminate(); });
    terminated_ = true;
    hwnd_.Reset();
}

void UserControl::SetBackColor(OLE_COLOR color) {
    backColor_ = color;
    Cls();
}

void UserControl::SetForeColor(OLE_COLOR color) {
    foreColor_ = color;
    surface_.SetTextColor(color);
}

void UserControl::Cls() {
    surface_.Fill(backColor_);
    win32::MoveToEx(hDC(), 0, 0, nullptr);
}

void UserControl::SetFont(const Font& font) {
    font_ = font;
    surface_.SetFont(font);
}

bool UserControl::Enabled() const { return hwnd_ && win32::IsWindowEnabled(hWnd()); }

void UserControl::SetEnabled(bool enabled) {
    if (hwnd_) win32::EnableWindow(hWnd(), enabled);
}

void UserControl::SetAmbientUserMode(bool userMode) {
    ambient_.UserMode = userMode;
    RaiseEvent([](UserControlEvents& e) { e.UserControl_AmbientChanged("UserMode"); });
}

void UserControl::SetAmbientDisplayAsDefault(bool displayAsDefault) {
    ambient_.DisplayAsDefault = displayAsDefault;
    RaiseEvent([](UserControlEvents& e) { e.UserControl_AmbientChanged("DisplayAsDefault"); });
}

void UserControl::PropertyChanged(std::string_view propertyName) {
    dirty_ = true;
    PropertyChangedNotification.Raise(std::string(propertyName));
}

UserControl* UserControl::FromHwnd(win32::HWND hwnd) {
    if (!hwnd) return nullptr;
    for (UserControl* control : Live())
        if (control->hWnd() == hwnd) return control;
    return nullptr;
}

std::vector<win32::HWND> UserControl::Windows() {
    std::vector<win32::HWND> windows;
    for (UserControl* control : Live())
        if (control->hwnd_) windows.push_back(control->hWnd());
    return windows;
}

}  // namespace host
