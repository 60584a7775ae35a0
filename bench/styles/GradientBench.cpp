// A button-sized vertical gradient: 27 rows of 105 pixels, one pen per row.
#include <benchmark/benchmark.h>

#include "control/styles/Gradients.h"
#include "platform/gdi/Gdi.h"

namespace {

void BM_DrawGradientV_27x105(benchmark::State& state) {
    win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, 107, 27);
    win32::HGDIOBJ old = win32::SelectObject(dc, bitmap);
    for (auto _ : state) control::styles::DrawGradientV(dc, 0xFBFCFC, 0xC5D0D6, 1, 0, 106, 26);
    win32::SelectObject(dc, old);
    win32::DeleteObject(bitmap);
    win32::DeleteDC(dc);
}
BENCHMARK(BM_DrawGradientV_27x105);

}  // namespace

BENCHMARK_MAIN();
