#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/RegionBands.h"
#include "platform/gdi/Regions.h"

namespace win32 {
namespace {

// Polygons taller than this are refused rather than scan-converted row by row.
constexpr long long kMaxRows = 1 << 20;

struct Crossing {
    long long x;  // first pixel column at or right of the edge
    int direction;
};

long long CeilDiv(long long n, long long d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

// A non-horizontal polygon edge, crossing rows top..bottom-1.
struct Edge {
    long long top, bottom;
    long long x, dx, dy;  // x at top, and the slope dx/dy
    int direction;        // +1 drawn downwards, -1 upwards

    // The platform samples at integer coordinates: the edge crosses row y at
    // X = x + (y-top)dx/dy, and pixel x is inside when the crossings at
    // ceil(X) <= x say so.
    long long CrossingAt(long long y) const { return x + CeilDiv((y - top) * dx, dy); }
};

std::vector<Edge> EdgesOf(const POINT* points, int count) {
    std::vector<Edge> edges;
    for (int i = 0; i < count; ++i) {
        POINT a = points[i], b = points[(i + 1) % count];  // the polygon closes itself
        if (a.y == b.y) continue;                          // horizontal edges do not count
        const int direction = a.y < b.y ? 1 : -1;
        if (a.y > b.y) std::swap(a, b);
        edges.push_back(
            {a.y, b.y, a.x, static_cast<long long>(b.x) - a.x, static_cast<long long>(b.y) - a.y, direction});
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.top < q.top; });
    return edges;
}

gdi::Spans RowSpans(std::vector<Crossing>& crossings, int fillMode) {
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    gdi::Spans spans;
    int winding = 0, count = 0;
    long long start = 0;
    for (size_t i = 0; i < crossings.size();) {
        const long long x = crossings[i].x;
        const bool wasInside = fillMode == WINDING ? winding != 0 : count % 2 == 1;
        for (; i < crossings.size() && crossings[i].x == x; ++i) {
            winding += crossings[i].direction;
            ++count;
        }
        const bool inside = fillMode == WINDING ? winding != 0 : count % 2 == 1;
        if (!wasInside && inside) start = x;
        if (wasInside && !inside && start < x) spans.emplace_back(int(start), int(x));
    }
    return spans;
}

}  // namespace

// Scan conversion keeps only the edges crossing the current row, so memory
// follows the points and the bands made, never points times rows.
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING)) return nullptr;
    long long minY = points[0].y, maxY = points[0].y;
    for (int i = 0; i < count; ++i) {
        minY = std::min<long long>(minY, points[i].y);
        maxY = std::max<long long>(maxY, points[i].y);
    }
    if (maxY - minY > kMaxRows) return nullptr;
    const std::vector<Edge> edges = EdgesOf(points, count);
    std::vector<RECT> rects;
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;
    for (long long y = minY; y < maxY;) {
        std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
        for (; next < edges.size() && edges[next].top <= y; ++next) active.push_back(&edges[next]);
        // Up to the next vertex, rows between vertical edges are all alike.
        long long until = next < edges.size() ? edges[next].top : maxY;
        bool vertical = true;
        crossings.clear();
        for (const Edge* e : active) {
            until = std::min(until, e->bottom);
            vertical = vertical && e->dx == 0;
            crossings.push_back({e->CrossingAt(y), e->direction});
        }
        const long long rows = vertical ? until - y : 1;
        gdi::AppendBand(rects, int(y), int(y + rows), RowSpans(crossings, fillMode));
        y += rows;
    }
    return gdi::NewRegion(std::move(rects));
}

namespace {

// For each row of a w x h ellipse box, how far its outline is inset from the
// box's left side: the midpoint ellipse of A. Zingl, as the platform uses.
std::vector<int> EllipseInsets(int w, int h) {
    std::vector<int> inset(size_t(h), std::numeric_limits<int>::max());
    auto plot = [&](long long x, long long y) {
        if (y >= 0 && y < h) inset[size_t(y)] = std::min<int>(inset[size_t(y)], int(x));
    };
    long long a = w - 1, b = h - 1, b1 = b & 1;
    long long dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    long long x0 = 0, x1 = a, y0 = (b + 1) / 2, y1 = y0 - b1;
    a *= 8 * a;
    b1 = 8 * b * b;
    do {
        plot(x0, y0);
        plot(x0, y1);
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    // Narrow or flat ellipses leave the walk before the top and bottom rows:
    // finish the tips down to both of them.
    while (y0 - y1 <= b) {
        plot(x0 - 1, y0++);
        plot(x0 - 1, y1--);
    }
    for (int& i : inset) i = i == std::numeric_limits<int>::max() ? 0 : i;
    return inset;
}

// In 64 bits, so no coordinate or size near the ends of the int range wraps.
HRGN RoundRectRegion(long long left, long long top, long long right, long long bottom, long long width,
                     long long height) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // The platform's region covers the interior only at right and bottom.
    --right;
    --bottom;
    width = std::min(right - left, std::llabs(width));
    height = std::min(bottom - top, std::llabs(height));
    if (width < 2 || height < 2) {
        return CreateRectRgn(gdi::ClampToInt(left), gdi::ClampToInt(top), gdi::ClampToInt(right),
                             gdi::ClampToInt(bottom));
    }
    if (height > kMaxRows || width > kMaxRows) return nullptr;
    const std::vector<int> inset = EllipseInsets(int(width), int(height));
    const long long half = height / 2;
    std::vector<RECT> rects;
    auto row = [&](long long y, int in) {
        if (left + in < right - in)
            gdi::AppendBand(rects, int(y), int(y + 1), {{int(left + in), int(right - in)}});
    };
    for (long long i = 0; i < half; ++i) row(top + i, inset[size_t(i)]);
    gdi::AppendBand(rects, int(top + half), int(bottom - half), {{int(left), int(right)}});
    for (long long i = half; i > 0; --i) row(bottom - i, inset[size_t(height - i)]);
    return gdi::NewRegion(std::move(rects));
}

}  // namespace

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
    return RoundRectRegion(left, top, right, bottom, width, height);
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return RoundRectRegion(left, top, right, bottom, 1LL * right - left, 1LL * bottom - top);
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

}  // namespace win32
