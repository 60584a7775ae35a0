// The About box: a hidden child picture box of the control that About turns
// into a floating, captioned, topmost window; a click anywhere hides it.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/raReruriAboutBox.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/User32.h"

namespace control {
namespace {

using namespace win32;

constexpr DWORD kFloatingFrame = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX;  // 0xC60000

host::Font AboutFont() {
    host::Font font;
    font.name = "Verdana";
    font.size = about::kBoxFontSize;
    return font;
}

}  // namespace

void raReruri::CreateAboutBox() {
    host::PictureBoxSite site;
    site.parent = userControl_->hWnd();
    site.name = "m_About";
    site.width = about::kBoxWidth;
    site.height = about::kBoxHeight;
    site.visible = false;
    m_About = std::make_unique<host::PictureBox>(site, AboutFont(), host::SystemColor(COLOR_BTNFACE));
    host::PictureBox& box = *m_About;
    box.Paint.Connect([this, &box] { Trap([&] { about::PaintAboutBox(box, Version()); }); });
    box.MouseDown.Connect([&box](std::int16_t, std::int16_t, float, float) {
        Trap([&] {
            about::PaintCloseButton(box, about::CloseLook::Pressed);
            box.Invalidate();
        });
    });
    box.Click.Connect([&box] { Trap([&] { box.SetVisible(false); }); });
}

void raReruri::About() {
    Trap([&] {
        const HWND box = m_About->hWnd();
        m_About->SetVisible(true);
        // Recomputed from the saved style each time, so calling About again
        // gives the same style. Added, not or-ed, as the style always was.
        const DWORD style = static_cast<DWORD>(aboutStyle_) + kFloatingFrame;
        SetWindowLongA(box, GWL_STYLE, static_cast<LONG>(style));
        SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
        const UINT frameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED;
        SetWindowPos(box, nullptr, 0, 0, 0, 0, frameChanged);
        SetWindowTextA(box, ("About raReruri " + Version()).c_str());
        SetWindowPos(box, nullptr, 0, 0, 0, 0, frameChanged);
        // Top-level from now on, where it stands.
        SetParent(box, nullptr);
    });
}

}  // namespace control
