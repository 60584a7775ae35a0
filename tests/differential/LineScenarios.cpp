// MoveToEx and LineTo with a one-pixel pen in every octant, from inside and
// outside the surface, unclipped, clipped to a rectangle and to a region.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr int kWidth = 32, kHeight = 24;

// Octants numbered clockwise on screen from +x, as the line rules name them;
// 0 for a line of no length.
int OctantOf(int dx, int dy) {
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    if (dx == 0 && dy == 0) return 0;
    if (dy > 0) return ax > ay ? (dx > 0 ? 1 : 4) : (dx > 0 ? 2 : 3);
    return ax > ay ? (dx > 0 ? 8 : 5) : (dx < 0 ? 6 : 7);
}

Owned<HPEN> PickPen(Random& random, std::string& text) {
    const COLORREF color = random.Color();
    if (random.Percent(5)) {
        text = "PS_NULL";
        return Owned<HPEN>(CreatePen(PS_NULL, 1, color));
    }
    const int style = random.Percent(20) ? PS_INSIDEFRAME : PS_SOLID;
    text = Label("%s %06x", style == PS_SOLID ? "PS_SOLID" : "PS_INSIDEFRAME", unsigned(color));
    return Owned<HPEN>(CreatePen(style, random.Percent(50) ? 0 : 1, color));
}

// Clips the DC as the case says; returns a description.
std::string Clip(Random& random, HDC dc) {
    switch (random.Range(0, 2)) {
        case 0: return "unclipped";
        case 1: {
            const RECT r{random.Range(-2, 20), random.Range(-2, 14), random.Range(8, 34),
                         random.Range(6, 26)};
            IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
            return "clip rect " + Describe(r);
        }
        default: {
            std::string text;
            Owned<HRGN> region = RandomRegion(random, kWidth, kHeight, text);
            SelectClipRgn(dc, region.get());
            return "clip " + text;
        }
    }
}

void DrawLine(Record& record, Random& random, POINT a, POINT b) {
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    std::string penText;
    Owned<HPEN> pen = PickPen(random, penText);
    Selected selected(surface.dc(), pen.get());
    const std::string clipText = Clip(random, surface.dc());
    record.Case(Label("octant %d (%d,%d)->(%d,%d) ", OctantOf(b.x - a.x, b.y - a.y), int(a.x), int(a.y),
                      int(b.x), int(b.y)) +
                penText + ", " + clipText);
    POINT previous{};
    MoveToEx(surface.dc(), 5, 6, nullptr);
    const BOOL moved = MoveToEx(surface.dc(), a.x, a.y, &previous);
    record.Values("MoveToEx", {moved, previous.x, previous.y});
    record.Values("LineTo", {LineTo(surface.dc(), b.x, b.y)});
    POINT at{};
    GetCurrentPositionEx(surface.dc(), &at);
    record.Values("position", {at.x, at.y});
    RecordSurface(record, surface);
}

}  // namespace

void RunLineScenarios(Record& record, Random& random) {
    for (int octant = 1; octant <= 8; ++octant) {
        for (int n = 0; n < 120; ++n) {
            POINT a{random.Range(-10, kWidth + 10), random.Range(-10, kHeight + 10)}, b;
            do {
                b = POINT{a.x + random.Range(-30, 30), a.y + random.Range(-30, 30)};
            } while (OctantOf(b.x - a.x, b.y - a.y) != octant);
            DrawLine(record, random, a, b);
        }
    }
    // Exact diagonals, axis lines both ways and lines of no length.
    for (int n = 0; n < 120; ++n) {
        const POINT a{random.Range(-4, kWidth + 4), random.Range(-4, kHeight + 4)};
        const int length = random.Range(0, 20), sx = random.Percent(50) ? 1 : -1,
                  sy = random.Percent(50) ? 1 : -1;
        const int kind = n % 3;
        const POINT b{a.x + (kind == 2 ? 0 : sx * length), a.y + (kind == 1 ? 0 : sy * length)};
        DrawLine(record, random, a, b);
    }
}

}  // namespace corvalmire::differential
