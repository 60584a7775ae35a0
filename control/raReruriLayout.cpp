// The layout routine (the host's resize event): caption rectangle and format.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/raReruriCaption.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Font.h"

namespace control {
namespace {

using styles::RoundToInt32;

constexpr int kMinimumTwips = 300;

// Every caption format breaks words; the alignment adds its own flags.
constexpr std::int32_t WordBreakFormat(win32::UINT alignment) {
    return static_cast<std::int32_t>(alignment | win32::DT_WORDBREAK);
}

}  // namespace

// Each step traps its own errors, so a failing step is skipped and the
// rest still runs.
void raReruri::UserControl_Resize() {
    host::Extender& extender = userControl_->Extender();
    Trap([&] {
        if (extender.Width() < kMinimumTwips) extender.SetWidth(kMinimumTwips);
    });
    Trap([&] {
        if (extender.Height() < kMinimumTwips) extender.SetHeight(kMinimumTwips);
    });
    std::int32_t sh = 0, sw = 0;
    Trap([&] {
        sh = RoundToInt32(userControl_->ScaleHeight());
        sw = RoundToInt32(userControl_->ScaleWidth());
    });
    Trap([&] {
        clientRect_ = {0, 0, sw, sh};
        captionRect_ = {4, 4, sw - 4, sh - 4};
    });
    win32::RECT c = captionRect_;
    Trap([&] {
        const std::string text = AnsiCaption(caption_);
        win32::DrawTextA(
            userControl_->hDC(), text.c_str(), static_cast<int>(text.size()), &c,
            win32::DT_CALCRECT | win32::DT_WORDBREAK | (rightToLeft_ ? win32::DT_RTLREADING : 0));
    });
    Trap([&] { PlaceCaption(c, sw, sh); });
    Trap([&] {
        if (rightToLeft_) captionFormat_ |= static_cast<std::int32_t>(win32::DT_RTLREADING);
    });
    BuildWindowRegion();
    Refresh();
}

// C is the measured caption (4, 4, 4 + w, 4 + h). The centred boxes begin
// four pixels left of a symmetric box of width w, and rows 0 to 2 sit three
// pixels lower than symmetric: that is how the caption has always been placed.
void raReruri::PlaceCaption(const win32::RECT& c, std::int32_t sw, std::int32_t sh) {
    const double m = contentMargin_;
    const double w = sw, h = sh;
    const auto centredLeft = [&] { return RoundToInt32((w - c.right - c.left) / 2); };
    const auto centredRight = [&] { return RoundToInt32((w + c.right - c.left) / 2); };
    const auto middleTop = [&] { return RoundToInt32((h - c.bottom - c.top) / 2 + 3); };
    const auto middleBottom = [&] { return RoundToInt32((h + c.bottom - c.top) / 2); };
    switch (captionAlign_) {
        case 0:
            captionRect_ = {centredLeft(), middleTop(), centredRight(), middleBottom()};
            captionFormat_ = WordBreakFormat(win32::DT_CENTER | win32::DT_VCENTER);
            break;
        case 1:
            captionRect_ = {contentMargin_, middleTop(), c.right + contentMargin_, middleBottom()};
            captionFormat_ = WordBreakFormat(win32::DT_LEFT | win32::DT_VCENTER);
            break;
        case 2:
            captionRect_ = {sw - c.right - c.left - contentMargin_, middleTop(), sw - c.left - contentMargin_,
                            middleBottom()};
            captionFormat_ = WordBreakFormat(win32::DT_RIGHT | win32::DT_VCENTER);
            break;
        case 3:
            captionRect_ = {centredLeft(), RoundToInt32(m / 2), centredRight(),
                            RoundToInt32(m / 2 + c.bottom - c.top)};
            captionFormat_ = WordBreakFormat(win32::DT_CENTER | win32::DT_TOP);
            break;
        case 4:
            captionRect_ = {centredLeft(), RoundToInt32(h - (c.bottom - c.top) - m / 2), centredRight(),
                            RoundToInt32(h - m / 2)};
            captionFormat_ = WordBreakFormat(win32::DT_CENTER | win32::DT_BOTTOM);
            break;
        default: break;  // the default rectangle and format stay
    }
}

}  // namespace control
