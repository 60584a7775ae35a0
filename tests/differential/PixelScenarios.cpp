// SetPixel, SetPixelV and GetPixel inside and outside the surface and the
// clip region.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {

void RunPixelScenarios(Record& record, Random& random) {
    constexpr int kWidth = 12, kHeight = 10;
    for (int n = 0; n < 300; ++n) {
        Surface surface(kWidth, kHeight);
        surface.Load(Noise(surface, random));
        const bool clipped = random.Percent(50);
        const int left = random.Range(-1, 6), top = random.Range(-1, 5);
        const RECT clip{left, top, random.Range(left, 13), random.Range(top, 11)};
        if (clipped) IntersectClipRect(surface.dc(), clip.left, clip.top, clip.right, clip.bottom);
        record.Case(clipped ? "clip " + Describe(clip) : "unclipped");
        // Points outside the clip are kept apart: there the call must fail.
        std::vector<std::uint32_t> inside, outside;
        for (int i = 0; i < 8; ++i) {
            const POINT p{random.Range(-2, kWidth + 1), random.Range(-2, kHeight + 1)};
            const COLORREF color = random.Color();
            const bool verify = random.Percent(50);
            const COLORREF set = verify ? COLORREF(SetPixelV(surface.dc(), p.x, p.y, color))
                                        : SetPixel(surface.dc(), p.x, p.y, color);
            const bool visible =
                p.x >= 0 && p.y >= 0 && p.x < kWidth && p.y < kHeight &&
                (!clipped || (p.x >= clip.left && p.y >= clip.top && p.x < clip.right && p.y < clip.bottom));
            std::vector<std::uint32_t>& into = visible ? inside : outside;
            into.insert(into.end(), {std::uint32_t(p.x), std::uint32_t(p.y), std::uint32_t(color),
                                     std::uint32_t(verify), std::uint32_t(set)});
        }
        record.Values("SetPixel inside the clip (x, y, colour, V) -> result", inside);
        record.Values("SetPixel outside the clip (x, y, colour, V) -> result", outside);
        std::vector<std::uint32_t> readable, unreadable;
        for (int y = -1; y <= kHeight; ++y) {
            for (int x = -1; x <= kWidth; ++x) {
                const bool visible =
                    x >= 0 && y >= 0 && x < kWidth && y < kHeight &&
                    (!clipped || (x >= clip.left && y >= clip.top && x < clip.right && y < clip.bottom));
                (visible ? readable : unreadable).push_back(std::uint32_t(GetPixel(surface.dc(), x, y)));
            }
        }
        record.Values("GetPixel inside the clip", readable);
        record.Values("GetPixel outside the clip", unreadable);
        RecordSurface(record, surface);
    }
}

}  // namespace corvalmire::differential
