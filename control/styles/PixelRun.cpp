#include "control/styles/PixelRun.h"

#include "platform/gdi/Gdi.h"

namespace control::styles {

void PixelRun::Flush() noexcept {
    if (count_ == 0) return;
    const bool down = direction_ == Direction::Down;
    const int width = down ? 1 : count_;
    const int height = down ? count_ : 1;
    win32::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = win32::BI_RGB;
    win32::SetDIBitsToDevice(hdc_, x0_, y0_, static_cast<win32::DWORD>(width),
                             static_cast<win32::DWORD>(height), 0, 0, 0, static_cast<win32::UINT>(height),
                             pixels_.data(), &info, win32::DIB_RGB_COLORS);
    count_ = 0;
}

}  // namespace control::styles
