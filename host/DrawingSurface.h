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

    win32::HDC hDC() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // A fresh bitmap of that size (at least one pixel), filled with `fill`;
    // nothing changes when the size is the same.
    void Resize(int width, int height, OLE_COLOR fill);
    void Fill(OLE_COLOR color);
    // Selects a font made from the description; keeps the old one when the
    // description gives none.
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    void SetTextColor(OLE_COLOR color);

private:
    // Declared before the objects selected into it, so it is deleted last.
    win32::ScopedMemoryDC dc_;
    win32::ScopedBitmap bitmap_;
    win32::HGDIOBJ originalBitmap_ = nullptr;
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
