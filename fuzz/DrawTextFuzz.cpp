// DrawTextA and TextOutA with any text, rectangle, format and position on a
// small surface: nothing is read or written outside the surface or the
// glyphs, whatever the coordinates, and nothing leaks.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "FuzzInput.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace {

// Made once: the font cache is what a long-running program has.
win32::HFONT CaptionFont() {
    static const win32::HFONT font = [] {
        win32::LOGFONTA lf;
        lf.lfHeight = win32::FontHeightFromPoints(8.25);
        std::strcpy(lf.lfFaceName, "Verdana");
        return win32::CreateFontIndirectA(&lf);
    }();
    return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    win32::RECT rect{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const win32::UINT format = static_cast<win32::UINT>(in.Int32()) & 0x00000FFF;
    const win32::POINT at{in.Coordinate(), in.Coordinate()};
    const int mode = in.Byte() & 1 ? win32::OPAQUE : win32::TRANSPARENT;
    const std::string_view text = in.Rest();

    const win32::HFONT font = CaptionFont();
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, 48, 24);
    const win32::HGDIOBJ oldBitmap = win32::SelectObject(dc, bitmap);
    const win32::HGDIOBJ oldFont = win32::SelectObject(dc, font);
    win32::SetBkMode(dc, mode);
    win32::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, format);
    win32::TextOutA(dc, at.x, at.y, text.data(), static_cast<int>(text.size()));
    win32::SelectObject(dc, oldFont);
    win32::SelectObject(dc, oldBitmap);
    win32::DeleteObject(bitmap);
    win32::DeleteDC(dc);
    if (!(win32::GetGdiLiveCounts() == before)) std::abort();
    return 0;
}
