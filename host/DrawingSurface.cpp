#include "host/DrawingSurface.h"

#include <algorithm>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"

namespace host {

win32::COLORREF ResolveColor(OLE_COLOR color) {
    if (color & kSystemColorFlag) return win32::GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

DrawingSurface::DrawingSurface(const Font& font) : font_(font) {
    dc_ = win32::CreateCompatibleDC(nullptr);
    win32::SetBkMode(dc_, win32::TRANSPARENT);
    SetFont(font);
}

DrawingSurface::~DrawingSurface() {
    if (originalBitmap_) win32::SelectObject(dc_, originalBitmap_);
    if (originalFont_) win32::SelectObject(dc_, originalFont_);
    if (bitmap_) win32::DeleteObject(bitmap_);
    if (hfont_) win32::DeleteObject(hfont_);
    win32::DeleteDC(dc_);
}

void DrawingSurface::Resize(int width, int height, OLE_COLOR fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (bitmap_ && width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    const win32::HBITMAP bitmap =
        win32::CreateCompatibleBitmap(dc_, std::max(width_, 1), std::max(height_, 1));
    const win32::HGDIOBJ previous = win32::SelectObject(dc_, bitmap);
    if (!originalBitmap_) originalBitmap_ = previous;
    if (bitmap_) win32::DeleteObject(bitmap_);
    bitmap_ = bitmap;
    Fill(fill);
}

void DrawingSurface::Fill(OLE_COLOR color) {
    const win32::RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
    const win32::HBRUSH brush = win32::CreateSolidBrush(ResolveColor(color));
    win32::FillRect(dc_, &all, brush);
    win32::DeleteObject(brush);
}

void DrawingSurface::SetFont(const Font& font) {
    const win32::HFONT created = win32::CreateFontA(
        win32::FontHeightFromPoints(font.size), 0, 0, 0, font.bold ? win32::FW_BOLD : win32::FW_NORMAL,
        font.italic, font.underline, font.strikethrough, static_cast<win32::DWORD>(font.charset), 0, 0, 0, 0,
        font.name.c_str());
    if (!created) return;
    font_ = font;
    const win32::HGDIOBJ previous = win32::SelectObject(dc_, created);
    if (!originalFont_) originalFont_ = previous;
    if (hfont_) win32::DeleteObject(hfont_);
    hfont_ = created;
}

void DrawingSurface::SetTextColor(OLE_COLOR color) { win32::SetTextColor(dc_, ResolveColor(color)); }

}  // namespace host
