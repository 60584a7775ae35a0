// A face put back from the control's cache is the face its painter draws:
// every style, walked through its looks and through changes of colours,
// font, picture and size, matches a control whose painter draws each face, pixel for pixel and in the back
// colour it leaves, also after a system colour changes under the cache.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control/FaceCache.h"
#include "host/Picture.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/control/render/RenderButton.h"

using host::PropertyValue;
using render_test::Bag;
using render_test::RenderButton;

namespace {

constexpr int kW = 107, kH = 27;

struct Shot {
    std::vector<win32::COLORREF> pixels;
    host::OLE_COLOR backColor;
    bool operator==(const Shot&) const = default;
};

Shot Take(const RenderButton& b) {
    Shot shot{{}, b.control->UserControl().BackColor()};
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) shot.pixels.push_back(b.At(x, y));
    return shot;
}

constexpr host::OLE_COLOR kBack = 0x9A7B5C, kHighlight = 0x2060C0;

RenderButton* Make(int style) {
    return new RenderButton(Bag({{"Style", PropertyValue::Long(style)},
                                 {"Caption", PropertyValue::String("Esci")},
                                 {"Font", PropertyValue::Font(host::Font{"Verdana", 8.25, false})},
                                 {"ShowFocus", PropertyValue::Boolean(true)},
                                 {"BackColor", PropertyValue::Long(kBack)},
                                 {"HighlightColor", PropertyValue::Long(kHighlight)}}),
                            kW, kH);
}

host::PicturePtr BlueSquare() {
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, 12, 12);
    const win32::HGDIOBJ old = win32::SelectObject(dc, bitmap);
    const win32::HBRUSH brush = win32::CreateSolidBrush(0xFF0000);
    const win32::RECT all{0, 0, 12, 12};
    win32::FillRect(dc, &all, brush);
    win32::DeleteObject(brush);
    win32::SelectObject(dc, old);
    win32::DeleteDC(dc);
    return host::Picture::FromBitmap(bitmap);
}

// Each look is reached from a fresh control by these steps, and the walk
// takes the same steps one after another.
const std::vector<std::pair<const char*, std::function<void(RenderButton&)>>> kSteps = {
    {"hot", [](RenderButton& b) { b.Enter(); }},
    {"pressed", [](RenderButton& b) { b.Press(); }},
    {"focused", [](RenderButton& b) { b.Focus(); }},
    {"custom colours", [](RenderButton& b) { b.control->SetUseCustomColors(true); }},
    {"other colours",
     [](RenderButton& b) {
         b.control->SetBackColor(0x30A050);
         b.control->SetHighlightColor(0xC02060);
     }},
    {"colours back",
     [](RenderButton& b) {
         b.control->SetBackColor(kBack);
         b.control->SetHighlightColor(kHighlight);
     }},
    {"disabled", [](RenderButton& b) { b.control->SetEnabled(false); }},
    {"enabled", [](RenderButton& b) { b.control->SetEnabled(true); }},
    {"plain colours", [](RenderButton& b) { b.control->SetUseCustomColors(false); }},
    {"default button", [](RenderButton& b) { b.control->UserControl().SetAmbientDisplayAsDefault(true); }},
    {"not default", [](RenderButton& b) { b.control->UserControl().SetAmbientDisplayAsDefault(false); }},
    {"toggled down",
     [](RenderButton& b) {
         b.control->SetButtonType(control::raReruri::kToggleButton);
         b.control->SetValue(true);
     }},
    {"toggled up",
     [](RenderButton& b) {
         b.control->SetValue(false);
         b.control->SetButtonType(0);
     }},
    {"larger font",
     [](RenderButton& b) {
         b.control->SetFont(host::Font{"Verdana", 12, true});
     }},
    {"font back",
     [](RenderButton& b) {
         b.control->SetFont(host::Font{"Verdana", 8.25, false});
     }},
    {"picture", [](RenderButton& b) { b.control->SetIcon(BlueSquare()); }},
    {"no picture", [](RenderButton& b) { b.control->SetIcon(nullptr); }},
    {"wider", [](RenderButton& b) { b.control->UserControl().Extender().SetWidth(131 * 15); }},
    {"lower", [](RenderButton& b) { b.control->UserControl().Extender().SetHeight(22 * 15); }},
    {"size back",
     [](RenderButton& b) {
         b.control->UserControl().Extender().SetWidth(kW * 15);
         b.control->UserControl().Extender().SetHeight(kH * 15);
     }},
};

// Back to the normal look: button up, pointer gone, focus gone.
void Settle(RenderButton& b) {
    win32::SendMessageA(b.Hwnd(), win32::WM_LBUTTONUP, 0, win32::MAKELPARAM(5, 5));
    win32::NotifyPointerMoved(RenderButton::kOutside);
    win32::SendMessageA(b.Hwnd(), win32::WM_MOUSELEAVE, 0, 0);
    win32::SendMessageA(b.Hwnd(), win32::WM_KILLFOCUS, 0, 0);
    b.control->Refresh();
}

std::vector<Shot> Walk(RenderButton& b) {
    std::vector<Shot> shots{Take(b)};
    for (const auto& step : kSteps) {
        step.second(b);
        b.control->Refresh();
        shots.push_back(Take(b));
    }
    return shots;
}

void ExpectWalkMatchesFirstPaints(int style) {
    std::vector<Shot> first;
    {
        control::FaceCache::SetEnabled(false);
        std::unique_ptr<RenderButton> painted(Make(style));
        first = Walk(*painted);
        control::FaceCache::SetEnabled(true);
    }
    std::unique_ptr<RenderButton> walker(Make(style));
    for (int round = 0; round < 2; ++round) {  // the second round repaints from the cache
        const std::vector<Shot> shots = Walk(*walker);
        for (std::size_t i = 0; i < shots.size(); ++i)
            EXPECT_TRUE(shots[i] == first[i]) << "style " << style << " round " << round << " after "
                                              << (i ? kSteps[i - 1].first : "nothing");
        Settle(*walker);
    }
}

TEST(FaceCache, RepaintsMatchTheFirstPaintOfEveryLook) {
    for (int style : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) ExpectWalkMatchesFirstPaints(style);
}

TEST(FaceCache, ASystemColourChangeReachesCachedFaces) {
    const int index = win32::COLOR_BTNFACE;
    const win32::COLORREF changed = 0x3366AA;
    for (int style : {0, 5, 9}) {
        std::unique_ptr<RenderButton> b(Make(style));
        b->control->Refresh();
        const Shot before = Take(*b);
        win32::SetSysColors(1, &index, &changed);
        b->control->Refresh();
        const Shot after = Take(*b);
        std::unique_ptr<RenderButton> fresh(Make(style));
        fresh->control->Refresh();
        EXPECT_TRUE(after == Take(*fresh)) << "style " << style;
        EXPECT_FALSE(after == before) << "style " << style;
        win32::ResetSysColors();
    }
}

}  // namespace
