#include "control/raReruriAboutBox.h"

#include "control/styles/Colors.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SysColors.h"

namespace control::about {
namespace {

using namespace win32;

constexpr UINT kLeft = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
constexpr UINT kCentred = kLeft | DT_CENTER;
constexpr host::OLE_COLOR kLinkBlue = 0xFF0000;  // COLORREF: pure blue

// The rectangles are given as left, top, right, bottom; some list a bottom
// above their top, which still centres the line on (top + bottom) / 2.
void Text(host::PictureBox& box, const std::string& text, RECT rect, UINT format) {
    DrawTextA(box.hDC(), text.c_str(), -1, &rect, format);
}

struct Segment {
    POINT from, to;
};

// The outline, each line from its first point towards the second (end
// excluded): the top, the two upper bevels, the sides, the lower bevels and
// the bottom. The right-hand lower bevel runs one step further than its
// left-hand twin.
void DrawOutline(HDC dc, const CloseButtonGeometry& b, styles::Color shadow) {
    const Segment lines[] = {
        {{b.x1 + 2, b.y}, {b.x2 - 2, b.y}},
        {{b.x1 + 2, b.y}, {b.x1, b.y + 2}},
        {{b.x2 - 2, b.y}, {b.x2, b.y + 2}},
        {{b.x1, b.y + 2}, {b.x1, b.y + b.h - 2}},
        {{b.x2, b.y + 2}, {b.x2, b.y + b.h}},
        {{b.x1, b.y + b.h - 2}, {b.x1 + 2, b.y + b.h}},
        {{b.x2, b.y + b.h - 2}, {b.x2 - 3, b.y + b.h + 1}},
        {{b.x1 + 2, b.y + b.h}, {b.x2 - 2, b.y + b.h}},
    };
    for (const Segment& s : lines) styles::DrawLineDC(dc, s.from.x, s.from.y, s.to.x, s.to.y, shadow);
}

// Three pixels at each corner go back to the face colour, which rounds them.
void RoundCorners(HDC dc, const CloseButtonGeometry& b, COLORREF face) {
    const int bottom = b.y + b.h;
    const POINT corners[] = {
        {b.x1, b.y},        {b.x1 + 1, b.y}, {b.x1, b.y + 1},    {b.x2, b.y},
        {b.x2 - 1, b.y},    {b.x2, b.y + 1}, {b.x1, bottom},     {b.x1 + 1, bottom},
        {b.x1, bottom - 1}, {b.x2, bottom},  {b.x2 - 1, bottom}, {b.x2, bottom - 1},
    };
    for (const POINT& p : corners) SetPixelV(dc, p.x, p.y, face);
}

}  // namespace

void PaintAboutBox(host::PictureBox& box, const std::string& version) {
    box.SetForeColor(host::SystemColor(COLOR_BTNTEXT));
    box.SetFontUnderline(false);
    box.SetFontSize(18);
    Text(box, "raReruri", {20, 10, 220, 40}, kLeft);
    box.SetFontSize(10);
    Text(box, "Version " + version, {160, 70, 300, 20}, kLeft);
    box.SetFontBold(true);
    Text(box, kCreditLine, {20, 110, 250, 20}, kLeft);
    box.SetFontBold(false);
    Text(box, kWebAddress, {20, 140, 250, 20}, kLeft);
    PaintCloseButton(box, CloseLook::Raised);
}

void PaintCloseButton(host::PictureBox& box, CloseLook look) {
    const HDC dc = box.hDC();
    const CloseButtonGeometry& b = kClose;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const styles::Color light = styles::ShiftColor(static_cast<styles::Color>(face), 15);
    const styles::Color dark = styles::ShiftColor(static_cast<styles::Color>(face), -15);
    if (look == CloseLook::Raised)
        styles::DrawGradientVDC(dc, light, dark, b.x1, b.y, b.x2, b.h);
    else
        styles::DrawGradientVDC(dc, dark, light, b.x1, b.y, b.x2, b.h);
    DrawOutline(dc, b, static_cast<styles::Color>(GetSysColor(COLOR_BTNSHADOW)));
    RoundCorners(dc, b, face);
    box.SetFontSize(8);
    box.SetForeColor(kLinkBlue);
    box.SetFontUnderline(true);
    Text(box, "Close", {b.x1, b.y, b.x2, b.y + b.h}, kCentred);
}

}  // namespace control::about
