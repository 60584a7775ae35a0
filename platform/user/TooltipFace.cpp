#include "platform/user/TooltipFace.h"

#include <algorithm>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/TooltipIcons.h"

namespace win32::user {
namespace {

constexpr UINT kTitleFormat = DT_SINGLELINE | DT_NOPREFIX;

// The status-bar font of the classic desktop, Tahoma 8 pt; the title is its bold.
HFONT CreateTipFont(bool bold) {
    return CreateFontA(FontHeightFromPoints(8), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, "Tahoma");
}

UINT TextFormat(const TipContent& content) {
    return DT_EXTERNALLEADING | (content.noPrefix ? DT_NOPREFIX : 0u);
}

bool HasIcon(const TipContent& content) { return content.icon != nullptr; }

SIZE Measure(HDC hdc, bool bold, const std::string& text, UINT format) {
    if (text.empty()) return {};
    ScopedFont font(CreateTipFont(bold));
    ScopedSelect select(hdc, font.Get());
    RECT box{};
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
    return {box.right - box.left, box.bottom - box.top};
}

// Keeps [start, start + length) on the work area, its left edge winning.
LONG FitAcross(LONG start, LONG length, LONG low, LONG high) {
    if (start + length > high) start = high - length;
    return std::max(start, low);
}

POINT PlacePlain(TipFace& face, POINT pointer, const RECT& work) {
    POINT at{pointer.x, pointer.y + kPlainPointerGap};
    at.x = FitAcross(at.x, face.size.cx, work.left, work.right);
    if (at.y + face.size.cy > work.bottom) at.y = pointer.y - face.size.cy;
    at.y = std::max(at.y, work.top);
    const int margin = face.titleRow ? kBalloonMargin : kPlainMargin;
    face.body = {0, 0, face.size.cx, face.size.cy};
    face.content = {1 + margin, 1 + margin};
    return at;
}

// The stem's base stays kStemIndent from either end of the body; its tip is
// at the pointer, wherever the body had to go to stay on the work area.
POINT PlaceBalloon(TipFace& face, POINT pointer, const RECT& work) {
    const LONG w = face.size.cx;
    const LONG h = face.size.cy;
    POINT at{FitAcross(pointer.x - kStemIndent, w, work.left, work.right), pointer.y - h};
    const bool above = at.y >= work.top;
    if (!above) at.y = pointer.y;
    const LONG tip = pointer.x - at.x;
    LONG baseLeft = std::max<LONG>(kStemIndent, tip - kStemWidth / 2);
    if (baseLeft + kStemWidth > w - kStemIndent) baseLeft = w - kStemIndent - kStemWidth;
    baseLeft = std::max<LONG>(baseLeft, 0);
    const LONG baseRight = std::min<LONG>(baseLeft + kStemWidth, w);
    if (above) {
        face.body = {0, 0, w, h - kStemHeight};
        face.stem[0] = {baseLeft, h - kStemHeight};
        face.stem[1] = {baseRight, h - kStemHeight};
        face.stem[2] = {tip, h};
    } else {
        face.body = {0, kStemHeight, w, h};
        face.stem[0] = {tip, 0};
        face.stem[1] = {baseRight, kStemHeight};
        face.stem[2] = {baseLeft, kStemHeight};
    }
    face.content = {kBalloonMargin, face.body.top + kBalloonMargin};
    return at;
}

void DrawTitleRow(HDC hdc, const TipFace& face, const TipContent& content) {
    LONG x = face.content.x;
    const LONG y = face.content.y;
    if (HasIcon(content)) {
        DrawTooltipIcon(hdc, x, y + face.titleRowHeight - kTooltipIconSize, content.icon);
        x += kTooltipIconSize + kIconTitleGap;
    }
    if (content.title.empty()) return;
    ScopedFont font(CreateTipFont(true));
    ScopedSelect select(hdc, font.Get());
    RECT box{x, y, x + face.title.cx, y + face.titleRowHeight};
    DrawTextA(hdc, content.title.c_str(), static_cast<int>(content.title.size()), &box,
              kTitleFormat | DT_BOTTOM);
}

void DrawBody(HDC hdc, const TipFace& face, const TipContent& content) {
    const LONG x = face.content.x;
    const LONG y = face.content.y + (face.titleRow ? face.titleRowHeight + kTitleTextGap : 0);
    ScopedFont font(CreateTipFont(false));
    ScopedSelect select(hdc, font.Get());
    RECT box{x, y, x + face.text.cx, y + face.text.cy};
    DrawTextA(hdc, content.text.c_str(), static_cast<int>(content.text.size()), &box, TextFormat(content));
}

}  // namespace

TipFace MeasureTip(const TipContent& content) {
    ScopedMemoryDC dc;
    TipFace face;
    face.text = Measure(dc.Get(), false, content.text, TextFormat(content));
    face.titleRow = !content.title.empty() || HasIcon(content);
    LONG rowWidth = 0;
    if (face.titleRow) {
        face.title = Measure(dc.Get(), true, content.title, kTitleFormat);
        const LONG icon = HasIcon(content) ? kTooltipIconSize : 0;
        rowWidth = icon + (icon && face.title.cx ? kIconTitleGap : 0) + face.title.cx;
        face.titleRowHeight = std::max(icon, face.title.cy);
    }
    const LONG width = std::max(face.text.cx, rowWidth);
    const LONG height = face.text.cy + (face.titleRow ? face.titleRowHeight + kTitleTextGap : 0);
    if (content.balloon) {
        face.size = {width + 2 * kBalloonMargin, height + 2 * kBalloonMargin + kStemHeight};
    } else {
        const int margin = face.titleRow ? kBalloonMargin : kPlainMargin;
        face.size = {width + 2 * margin + 2, height + 2 * margin + 2};
    }
    return face;
}

POINT PlaceTip(TipFace& face, const TipContent& content, POINT pointer, const RECT& workArea) {
    return content.balloon ? PlaceBalloon(face, pointer, workArea) : PlacePlain(face, pointer, workArea);
}

// CreateRoundRectRgn leaves out its last column and row, so the body's
// rectangle is passed one pixel larger.
HRGN TipRegion(const TipFace& face, const TipContent& content) {
    if (!content.balloon) return nullptr;
    const RECT& b = face.body;
    HRGN body =
        CreateRoundRectRgn(b.left, b.top, b.right + 1, b.bottom + 1, kBalloonRoundness, kBalloonRoundness);
    ScopedRegion stem(CreatePolygonRgn(face.stem, 3, ALTERNATE));
    CombineRgn(body, body, stem.Get(), RGN_OR);
    return body;
}

// The body first, then its frame over the outline, then the content on top.
void PaintTip(HDC hdc, const TipFace& face, const TipContent& content) {
    ScopedBrush back(content.back);
    ScopedBrush frame(content.frame);
    if (content.balloon) {
        ScopedRegion region(TipRegion(face, content));
        FillRgn(hdc, region.Get(), back.Get());
        FrameRgn(hdc, region.Get(), frame.Get(), 1, 1);
    } else {
        FillRect(hdc, &face.body, back.Get());
        FrameRect(hdc, &face.body, frame.Get());
    }
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, content.textColour);
    if (face.titleRow) DrawTitleRow(hdc, face, content);
    DrawBody(hdc, face, content);
}

}  // namespace win32::user
