// Regions made and combined from any coordinates: the bands stay sorted and
// disjoint, every combination agrees with the pointwise rule at sampled
// points, and filling and framing stay on the surface.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzInput.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Traced shapes cost their rows, up to the 2^20 the layer accepts: the unit
// tests take the tall ones, the fuzzer keeps to short shapes and to those
// refused for their size, so a run of inputs stays quick.
bool Quick(long long a, long long b) {
    const long long extent = a > b ? a - b : b - a;
    return extent <= 512 || extent > (1 << 21);
}

win32::HRGN MakeRegion(fuzz::FuzzInput& in) {
    const int kind = in.Byte() % 4;
    const win32::RECT box{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
    const bool quick = Quick(box.left, box.right) && Quick(box.top, box.bottom);
    switch (kind) {
        case 0: return win32::CreateRectRgn(box.left, box.top, box.right, box.bottom);
        case 1: {
            const win32::POINT corner{in.Coordinate(), in.Coordinate()};
            if (!quick) return nullptr;
            return win32::CreateRoundRectRgn(box.left, box.top, box.right, box.bottom, corner.x, corner.y);
        }
        case 2: return quick ? win32::CreateEllipticRgn(box.left, box.top, box.right, box.bottom) : nullptr;
        default: {
            std::vector<win32::POINT> points{{box.left, box.top}, {box.right, box.bottom}};
            for (int n = in.Byte() % 16; n > 0; --n) points.push_back({in.Coordinate(), in.Coordinate()});
            const auto [low, high] = std::minmax_element(
                points.begin(), points.end(), [](const auto& p, const auto& q) { return p.y < q.y; });
            const int fillMode = in.Byte() & 1 ? win32::WINDING : win32::ALTERNATE;
            if (!Quick(low->y, high->y)) return nullptr;
            return win32::CreatePolygonRgn(points.data(), int(points.size()), fillMode);
        }
    }
}

// Sorted in y-x bands, rectangles of a band sharing top and bottom, never
// empty, overlapping or touching.
void CheckBands(win32::HRGN region) {
    const std::vector<win32::RECT> rects = win32::GetRegionRects(region);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const win32::RECT& r = rects[i];
        Check(r.left < r.right && r.top < r.bottom);
        if (i == 0) continue;
        const win32::RECT& p = rects[i - 1];
        if (p.top == r.top)
            Check(p.bottom == r.bottom && p.right < r.left);
        else
            Check(p.bottom <= r.top);
    }
}

bool Keep(int mode, bool a, bool b) {
    switch (mode) {
        case win32::RGN_AND: return a && b;
        case win32::RGN_OR: return a || b;
        case win32::RGN_XOR: return a != b;
        default: return a && !b;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    win32::HRGN a = MakeRegion(in);
    win32::HRGN b = MakeRegion(in);
    win32::HRGN out = win32::CreateRectRgn(0, 0, 0, 0);
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, 32, 32);
    const win32::HGDIOBJ oldBitmap = win32::SelectObject(dc, bitmap);
    const auto brush = static_cast<win32::HBRUSH>(win32::GetStockObject(win32::BLACK_BRUSH));
    for (int step = 0; a && b && step < 4 && !in.Empty(); ++step) {
        const int mode = win32::RGN_AND + in.Byte() % 4;
        Check(win32::CombineRgn(out, a, b, mode) != win32::ERROR);
        CheckBands(out);
        for (int probe = 0; probe < 8; ++probe) {
            const int x = in.Coordinate(), y = in.Coordinate();
            Check(!!win32::PtInRegion(out, x, y) ==
                  Keep(mode, win32::PtInRegion(a, x, y), win32::PtInRegion(b, x, y)));
        }
        win32::OffsetRgn(out, in.Coordinate(), in.Coordinate());
        CheckBands(out);
        win32::FillRgn(dc, out, brush);
        win32::FrameRgn(dc, out, brush, 1 + in.Byte() % 3, 1 + in.Byte() % 3);
        win32::SelectClipRgn(dc, out);
        std::swap(a, out);
    }
    win32::SelectClipRgn(dc, nullptr);
    win32::SelectObject(dc, oldBitmap);
    win32::DeleteObject(bitmap);
    win32::DeleteDC(dc);
    for (win32::HRGN r : {a, b, out}) {
        if (r) win32::DeleteObject(r);
    }
    if (!(win32::GetGdiLiveCounts() == before)) std::abort();
    return 0;
}
