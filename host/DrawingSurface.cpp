#include "host/DrawingSurface.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace host {

win32::COLORREF ResolveColor(OLE_COLOR color) {
    if (color & kSystemColorFlag) return win32::GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

DrawingSurface::DrawingSurface(const Font& font) : font_(font) {
    win32::SetBkMode(dc_.Get(), win32::TRANSPARENT);
    SetFont(font);
}

DrawingSurface::~DrawingSurface() {
    // The surface's own objects go back in, so the members can delete theirs.
    if (originalBitmap_) win32::SelectObject(dc_.Get(), originalBitmap_);
    if (originalFont_) win32::SelectObject(dc_.Get(), originalFont_);
}

win32::HDC DrawingSurface::hDC() const {
    if (bitmapOwed_) MakeBitmap(owedFill_);
    return dc_.Get();
}

void DrawingSurface::Resize(int width, int height, OLE_COLOR fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (bitmap_ && !bitmapOwed_ && width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    MakeBitmap(ResolveColor(fill));
}

void DrawingSurface::ResizeWhenDrawn(int width, int height, OLE_COLOR fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if ((bitmap_ || bitmapOwed_) && width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    owedFill_ = ResolveColor(fill);
    bitmapOwed_ = true;
}

void DrawingSurface::MakeBitmap(win32::COLORREF fill) const {
    bitmapOwed_ = false;
    // A bitmap has at least one pixel; the size still reports zero.
    const win32::HDC dc = dc_.Get();
    win32::ScopedBitmap bitmap(win32::CreateCompatibleBitmap(dc, std::max(width_, 1), std::max(height_, 1)));
    const win32::HGDIOBJ previous = win32::SelectObject(dc, bitmap.Get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);
    const win32::RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
    const win32::ScopedBrush brush(fill);
    win32::FillRect(dc, &all, brush.Get());
}

void DrawingSurface::Fill(OLE_COLOR color) {
    const win32::RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
    const win32::ScopedBrush brush(ResolveColor(color));
    win32::FillRect(hDC(), &all, brush.Get());
}

void DrawingSurface::SetFont(const Font& font) {
    win32::ScopedFont created(win32::CreateFontA(
        win32::FontHeightFromPoints(font.size), 0, 0, 0, font.bold ? win32::FW_BOLD : win32::FW_NORMAL,
        font.italic, font.underline, font.strikethrough, static_cast<win32::DWORD>(font.charset), 0, 0, 0, 0,
        font.name.c_str()));
    if (!created) return;
    font_ = font;
    const win32::HGDIOBJ previous = win32::SelectObject(dc_.Get(), created.Get());
    if (!originalFont_) originalFont_ = previous;
    hfont_ = std::move(created);
}

void DrawingSurface::SetTextColor(OLE_COLOR color) { win32::SetTextColor(dc_.Get(), ResolveColor(color)); }

}  // namespace host
