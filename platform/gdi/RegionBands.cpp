#include "platform/gdi/RegionBands.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/Gdi.h"

namespace win32::gdi {
namespace {

bool Keep(int mode, bool inA, bool inB) {
    switch (mode) {
        case RGN_AND: return inA && inB;
        case RGN_OR: return inA || inB;
        case RGN_XOR: return inA != inB;
        case RGN_DIFF: return inA && !inB;
        default: return false;
    }
}

// One band of a canonical list: rects [first, last) share top and bottom.
struct Band {
    std::size_t first = 0, last = 0;
};

// Walks the bands of a list in y order.
class BandCursor {
public:
    explicit BandCursor(const std::vector<RECT>& rects) : rects_(rects) { Find(0); }

    bool Done() const { return band_.first >= rects_.size(); }
    int Top() const { return rects_[band_.first].top; }
    int Bottom() const { return rects_[band_.first].bottom; }
    void Next() { Find(band_.last); }
    // The band's spans when it covers row y, none otherwise.
    const Spans& SpansAt(int y) {
        spans_.clear();
        if (Done() || y < Top() || y >= Bottom()) return spans_;
        for (std::size_t i = band_.first; i < band_.last; ++i)
            spans_.emplace_back(rects_[i].left, rects_[i].right);
        return spans_;
    }

private:
    void Find(std::size_t first) {
        std::size_t last = first;
        while (last < rects_.size() && rects_[last].top == rects_[first].top) ++last;
        band_ = {first, last};
    }

    const std::vector<RECT>& rects_;
    Band band_;
    Spans spans_;  // reused, so a band costs no allocation
};

// Where the row state of a list next changes at or after y (INT_MAX: never).
long long NextEdge(const BandCursor& cursor, long long y) {
    if (cursor.Done()) return INT32_MAX;
    return y < cursor.Top() ? cursor.Top() : cursor.Bottom();
}

// The x boundaries of both span lists in one sorted walk: each boundary
// toggles whether its list covers what follows it.
void CombineSpans(const Spans& a, const Spans& b, int mode, Spans& out) {
    auto boundary = [](const Spans& s, std::size_t k) { return k % 2 ? s[k / 2].second : s[k / 2].first; };
    out.clear();
    std::size_t i = 0, j = 0;  // two boundaries per span
    bool inA = false, inB = false, kept = false;
    int start = 0;
    while (i < 2 * a.size() || j < 2 * b.size()) {
        const long long xa = i < 2 * a.size() ? boundary(a, i) : INT64_MAX;
        const long long xb = j < 2 * b.size() ? boundary(b, j) : INT64_MAX;
        const int x = int(std::min(xa, xb));
        if (xa == x) inA = ++i % 2;
        if (xb == x) inB = ++j % 2;
        const bool keep = Keep(mode, inA, inB);
        if (keep == kept) continue;
        if (keep)
            start = x;
        else
            out.emplace_back(start, x);
        kept = keep;
    }
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

// One pass down both lists, band by band, so the cost is linear in the
// rectangles in and out.
std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode) {
    std::vector<RECT> out;
    BandCursor ca(a), cb(b);
    Spans spans;
    long long y = INT32_MAX;
    for (const BandCursor* c : {&ca, &cb}) {
        if (!c->Done()) y = std::min<long long>(y, c->Top());
    }
    while (!ca.Done() || !cb.Done()) {
        const long long next = std::min(NextEdge(ca, y), NextEdge(cb, y));
        CombineSpans(ca.SpansAt(int(y)), cb.SpansAt(int(y)), mode, spans);
        AppendBand(out, int(y), int(next), spans);
        y = next;
        if (!ca.Done() && ca.Bottom() <= y) ca.Next();
        if (!cb.Done() && cb.Bottom() <= y) cb.Next();
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
