// A picture box: a window with a drawing surface of its own, a font, fore
// and back colours, and the paint, mouse-down and click events its owner
// handles. Like the runtime's picture box without AutoRedraw, it is erased to
// its back colour before each Paint; what the owner draws at other times
// reaches the screen when it calls Invalidate.
//
// The box owns its window: the window is destroyed with the box, also when
// it was moved to the top level. A box whose parent window went first has
// lost its window (hWnd() is then nullptr) and does nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/Control.h"
#include "host/DrawingSurface.h"
#include "host/Event.h"
#include "host/Font.h"
#include "platform/Win32Types.h"
#include "platform/user/ScopedWindow.h"

namespace host {

struct PictureBoxSite {
    win32::HWND parent = nullptr;
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;  // pixels, in the parent's client area
    bool visible = true;
};

class PictureBox {
public:
    PictureBox(const PictureBoxSite& site, const Font& font, OLE_COLOR backColor);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    win32::HWND hWnd() const { return hwnd_.Get(); }
    win32::HDC hDC() const { return surface_.hDC(); }
    int ScaleWidth() const { return surface_.Width(); }
    int ScaleHeight() const { return surface_.Height(); }

    bool Visible() const;
    void SetVisible(bool visible);
    OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(OLE_COLOR color);  // also clears the surface
    OLE_COLOR ForeColor() const { return foreColor_; }
    void SetForeColor(OLE_COLOR color);
    const Font& GetFont() const { return surface_.GetFont(); }
    void SetFontSize(double points);
    void SetFontBold(bool bold);
    void SetFontUnderline(bool underline);
    void Cls();
    // Tells whatever shows the window that the surface has new pixels.
    void Invalidate() const { SurfaceUpdated.Raise(); }

    Event<> Paint;
    Event<std::int16_t, std::int16_t, float, float> MouseDown;  // button, shift, x, y
    Event<> Click;
    Event<> SurfaceUpdated;

    // The box behind one of our windows, or nullptr.
    static PictureBox* FromHwnd(win32::HWND hwnd);
    static constexpr const char* kWindowClass = "CorvalmirePictureBox";

private:
    static win32::LRESULT Procedure(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam,
                                    win32::LPARAM lParam);
    win32::LRESULT Dispatch(win32::UINT msg, win32::WPARAM wParam, win32::LPARAM lParam);
    void Pressed(std::int16_t button, win32::WPARAM wParam, win32::LPARAM lParam);
    void Released(std::int16_t button, win32::LPARAM lParam);

    // Declared before the window, so the window goes first.
    DrawingSurface surface_;
    win32::ScopedWindow hwnd_;
    OLE_COLOR backColor_;
    OLE_COLOR foreColor_ = SystemColor(win32::COLOR_BTNTEXT);
    std::int16_t armedButton_ = 0;  // pressed on the box, awaiting its release
};

}  // namespace host
