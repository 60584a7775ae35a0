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

win32::COLORREF Resolve(OLE_COLOR color) {
    if (color & kSystemColorFlag) return win32::GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

}  // namespace

UserControl::UserControl(const ControlSite& site, Font surfaceFont)
    : extender_(*this, site.name), ambient_(site.ambient), font_(std::move(surfaceFont)) {
    extender_.SetTabIndex(site.tabIndex);
    extender_.SetToolTipText(site.toolTipText);
    SetFont(font_);
    win32::SetBkMode(hDC(), win32::TRANSPARENT);
    win32::SetTextColor(hDC(), Resolve(foreColor_));
    Live().push_back(this);
    // The window procedure takes the handle at WM_NCCREATE; a window that
    // failed to be made is already gone.
    if (!UserControlWindow::Create(*this, site)) hwnd_.Release();
}

UserControl::~UserControl() {
    hwnd_.Reset();
    std::erase(Live(), this);
    // The surface's own objects go back in, so the members can delete theirs.
    if (originalBitmap_) win32::SelectObject(hDC(), originalBitmap_);
    if (originalFont_) win32::SelectObject(hDC(), originalFont_);
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

void UserControl::ResizeSurface(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (bitmap_ && width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    // A bitmap has at least one pixel; the scale size still reports zero.
    win32::ScopedBitmap bitmap(win32::CreateCompatibleBitmap(hDC(), std::max(width, 1), std::max(height, 1)));
    const win32::HGDIOBJ previous = win32::SelectObject(hDC(), bitmap.Get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);
    FillSurface();
}

void UserControl::FillSurface() {
    const win32::RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
    const win32::ScopedBrush brush(Resolve(backColor_));
    win32::FillRect(hDC(), &all, brush.Get());
}

void UserControl::SetBackColor(OLE_COLOR color) {
    backColor_ = color;
    Cls();
}

void UserControl::SetForeColor(OLE_COLOR color) {
    foreColor_ = color;
    win32::SetTextColor(hDC(), Resolve(color));
}

void UserControl::Cls() {
    FillSurface();
    win32::MoveToEx(hDC(), 0, 0, nullptr);
}

void UserControl::SetFont(const Font& font) {
    font_ = font;
    win32::ScopedFont created(win32::CreateFontA(
        win32::FontHeightFromPoints(font.size), 0, 0, 0, font.bold ? win32::FW_BOLD : win32::FW_NORMAL,
        font.italic, font.underline, font.strikethrough, static_cast<win32::DWORD>(font.charset), 0, 0, 0, 0,
        font.name.c_str()));
    if (!created) return;
    const win32::HGDIOBJ previous = win32::SelectObject(hDC(), created.Get());
    if (!originalFont_) originalFont_ = previous;
    hfont_ = std::move(created);
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
