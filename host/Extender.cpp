#include "host/Extender.h"

#include "host/Twips.h"
#include "host/UserControl.h"
#include "platform/user/User32.h"

namespace host {
namespace {

// The window's rectangle in its container's client coordinates, in pixels.
win32::RECT PlaceOf(win32::HWND hwnd) {
    win32::RECT rect;
    if (!hwnd || !win32::GetWindowRect(hwnd, &rect)) return {};
    if (const win32::HWND parent = win32::GetParent(hwnd)) {
        win32::POINT topLeft{rect.left, rect.top};
        win32::ScreenToClient(parent, &topLeft);
        rect = {topLeft.x, topLeft.y, topLeft.x + rect.right - rect.left, topLeft.y + rect.bottom - rect.top};
    }
    return rect;
}

}  // namespace

int Extender::Left() const { return PlaceOf(control_.hWnd()).left * kTwipsPerPixel; }
int Extender::Top() const { return PlaceOf(control_.hWnd()).top * kTwipsPerPixel; }

int Extender::Width() const {
    const win32::RECT r = PlaceOf(control_.hWnd());
    return (r.right - r.left) * kTwipsPerPixel;
}

int Extender::Height() const {
    const win32::RECT r = PlaceOf(control_.hWnd());
    return (r.bottom - r.top) * kTwipsPerPixel;
}

void Extender::SetWidth(int twips) { Move(Left(), Top(), twips, Height()); }
void Extender::SetHeight(int twips) { Move(Left(), Top(), Width(), twips); }

void Extender::Move(int left, int top, int width, int height) {
    if (!control_.hWnd()) return;
    win32::MoveWindow(control_.hWnd(), TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                      TwipsToPixels(height), win32::TRUE);
}

}  // namespace host
