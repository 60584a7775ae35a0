#include "host/PictureBox.h"

#include <algorithm>
#include <utility>

#include "host/UserControlEvents.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"

namespace host {
namespace {

using namespace win32;

std::vector<PictureBox*>& Live() {
    static std::vector<PictureBox*> boxes;
    return boxes;
}

std::int16_t ShiftFromMouse(WPARAM wParam) {
    return static_cast<std::int16_t>(((wParam & MK_SHIFT) ? vbShiftMask : 0) |
                                     ((wParam & MK_CONTROL) ? vbCtrlMask : 0));
}

float X(LPARAM lParam) { return static_cast<float>(static_cast<std::int16_t>(LOWORD(lParam))); }
float Y(LPARAM lParam) { return static_cast<float>(static_cast<std::int16_t>(HIWORD(lParam))); }

}  // namespace

PictureBox::PictureBox(const PictureBoxSite& site, const Font& font, OLE_COLOR backColor)
    : surface_(font), backColor_(backColor) {
    static const bool registered = [] {
        WNDCLASSA wc;
        wc.lpfnWndProc = &PictureBox::Procedure;
        wc.lpszClassName = kWindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    surface_.SetTextColor(foreColor_);
    Live().push_back(this);
    const DWORD style =
        WS_CLIPSIBLINGS | (site.parent ? WS_CHILD : WS_POPUP) | (site.visible ? WS_VISIBLE : 0);
    // The window procedure takes the handle at WM_NCCREATE; a window that
    // failed to be made is already gone.
    if (!CreateWindowExA(0, kWindowClass, site.name.c_str(), style, site.left, site.top, site.width,
                         site.height, site.parent, nullptr, nullptr, this))
        hwnd_.Release();
}

PictureBox::~PictureBox() {
    hwnd_.Reset();
    std::erase(Live(), this);
}

PictureBox* PictureBox::FromHwnd(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (PictureBox* box : Live())
        if (box->hWnd() == hwnd) return box;
    return nullptr;
}

LRESULT PictureBox::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        // Messages sent during creation find their box.
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        static_cast<PictureBox*>(cs->lpCreateParams)->hwnd_.Reset(hwnd);
    }
    PictureBox* box = FromHwnd(hwnd);
    if (!box) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return box->Dispatch(msg, wParam, lParam);
}

LRESULT PictureBox::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hWnd();
    switch (msg) {
        case WM_SIZE:
            // Pixels only once drawn on: a box kept hidden needs none.
            surface_.ResizeWhenDrawn(LOWORD(lParam), HIWORD(lParam), backColor_);
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            ValidateRect(hwnd, nullptr);
            // A hidden window is not painted; showing it invalidates it.
            if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE)) return 0;
            Cls();
            Paint.Raise();
            Invalidate();
            return 0;
        case WM_LBUTTONDOWN: Pressed(vbLeftButton, wParam, lParam); return 0;
        case WM_RBUTTONDOWN: Pressed(vbRightButton, wParam, lParam); return 0;
        case WM_MBUTTONDOWN: Pressed(vbMiddleButton, wParam, lParam); return 0;
        case WM_LBUTTONUP: Released(vbLeftButton, lParam); return 0;
        case WM_RBUTTONUP: Released(vbRightButton, lParam); return 0;
        case WM_MBUTTONUP: Released(vbMiddleButton, lParam); return 0;
        case WM_NCDESTROY:
            // The parent's destruction took the window with it.
            hwnd_.Release();
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void PictureBox::Pressed(std::int16_t button, WPARAM wParam, LPARAM lParam) {
    armedButton_ = button;
    MouseDown.Raise(button, ShiftFromMouse(wParam), X(lParam), Y(lParam));
}

// A click is a press and the release of the same button over the box.
void PictureBox::Released(std::int16_t button, LPARAM lParam) {
    const float x = X(lParam), y = Y(lParam);
    const bool inside = x >= 0 && y >= 0 && x < ScaleWidth() && y < ScaleHeight();
    const bool click = armedButton_ == button && inside;
    armedButton_ = 0;
    if (click) Click.Raise();
}

bool PictureBox::Visible() const { return hwnd_ && (GetWindowLongA(hWnd(), GWL_STYLE) & WS_VISIBLE); }

void PictureBox::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hWnd(), visible ? SW_SHOW : SW_HIDE);
}

void PictureBox::SetBackColor(OLE_COLOR color) {
    backColor_ = color;
    Cls();
}

void PictureBox::SetForeColor(OLE_COLOR color) {
    foreColor_ = color;
    surface_.SetTextColor(color);
}

void PictureBox::SetFontSize(double points) {
    Font font = GetFont();
    font.size = points;
    surface_.SetFont(font);
}

void PictureBox::SetFontBold(bool bold) {
    Font font = GetFont();
    font.bold = bold;
    surface_.SetFont(font);
}

void PictureBox::SetFontUnderline(bool underline) {
    Font font = GetFont();
    font.underline = underline;
    surface_.SetFont(font);
}

void PictureBox::Cls() {
    surface_.Fill(backColor_);
    MoveToEx(hDC(), 0, 0, nullptr);
}

}  // namespace host
