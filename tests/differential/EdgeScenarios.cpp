// DrawEdge with every edge value and every combination of sides and of the
// SOFT, FLAT, MONO, MIDDLE and ADJUST flags, on rectangles from 0x0 to 40x30,
// with the rectangle it hands back.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr UINT kModifiers[] = {BF_SOFT, BF_FLAT, BF_MONO, BF_MIDDLE, BF_ADJUST};

UINT ModifierFlags(int bits) {
    UINT flags = 0;
    for (int i = 0; i < 5; ++i) {
        if (bits & (1 << i)) flags |= kModifiers[i];
    }
    return flags;
}

// The rectangle sits two pixels in from each side of the surface, so a
// stray pixel outside it shows.
void Draw(Record& record, UINT edge, UINT flags, int w, int h) {
    Surface surface(w + 4, h + 4);
    surface.Load(Plain(surface));
    RECT r{2, 2, 2 + w, 2 + h};
    record.Case(Label("edge 0x%x flags 0x%04x %dx%d", edge, flags, w, h));
    record.Values("DrawEdge", {DrawEdge(surface.dc(), &r, edge, flags)});
    RecordRect(record, "rect after", r);
    RecordSurface(record, surface);
}

}  // namespace

void RunEdgeScenarios(Record& record, Random& random) {
    for (UINT edge = 0; edge < 16; ++edge) {
        for (UINT sides = 0; sides < 16; ++sides) {
            for (int bits = 0; bits < 32; ++bits) {
                const int w = random.Range(0, 40), h = random.Range(0, 30);
                Draw(record, edge, sides | ModifierFlags(bits), w, h);
            }
        }
    }
    for (int w = 0; w <= 40; ++w) {
        for (int h = 0; h <= 30; ++h) {
            const UINT edge = UINT(random.Range(1, 15)), sides = UINT(random.Range(0, 15));
            Draw(record, edge, sides | ModifierFlags(random.Range(0, 31)), w, h);
        }
    }
}

}  // namespace corvalmire::differential
