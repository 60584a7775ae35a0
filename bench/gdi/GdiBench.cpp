// FillRect against the memset floor, per-pixel calls, a long line, and
// region algebra, whose cost must follow the bands (the fit says O(N)).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace {

using namespace win32;

// A memory DC over a w x h bitmap, released at the end of the benchmark.
class Surface {
public:
    Surface(int w, int h) : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, w, h)) {
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

void BM_FillRect(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    Surface surface(w, h);
    HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));
    const RECT rect{0, 0, w, h};
    for (auto _ : state) {
        FillRect(surface.dc(), &rect, brush);
        benchmark::ClobberMemory();
    }
    DeleteObject(brush);
    state.SetBytesProcessed(int64_t(state.iterations()) * w * h * 4);
}
BENCHMARK(BM_FillRect)->Args({107, 27})->Args({1920, 1080});

// The floor: memset of a buffer the size of the same bitmap.
void BM_Memset(benchmark::State& state) {
    const size_t bytes = size_t(state.range(0)) * size_t(state.range(1)) * 4;
    std::vector<unsigned char> buffer(bytes);
    for (auto _ : state) {
        std::memset(buffer.data(), 0xC8, bytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_Memset)->Args({107, 27})->Args({1920, 1080});

void BM_SetPixelV_1000(benchmark::State& state) {
    Surface surface(107, 27);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) SetPixelV(surface.dc(), i % 107, (i / 107) % 27, RGB(BYTE(i), 0, 0));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 1000);
}
BENCHMARK(BM_SetPixelV_1000);

void BM_LineTo_Diagonal(benchmark::State& state) {
    Surface surface(1024, 768);
    for (auto _ : state) {
        MoveToEx(surface.dc(), 0, 0, nullptr);
        LineTo(surface.dc(), 1023, 700);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 1023);
}
BENCHMARK(BM_LineTo_Diagonal);

}  // namespace

// A triangle of N one-row bands ORed with itself moved down a row.
void BM_CombineRgn_Bands(benchmark::State& state) {
    const int rows = int(state.range(0));
    const POINT triangle[] = {{0, 0}, {rows, 0}, {0, rows}};
    HRGN a = CreatePolygonRgn(triangle, 3, ALTERNATE);
    HRGN b = CreatePolygonRgn(triangle, 3, ALTERNATE);
    OffsetRgn(b, 0, 1);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    for (auto _ : state) benchmark::DoNotOptimize(CombineRgn(out, a, b, RGN_OR));
    for (HRGN r : {a, b, out}) DeleteObject(r);
    state.SetComplexityN(rows);
}
BENCHMARK(BM_CombineRgn_Bands)->RangeMultiplier(4)->Range(1 << 11, 1 << 17)->Complexity();

BENCHMARK_MAIN();
