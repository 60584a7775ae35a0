// .ico and .bmp files: any bytes give a picture or none, never a read
// outside the data; a picture is painted, and nothing leaks.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "host/Picture.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/Icons.h"
#include "tools/render/PictureFile.h"

namespace {

// Paints the picture on a small surface, as the control draws an icon or
// a bitmap.
void Paint(const host::Picture& picture) {
    const win32::HDC target = win32::CreateCompatibleDC(nullptr);
    const win32::HBITMAP surface = win32::CreateCompatibleBitmap(target, 16, 16);
    const win32::HGDIOBJ oldSurface = win32::SelectObject(target, surface);
    if (picture.Type() == host::PictureType::Icon) {
        const auto icon = reinterpret_cast<win32::HICON>(picture.Handle());
        win32::DrawIconEx(target, -2, 3, icon, 0, 0, 0, nullptr, win32::DI_NORMAL);
        win32::DrawIconEx(target, 0, 0, icon, 16, 16, 0, nullptr, win32::DI_NORMAL);
    } else {
        const win32::HDC source = win32::CreateCompatibleDC(target);
        const win32::HGDIOBJ old =
            win32::SelectObject(source, reinterpret_cast<win32::HBITMAP>(picture.Handle()));
        win32::BitBlt(target, 0, 0, 16, 16, source, 0, 0, win32::SRCCOPY);
        win32::SelectObject(source, old);
        win32::DeleteDC(source);
    }
    win32::SelectObject(target, oldSurface);
    win32::DeleteObject(surface);
    win32::DeleteDC(target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    const std::span<const std::uint8_t> bytes(data, size);
    for (const host::PicturePtr& picture :
         {host::Picture::FromIconFile(bytes), render_tool::PictureFromBmpBytes(bytes)}) {
        if (!picture) continue;
        if (picture->Width() <= 0 || picture->Height() <= 0) std::abort();
        Paint(*picture);
    }
    if (!(win32::GetGdiLiveCounts() == before)) std::abort();
    return 0;
}
