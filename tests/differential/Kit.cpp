#include "tests/differential/Kit.h"

#include <cstdarg>
#include <cstdio>

namespace corvalmire::differential {

std::string Label(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Describe(const RECT& r) {
    return Label("(%d,%d,%d,%d)", int(r.left), int(r.top), int(r.right), int(r.bottom));
}

std::vector<std::uint32_t> Plain(const Surface& surface, std::uint32_t pixel) {
    return std::vector<std::uint32_t>(std::size_t(surface.width()) * std::size_t(surface.height()), pixel);
}

std::vector<std::uint32_t> Noise(const Surface& surface, Random& random) {
    std::vector<std::uint32_t> pixels = Plain(surface);
    for (std::uint32_t& p : pixels) p = random.Color();
    return pixels;
}

Brush PickBrush(Random& random, BrushChoice choice) {
    Brush b;
    const int kind = random.Range(0, choice == BrushChoice::OrColorIndex ? 4 : 3);
    if (kind <= 1) {
        const COLORREF color = random.Color();
        b.owned = Owned<HBRUSH>(CreateSolidBrush(color));
        b.handle = b.owned.get();
        b.text = Label("solid %06x", unsigned(color));
    } else if (kind == 2) {
        const int index = random.Range(0, 30);
        b.handle = GetSysColorBrush(index);
        b.text = Label("GetSysColorBrush(%d)", index);
    } else if (kind == 3) {
        static const int stock[] = {WHITE_BRUSH,  LTGRAY_BRUSH, GRAY_BRUSH,
                                    DKGRAY_BRUSH, BLACK_BRUSH,  NULL_BRUSH};
        const int index = random.Pick(stock);
        b.handle = static_cast<HBRUSH>(GetStockObject(index));
        b.text = Label("stock %d", index);
    } else {
        const int index = random.Range(0, 30);
        b.handle = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(index + 1));
        b.text = Label("COLOR_%d + 1", index);
    }
    return b;
}

Owned<HRGN> RandomPolygon(Random& random, int w, int h, std::string& text) {
    POINT points[8];
    const int count = random.Range(3, 8);
    const int mode = random.Percent(50) ? ALTERNATE : WINDING;
    text = Label("polygon %s", mode == ALTERNATE ? "ALTERNATE" : "WINDING");
    for (int i = 0; i < count; ++i) {
        points[i].x = random.Range(-3, w + 3);
        points[i].y = random.Range(-3, h + 3);
        text += Label(" (%d,%d)", int(points[i].x), int(points[i].y));
    }
    return Owned<HRGN>(CreatePolygonRgn(points, count, mode));
}

Owned<HRGN> RandomRegion(Random& random, int w, int h, std::string& text) {
    const RECT r{random.Range(-4, w + 4), random.Range(-4, h + 4), random.Range(-4, w + 4),
                 random.Range(-4, h + 4)};
    switch (random.Range(0, 2)) {
        case 0:
            text = "rect " + Describe(r);
            return Owned<HRGN>(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        case 1: {
            const RECT hole{random.Range(-2, w), random.Range(-2, h), random.Range(0, w + 2),
                            random.Range(0, h + 2)};
            text = "rect " + Describe(r) + " minus " + Describe(hole);
            Owned<HRGN> region(CreateRectRgn(r.left, r.top, r.right, r.bottom));
            Owned<HRGN> cut(CreateRectRgn(hole.left, hole.top, hole.right, hole.bottom));
            CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
            return region;
        }
        default: return RandomPolygon(random, w, h, text);
    }
}

void RecordSurface(Record& record, const Surface& surface) {
    record.Pixels("pixels", surface.width(), surface.height(), surface.Read());
}

void RecordRect(Record& record, const char* name, const RECT& rect) {
    record.Values(name, {rect.left, rect.top, rect.right, rect.bottom});
}

void RecordRegion(Record& record, const char* name, HRGN region) {
    RECT box{};
    const int type = GetRgnBox(region, &box);
    std::vector<std::uint32_t> values{std::uint32_t(type), std::uint32_t(box.left), std::uint32_t(box.top),
                                      std::uint32_t(box.right), std::uint32_t(box.bottom)};
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint32_t> buffer((size + 3) / 4 + 1);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size && GetRegionData(region, size, data) == size) {
        const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD i = 0; i < data->rdh.nCount; ++i) {
            values.insert(values.end(), {std::uint32_t(rects[i].left), std::uint32_t(rects[i].top),
                                         std::uint32_t(rects[i].right), std::uint32_t(rects[i].bottom)});
        }
    }
    record.Values(name, values);
}

void UseClassicColors() {
    static const COLORREF classic[31] = {
        RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
        RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
        RGB(212, 208, 200),
    };
    INT indices[31];
    for (int i = 0; i < 31; ++i) indices[i] = i;
    SetSysColors(31, indices, classic);
}

}  // namespace corvalmire::differential
