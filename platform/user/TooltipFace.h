// Internal: the geometry and the drawing of a tip.
//
// Plain: a 1-pixel COLOR_WINDOWFRAME frame around the text with 2 pixels of
// margin, at the pointer and 20 pixels below it. Balloon: a body with round
// corners (20 x 20) and a stem 13 pixels high and 10 wide whose tip is at
// the pointer, the body above the pointer when it fits on the work area and
// below it otherwise; 10 pixels of margin around the text. A title row (a
// 16 x 16 icon, 8 pixels, the title in bold, bottom-aligned with the icon)
// sits 8 pixels above the text and gives a plain tip the balloon's margin.
#pragma once

#include <string>

#include "platform/user/Tooltips.h"

namespace win32::user {

constexpr int kPlainMargin = 2;
constexpr int kBalloonMargin = 10;
constexpr int kBalloonRoundness = 20;
constexpr int kStemHeight = 13;
constexpr int kStemWidth = 10;
constexpr int kStemIndent = 20;
constexpr int kIconTitleGap = 8;
constexpr int kTitleTextGap = 8;
constexpr int kPlainPointerGap = 20;

struct TipContent {
    std::string text;
    std::string title;
    HICON icon = nullptr;
    bool balloon = false;
    bool noPrefix = false;
    COLORREF back = 0;
    COLORREF textColour = 0;
    COLORREF frame = 0;
};

struct TipFace {
    SIZE size{};      // the window
    RECT body{};      // the framed area: the balloon's round-cornered body, or the whole plain tip
    POINT stem[3]{};  // balloon only
    POINT content{};  // top-left of the title row, or of the text when there is none
    bool titleRow = false;
    int titleRowHeight = 0;
    SIZE text{};
    SIZE title{};
};

// Measures the content and sizes the window; the body and stem wait for Place.
TipFace MeasureTip(const TipContent& content);
// Puts the tip at the pointer, on the work area; returns the window's top-left.
POINT PlaceTip(TipFace& face, const TipContent& content, POINT pointer, const RECT& workArea);
// The balloon's window region (the caller owns it); nullptr for a plain tip.
HRGN TipRegion(const TipFace& face, const TipContent& content);
void PaintTip(HDC hdc, const TipFace& face, const TipContent& content);

}  // namespace win32::user
