// PatBlt and BitBlt with the raster operations we implement, over noise so
// that operations reading the destination show, with sources that reach
// outside their bitmap and blits within one surface.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr int kWidth = 24, kHeight = 20;

struct Rop {
    DWORD code;
    const char* name;
};
const Rop kPatternRops[] = {
    {PATCOPY, "PATCOPY"}, {BLACKNESS, "BLACKNESS"}, {WHITENESS, "WHITENESS"}, {DSTINVERT, "DSTINVERT"}};
const Rop kSourceRops[] = {{SRCCOPY, "SRCCOPY"},     {SRCPAINT, "SRCPAINT"},     {SRCAND, "SRCAND"},
                           {SRCINVERT, "SRCINVERT"}, {NOTSRCCOPY, "NOTSRCCOPY"}, {PATCOPY, "PATCOPY"},
                           {DSTINVERT, "DSTINVERT"}};

void DrawPatBlt(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Noise(surface, random));
    const Rop rop = random.Pick(kPatternRops);
    const int x = random.Range(-6, kWidth + 2), y = random.Range(-6, kHeight + 2);
    const int w = random.Range(-12, 24), h = random.Range(-12, 20);
    Brush brush = PickBrush(random, BrushChoice::Objects);
    Selected withBrush(surface.dc(), brush.handle);
    record.Case(Label("PatBlt %d,%d %dx%d %s ", x, y, w, h, rop.name) + brush.text);
    record.Values("PatBlt", {PatBlt(surface.dc(), x, y, w, h, rop.code)});
    RecordSurface(record, surface);
}

void DrawBitBlt(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Noise(surface, random));
    const int sw = random.Range(1, 20), sh = random.Range(1, 16);
    Surface source(sw, sh);
    source.Load(Noise(source, random));
    const bool withinItself = random.Percent(25);
    const Rop rop = random.Pick(kSourceRops);
    const int x = random.Range(-6, kWidth), y = random.Range(-6, kHeight);
    const int w = random.Range(0, 24), h = random.Range(0, 20);
    const int xs = random.Range(-6, withinItself ? kWidth : sw),
              ys = random.Range(-6, withinItself ? kHeight : sh);
    Brush brush = PickBrush(random, BrushChoice::Objects);
    Selected withBrush(surface.dc(), brush.handle);
    std::string clipText = "unclipped";
    if (random.Percent(30)) {
        Owned<HRGN> clip = RandomRegion(random, kWidth, kHeight, clipText);
        SelectClipRgn(surface.dc(), clip.get());
    }
    record.Case(Label("BitBlt %d,%d %dx%d from %s %d,%d %s, ", x, y, w, h,
                      withinItself ? "itself" : Label("%dx%d", sw, sh).c_str(), xs, ys, rop.name) +
                brush.text + ", " + clipText);
    const HDC from = withinItself ? surface.dc() : source.dc();
    record.Values("BitBlt", {BitBlt(surface.dc(), x, y, w, h, from, xs, ys, rop.code)});
    RecordSurface(record, surface);
}

}  // namespace

void RunBltScenarios(Record& record, Random& random) {
    for (int n = 0; n < 500; ++n) DrawPatBlt(record, random);
    for (int n = 0; n < 700; ++n) DrawBitBlt(record, random);
}

}  // namespace corvalmire::differential
