#include "platform/gdi/RegionBands.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"

namespace win32::gdi {
namespace {

// The spans of the band [y0, y1), which lies within one band of the list.
Spans SpansAt(const std::vector<RECT>& rects, int y0, int y1) {
    Spans spans;
    for (const RECT& r : rects) {
        if (r.top <= y0 && r.bottom >= y1) spans.emplace_back(r.left, r.right);
    }
    return spans;  // already sorted: rects of a band are in x order
}

bool Covers(const Spans& spans, int x) {
    return std::any_of(spans.begin(), spans.end(),
                       [x](const auto& s) { return x >= s.first && x < s.second; });
}

bool Keep(int mode, bool inA, bool inB) {
    switch (mode) {
        case RGN_AND: return inA && inB;
        case RGN_OR: return inA || inB;
        case RGN_XOR: return inA != inB;
        case RGN_DIFF: return inA && !inB;
        default: return false;
    }
}

Spans CombineSpans(const Spans& a, const Spans& b, int mode) {
    std::vector<int> xs;
    for (const Spans* s : {&a, &b}) {
        for (const auto& [x0, x1] : *s) {
            xs.push_back(x0);
            xs.push_back(x1);
        }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Spans out;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Keep(mode, Covers(a, xs[i]), Covers(b, xs[i]))) continue;
        if (!out.empty() && out.back().second == xs[i])
            out.back().second = xs[i + 1];
        else
            out.emplace_back(xs[i], xs[i + 1]);
    }
    return out;
}

}  // namespace

void AppendBand(std::vector<RECT>& rects, int top, int bottom, const Spans& spans) {
    if (spans.empty() || top >= bottom) return;
    // Find the previous band: the trailing rects sharing the last top.
    size_t first = rects.size();
    const int lastTop = rects.empty() ? 0 : rects.back().top;
    while (first > 0 && rects[first - 1].top == lastTop) --first;
    const bool mergeable =
        first < rects.size() && rects.back().bottom == top && rects.size() - first == spans.size() &&
        std::equal(spans.begin(), spans.end(), rects.begin() + long(first),
                   [](const auto& s, const RECT& r) { return s.first == r.left && s.second == r.right; });
    if (mergeable) {
        for (size_t i = first; i < rects.size(); ++i) rects[i].bottom = bottom;
        return;
    }
    for (const auto& [x0, x1] : spans) rects.push_back(RECT{x0, top, x1, bottom});
}

std::vector<RECT> RectsFromRows(int top, const std::vector<Spans>& rows) {
    std::vector<RECT> rects;
    for (size_t i = 0; i < rows.size(); ++i) AppendBand(rects, top + int(i), top + int(i) + 1, rows[i]);
    return rects;
}

std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode) {
    std::vector<int> ys;
    for (const auto* list : {&a, &b}) {
        for (const RECT& r : *list) {
            ys.push_back(r.top);
            ys.push_back(r.bottom);
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<RECT> out;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        AppendBand(out, ys[i], ys[i + 1],
                   CombineSpans(SpansAt(a, ys[i], ys[i + 1]), SpansAt(b, ys[i], ys[i + 1]), mode));
    }
    return out;
}

int RegionType(const std::vector<RECT>& rects) {
    return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT RegionBounds(const std::vector<RECT>& rects) {
    if (rects.empty()) return RECT{};
    RECT box = rects.front();
    for (const RECT& r : rects) {
        box.left = std::min(box.left, r.left);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

bool RectsContain(const std::vector<RECT>& rects, int x, int y) {
    return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

}  // namespace win32::gdi
