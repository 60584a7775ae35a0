// Painting regions (FillRgn, PaintRgn, FrameRgn), drawing through clip
// regions set by SelectClipRgn, IntersectClipRect and ExcludeClipRect, and
// the program's rounded window shapes.
#include <utility>

#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr int kWidth = 24, kHeight = 20;

void PaintRegion(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    std::string text;
    Owned<HRGN> region = RandomRegion(random, kWidth, kHeight, text);
    Brush brush = PickBrush(random, BrushChoice::Objects);
    Selected withBrush(surface.dc(), brush.handle);
    const int call = random.Range(0, 2), w = random.Range(1, 3), h = random.Range(1, 3);
    static const char* const names[] = {"FillRgn", "PaintRgn", "FrameRgn"};
    record.Case(Label("%s %dx%d ", names[call], w, h) + text + ", " + brush.text);
    RECT box{};
    const bool empty = GetRgnBox(region.get(), &box) == NULLREGION;
    BOOL done = FALSE;
    if (call == 0) done = FillRgn(surface.dc(), region.get(), brush.handle);
    if (call == 1) done = PaintRgn(surface.dc(), region.get());
    if (call == 2) done = FrameRgn(surface.dc(), region.get(), brush.handle, w, h);
    record.Values(empty ? Label("%s of an empty region", names[call]).c_str() : names[call], {done});
    RecordSurface(record, surface);
}

// One drawing call of a random kind over the whole surface.
std::string DrawSomething(Random& random, Surface& surface) {
    const HDC dc = surface.dc();
    switch (random.Range(0, 5)) {
        case 0: {
            const RECT all{-1, -1, kWidth + 1, kHeight + 1};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return "FillRect";
        }
        case 1: {
            const POINT a{random.Range(-4, kWidth + 4), random.Range(-4, kHeight + 4)};
            const POINT b{random.Range(-4, kWidth + 4), random.Range(-4, kHeight + 4)};
            MoveToEx(dc, a.x, a.y, nullptr);
            LineTo(dc, b.x, b.y);
            return Label("LineTo (%d,%d)->(%d,%d)", int(a.x), int(a.y), int(b.x), int(b.y));
        }
        case 2: Rectangle(dc, 1, 2, kWidth - 2, kHeight - 1); return "Rectangle";
        case 3: PatBlt(dc, 0, 0, kWidth, kHeight, DSTINVERT); return "PatBlt DSTINVERT";
        case 4: {
            RECT r{0, 0, kWidth, kHeight};
            DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
            return "DrawEdge";
        }
        default: {
            for (int y = 0; y < kHeight; y += 2) {
                for (int x = y % 4; x < kWidth; x += 3) SetPixelV(dc, x, y, RGB(0, 0, 255));
            }
            return "SetPixelV grid";
        }
    }
}

void RecordClip(Record& record, HDC dc) {
    RECT box{};
    const int type = GetClipBox(dc, &box);
    record.Values("GetClipBox", {type, box.left, box.top, box.right, box.bottom});
    Owned<HRGN> copy(CreateRectRgn(0, 0, 0, 0));
    record.Values("GetClipRgn", {GetClipRgn(dc, copy.get())});
    RecordRegion(record, "clip region", copy.get());
}

void DrawThroughRegion(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Noise(surface, random));
    std::string text;
    Owned<HRGN> region = RandomRegion(random, kWidth, kHeight, text);
    const int selected = SelectClipRgn(surface.dc(), region.get());
    // The DC keeps a copy: changing the region afterwards must not matter.
    OffsetRgn(region.get(), 3, 2);
    const std::string what = DrawSomething(random, surface);
    record.Case(what + " clipped to " + text);
    record.Values("SelectClipRgn", {selected});
    RecordClip(record, surface.dc());
    RecordSurface(record, surface);
}

void DrawThroughRects(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Noise(surface, random));
    std::string steps;
    bool hasClip = false;
    const int count = random.Range(1, 3);
    std::vector<std::pair<std::string, int>> results;
    for (int i = 0; i < count; ++i) {
        const RECT r{random.Range(-3, kWidth), random.Range(-3, kHeight), random.Range(0, kWidth + 3),
                     random.Range(0, kHeight + 3)};
        const int kind = random.Range(0, 4);
        if (kind == 0) {
            results.emplace_back("SelectClipRgn(NULL)", SelectClipRgn(surface.dc(), nullptr));
            steps += "SelectClipRgn(NULL); ";
            hasClip = false;
            continue;
        }
        const bool empty = r.left == r.right || r.top == r.bottom;
        const char* name = kind <= 2 ? "IntersectClipRect" : "ExcludeClipRect";
        const int result = kind <= 2 ? IntersectClipRect(surface.dc(), r.left, r.top, r.right, r.bottom)
                                     : ExcludeClipRect(surface.dc(), r.left, r.top, r.right, r.bottom);
        // The first clip made from an empty rectangle is told apart: its type is where Wine differs.
        results.emplace_back(
            Label("%s%s", name, !hasClip && empty ? " of an empty rectangle, first clip" : ""), result);
        steps += name + (" " + Describe(r)) + "; ";
        hasClip = true;
    }
    const std::string what = DrawSomething(random, surface);
    record.Case(steps + what);
    for (const auto& [name, result] : results) record.Values(name.c_str(), {result});
    RecordClip(record, surface.dc());
    RecordSurface(record, surface);
}

// The program's own shapes: a window rounded with circular corners of the
// sizes it uses, painted, clipped to, and combined with a rectangle.
void RoundedWindow(Record& record, Random& random) {
    static const int corners[] = {4, 6, 18};
    const int corner = random.Pick(corners);
    const int w = random.Range(corner, kWidth + 2), h = random.Range(corner, kHeight + 2);
    const int x = random.Range(-3, 3), y = random.Range(-3, 3);
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    Owned<HRGN> window(CreateRoundRectRgn(x, y, x + w + 1, y + h + 1, corner, corner));
    const RECT r{random.Range(-2, kWidth), random.Range(-2, kHeight), random.Range(0, kWidth + 2),
                 random.Range(0, kHeight + 2)};
    Owned<HRGN> rect(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    static const char* const modes[] = {"", "RGN_AND", "RGN_OR", "RGN_XOR", "RGN_DIFF"};
    const int mode = random.Range(RGN_AND, RGN_DIFF);
    record.Case(Label("window %d,%d %dx%d corner %d, %s with ", x, y, w, h, corner, modes[mode]) +
                Describe(r));
    Owned<HRGN> combined(CreateRectRgn(0, 0, 0, 0));
    record.Values("CombineRgn", {CombineRgn(combined.get(), window.get(), rect.get(), mode)});
    RecordRegion(record, "combined region", combined.get());
    FillRgn(surface.dc(), window.get(), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SelectClipRgn(surface.dc(), combined.get());
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(surface.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RecordSurface(record, surface);
}

}  // namespace

void RunClipScenarios(Record& record, Random& random) {
    for (int n = 0; n < 700; ++n) PaintRegion(record, random);
    for (int n = 0; n < 600; ++n) DrawThroughRegion(record, random);
    for (int n = 0; n < 400; ++n) DrawThroughRects(record, random);
    for (int n = 0; n < 300; ++n) RoundedWindow(record, random);
}

}  // namespace corvalmire::differential
