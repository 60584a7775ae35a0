// A button caption: "Converti" in Verdana 8.25 pt bold, centred on one line,
// with the glyph cache warm; and the measuring pass the layout makes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace {

constexpr win32::UINT kCaptionFormat = win32::DT_CENTER | win32::DT_VCENTER | win32::DT_WORDBREAK;

struct CaptionDC {
    CaptionDC() {
        dc = win32::CreateCompatibleDC(nullptr);
        bitmap = win32::CreateCompatibleBitmap(dc, 107, 27);
        oldBitmap = win32::SelectObject(dc, bitmap);
        win32::LOGFONTA lf;
        lf.lfHeight = win32::FontHeightFromPoints(8.25);
        lf.lfWeight = win32::FW_BOLD;
        std::strcpy(lf.lfFaceName, "Verdana");
        font = win32::CreateFontIndirectA(&lf);
        oldFont = win32::SelectObject(dc, font);
        win32::SetBkMode(dc, win32::TRANSPARENT);
    }
    ~CaptionDC() {
        win32::SelectObject(dc, oldFont);
        win32::SelectObject(dc, oldBitmap);
        win32::DeleteObject(font);
        win32::DeleteObject(bitmap);
        win32::DeleteDC(dc);
    }
    win32::HDC dc;
    win32::HBITMAP bitmap;
    win32::HFONT font;
    win32::HGDIOBJ oldBitmap, oldFont;
};

void BM_DrawTextA_Converti(benchmark::State& state) {
    CaptionDC c;
    win32::RECT warm{4, 4, 103, 23};
    win32::DrawTextA(c.dc, "Converti", -1, &warm, kCaptionFormat);
    for (auto _ : state) {
        win32::RECT rect{4, 4, 103, 23};
        benchmark::DoNotOptimize(win32::DrawTextA(c.dc, "Converti", -1, &rect, kCaptionFormat));
    }
}
BENCHMARK(BM_DrawTextA_Converti);

void BM_DrawTextA_CalcRect(benchmark::State& state) {
    CaptionDC c;
    for (auto _ : state) {
        win32::RECT rect{4, 4, 103, 23};
        benchmark::DoNotOptimize(
            win32::DrawTextA(c.dc, "Converti", -1, &rect, win32::DT_CALCRECT | win32::DT_WORDBREAK));
    }
}
BENCHMARK(BM_DrawTextA_CalcRect);

}  // namespace

BENCHMARK_MAIN();
