// .ico and .bmp files: any bytes give a picture or none, never a read
// outside the data; a picture is painted, and nothing leaks.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "host/Picture.h"
#include "platform/gdi/Gdi.h"
#include "tools/render/PictureFile.h"

namespace {

// Paints the picture's bitmaps onto a small surface, as an icon is drawn.
void Paint(const host::Picture& picture) {
    const win32::HDC screen = win32::CreateCompatibleDC(nullptr);
    const win32::HDC target = win32::CreateCompatibleDC(screen);
    const win32::HBITMAP surface = win32::CreateCompatibleBitmap(screen, 16, 16);
    const win32::HGDIOBJ oldSurface = win32::SelectObject(target, surface);
    const win32::HDC source = win32::CreateCompatibleDC(screen);
    const auto image = reinterpret_cast<win32::HBITMAP>(picture.Handle());
    for (const win32::HBITMAP bitmap : {image, picture.Mask()}) {
        if (!bitmap) continue;
        const win32::HGDIOBJ old = win32::SelectObject(source, bitmap);
        win32::BitBlt(target, 0, 0, 16, 16, source, 0, 0, win32::SRCAND);
        win32::SelectObject(source, old);
    }
    win32::DeleteDC(source);
    win32::SelectObject(target, oldSurface);
    win32::DeleteObject(surface);
    win32::DeleteDC(target);
    win32::DeleteDC(screen);
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
