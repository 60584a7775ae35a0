// The pixels a window of the runtime shows: a memory DC over a 32-bit bitmap
// the size of the window, with a font and a text colour selected, that the
// owner draws on and the display copies to the screen as it is.
#pragma once

#include "host/Control.h"
#include "host/Font.h"
#include "platform/Win32Types.h"
#include "platform/gdi/GdiScoped.h"

namespace host {

class DrawingSurface {
public:
    explicit DrawingSurface(const Font& font);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // The DC, with the bitmap a deferred resize still owes it.
    win32::HDC hDC() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

    // A fresh bitmap of that size (at least one pixel), filled with `fill`;
    // nothing changes when the size is the same.
    void Resize(int width, int height, OLE_COLOR fill);
    // The same, but the bitmap is made when the DC is first asked for: a
    // window that is never shown holds no pixels. The fill is the colour
    // `fill` stands for now.
    void ResizeWhenDrawn(int width, int height, OLE_COLOR fill);
    void Fill(OLE_COLOR color);
    // Selects a font made from the description; keeps the old one when the
    // description gives none.
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    void SetTextColor(OLE_COLOR color);

private:
    void MakeBitmap(win32::COLORREF fill) const;

    // Declared before the objects selected into it, so it is deleted last.
    win32::ScopedMemoryDC dc_;
    mutable win32::ScopedBitmap bitmap_;
    mutable win32::HGDIOBJ originalBitmap_ = nullptr;
    mutable bool bitmapOwed_ = false;
    win32::COLORREF owedFill_ = 0;
    win32::ScopedFont hfont_;
    win32::HGDIOBJ originalFont_ = nullptr;
    Font font_;
    int width_ = 0;
    int height_ = 0;
};

// The colour a form colour stands for now: a system colour reference is
// looked up, anything else is taken as RGB.
win32::COLORREF ResolveColor(OLE_COLOR color);

}  // namespace host
