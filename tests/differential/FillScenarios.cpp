// Rectangle, FillRect and FrameRect with every kind of brush, on rectangles
// that are empty, inverted or reach past the surface.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr int kWidth = 24, kHeight = 20;

RECT RandomRect(Random& random) {
    return RECT{random.Range(-3, kWidth + 3), random.Range(-3, kHeight + 3), random.Range(-3, kWidth + 3),
                random.Range(-3, kHeight + 3)};
}

void DrawRectangle(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    const RECT r = RandomRect(random);
    const COLORREF color = random.Color();
    const int penKind = random.Range(0, 3);
    static const int styles[] = {PS_SOLID, PS_INSIDEFRAME, PS_NULL, PS_SOLID};
    Owned<HPEN> pen(CreatePen(styles[penKind], penKind == 3 ? 0 : 1, color));
    Brush brush = PickBrush(random, BrushChoice::Objects);
    Selected withPen(surface.dc(), pen.get());
    Selected withBrush(surface.dc(), brush.handle);
    record.Case("Rectangle " + Describe(r) + Label(" pen %d %06x, ", styles[penKind], unsigned(color)) +
                brush.text);
    record.Values("Rectangle", {Rectangle(surface.dc(), r.left, r.top, r.right, r.bottom)});
    RecordSurface(record, surface);
}

void DrawFillRect(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    const RECT r = RandomRect(random);
    Brush brush = PickBrush(random, BrushChoice::OrColorIndex);
    Brush selected = PickBrush(random, BrushChoice::Objects);
    const bool useDcBrush = random.Percent(10);
    Selected withBrush(surface.dc(), selected.handle);
    record.Case("FillRect " + Describe(r) + " " + (useDcBrush ? "DC brush " + selected.text : brush.text));
    record.Values("FillRect", {FillRect(surface.dc(), &r, useDcBrush ? nullptr : brush.handle)});
    RecordSurface(record, surface);
}

void DrawFrameRect(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Plain(surface));
    const RECT r = RandomRect(random);
    Brush brush = PickBrush(random, BrushChoice::OrColorIndex);
    record.Case("FrameRect " + Describe(r) + " " + brush.text);
    record.Values("FrameRect", {FrameRect(surface.dc(), &r, brush.handle)});
    RecordSurface(record, surface);
}

}  // namespace

void RunFillScenarios(Record& record, Random& random) {
    for (int n = 0; n < 400; ++n) DrawRectangle(record, random);
    for (int n = 0; n < 400; ++n) DrawFillRect(record, random);
    for (int n = 0; n < 400; ++n) DrawFrameRect(record, random);
}

}  // namespace corvalmire::differential
