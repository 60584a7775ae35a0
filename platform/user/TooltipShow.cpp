// Showing a tip: its face is drawn on the tooltip's own surface, then the
// window takes the tip's place, size and shape and is shown, top-most and
// without taking the focus.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/Input.h"
#include "platform/user/SystemParameters.h"
#include "platform/user/TooltipFace.h"
#include "platform/user/TooltipState.h"
#include "platform/user/Window.h"

namespace win32::user {
namespace {

TipContent ContentOf(const Tooltip& tip, const TooltipTool& tool) {
    const auto style = static_cast<DWORD>(GetWindowLongA(tip.self, GWL_STYLE));
    TipContent content;
    content.text = tool.text;
    content.title = tip.title;
    content.icon = tip.titleIcon;
    content.balloon = (style & TTS_BALLOON) != 0;
    content.noPrefix = (style & TTS_NOPREFIX) != 0;
    content.back = tip.backColor ? *tip.backColor : GetSysColor(COLOR_INFOBK);
    content.textColour = tip.textColor ? *tip.textColor : GetSysColor(COLOR_INFOTEXT);
    content.frame = GetSysColor(COLOR_WINDOWFRAME);
    return content;
}

// A memory DC holding a bitmap of the window's size, kept between shows.
bool PrepareSurface(Tooltip& tip, SIZE size) {
    if (tip.surface == nullptr && (tip.surface = CreateCompatibleDC(nullptr)) == nullptr) return false;
    const BitmapPixels now = GetBitmapPixels(tip.surface);
    if (now.width == size.cx && now.height == size.cy) return true;
    const HBITMAP bitmap = CreateCompatibleBitmap(tip.surface, size.cx, size.cy);
    if (bitmap == nullptr) return false;
    const HGDIOBJ previous = SelectObject(tip.surface, bitmap);
    if (tip.surfaceStockBitmap == nullptr) {
        tip.surfaceStockBitmap = previous;
    } else {
        DeleteObject(previous);
    }
    return true;
}

}  // namespace

void ShowTip(HWND self, int index) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr || index < 0 || index >= static_cast<int>(tip->tools.size())) return;
    const TooltipTool& tool = tip->tools[static_cast<std::size_t>(index)];
    if (tool.text.empty()) return;
    const TipContent content = ContentOf(*tip, tool);
    TipFace face = MeasureTip(content);
    POINT pointer;
    GetCursorPos(&pointer);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT at = PlaceTip(face, content, pointer, work);
    if (!PrepareSurface(*tip, face.size)) return;
    PaintTip(tip->surface, face, content);
    tip->shownTool = index;
    GetWindowRect(tool.hwnd, &tip->shownToolRect);

    SetWindowRgn(self, TipRegion(face, content), FALSE);
    SetWindowPos(self, HWND_TOPMOST, at.x, at.y, face.size.cx, face.size.cy, SWP_NOACTIVATE);
    if (!IsWindow(self)) return;
    if (IsWindowVisible(self)) {
        InvalidateRect(self, nullptr, FALSE);
    } else {
        ShowWindow(self, SW_SHOWNOACTIVATE);
    }
}

void ReleaseSurface(Tooltip& tip) {
    if (tip.surface == nullptr) return;
    if (tip.surfaceStockBitmap) DeleteObject(SelectObject(tip.surface, tip.surfaceStockBitmap));
    DeleteDC(tip.surface);
    tip.surface = nullptr;
    tip.surfaceStockBitmap = nullptr;
}

}  // namespace win32::user
