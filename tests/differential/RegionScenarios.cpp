// Regions as rectangle lists: CreateRectRgn, CreateRoundRectRgn with every
// corner size up to its rectangle, CreateEllipticRgn, CreatePolygonRgn in
// both fill modes, CombineRgn in every mode; PtInRegion and RectInRegion.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

void RectRegions(Record& record, Random& random) {
    for (int n = 0; n < 200; ++n) {
        const RECT r{random.Range(-5, 20), random.Range(-5, 20), random.Range(-5, 20), random.Range(-5, 20)};
        record.Case("CreateRectRgn " + Describe(r));
        Owned<HRGN> region(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        RecordRegion(record, "region", region.get());
    }
}

void RoundRegion(Record& record, const RECT& r, int cw, int ch) {
    record.Case("CreateRoundRectRgn " + Describe(r) + Label(" corner %dx%d", cw, ch));
    Owned<HRGN> region(CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, cw, ch));
    RecordRegion(record, "region", region.get());
}

void RoundRegions(Record& record, Random& random) {
    static const SIZE sizes[] = {{1, 1},  {2, 2},   {2, 5},   {3, 3},  {5, 4},   {6, 5},  {7, 9},
                                 {10, 8}, {16, 16}, {21, 14}, {33, 7}, {12, 27}, {40, 30}};
    for (const SIZE& s : sizes) {
        const RECT r{3, 2, 3 + s.cx, 2 + s.cy};
        for (int cw = 0; cw <= s.cx + 1; ++cw) {
            for (int ch = 0; ch <= s.cy + 1; ++ch) RoundRegion(record, r, cw, ch);
        }
    }
    // Inverted rectangles, negative and oversized corners.
    for (int n = 0; n < 200; ++n) {
        const RECT r{random.Range(-5, 30), random.Range(-5, 30), random.Range(-5, 30), random.Range(-5, 30)};
        // Drawn in turn: the order of a call's arguments is up to the compiler.
        const int cw = random.Range(-8, 40), ch = random.Range(-8, 40);
        RoundRegion(record, r, cw, ch);
    }
}

void EllipticRegions(Record& record) {
    for (int w = 0; w <= 24; ++w) {
        for (int h = 0; h <= 24; ++h) {
            const RECT r{1, 2, 1 + w, 2 + h};
            record.Case("CreateEllipticRgn " + Describe(r));
            Owned<HRGN> region(CreateEllipticRgn(r.left, r.top, r.right, r.bottom));
            RecordRegion(record, "region", region.get());
        }
    }
}

void PolygonRegions(Record& record, Random& random) {
    for (int n = 0; n < 1000; ++n) {
        std::string text;
        Owned<HRGN> region = RandomPolygon(random, 12, 12, text);
        record.Case(text);
        RecordRegion(record, "region", region.get());
    }
}

void CombinedRegions(Record& record, Random& random) {
    static const char* const modes[] = {"", "RGN_AND", "RGN_OR", "RGN_XOR", "RGN_DIFF", "RGN_COPY"};
    for (int n = 0; n < 1000; ++n) {
        std::string a, b;
        Owned<HRGN> first = RandomRegion(random, 16, 12, a);
        Owned<HRGN> second = RandomRegion(random, 16, 12, b);
        const int mode = random.Range(RGN_AND, RGN_COPY);
        Owned<HRGN> result(CreateRectRgn(0, 0, 0, 0));
        record.Case(Label("CombineRgn %s of ", modes[mode]) + a + " and " + b);
        record.Values("CombineRgn", {CombineRgn(result.get(), first.get(), second.get(), mode)});
        RecordRegion(record, "region", result.get());
    }
}

void RegionQueries(Record& record, Random& random) {
    for (int n = 0; n < 300; ++n) {
        std::string text;
        Owned<HRGN> region = RandomRegion(random, 16, 12, text);
        record.Case(text);
        std::vector<std::uint32_t> inside;
        for (int y = -6; y < 18; ++y) {
            for (int x = -6; x < 22; ++x)
                inside.push_back(std::uint32_t(PtInRegion(region.get(), x, y) != 0));
        }
        record.Values("PtInRegion over x -6..21, y -6..17", inside);
        std::vector<std::uint32_t> touched;
        for (int i = 0; i < 16; ++i) {
            const RECT r{random.Range(-6, 20), random.Range(-6, 16), random.Range(-6, 20),
                         random.Range(-6, 16)};
            touched.insert(touched.end(),
                           {std::uint32_t(r.left), std::uint32_t(r.top), std::uint32_t(r.right),
                            std::uint32_t(r.bottom), std::uint32_t(RectInRegion(region.get(), &r) != 0)});
        }
        record.Values("RectInRegion(rect) -> result", touched);
    }
}

}  // namespace

void RunRegionScenarios(Record& record, Random& random) {
    RectRegions(record, random);
    RoundRegions(record, random);
    EllipticRegions(record);
    PolygonRegions(record, random);
    CombinedRegions(record, random);
    RegionQueries(record, random);
}

}  // namespace corvalmire::differential
