#include "control/styles/PixelRun.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace control::styles {

void PixelRun::Flush() noexcept {
    if (count_ == 0) return;
    const bool down = direction_ == Direction::Down;
    const int width = down ? 1 : count_;
    const int height = down ? count_ : 1;
    const win32::BITMAPINFO info = win32::TopDown32BitInfo(width, height);
    win32::SetDIBitsToDevice(hdc_, x0_, y0_, static_cast<win32::DWORD>(width),
                             static_cast<win32::DWORD>(height), 0, 0, 0, static_cast<win32::UINT>(height),
                             pixels_.data(), &info, win32::DIB_RGB_COLORS);
    count_ = 0;
}

}  // namespace control::styles
