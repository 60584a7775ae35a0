// Bresenham with the platform's octant bias; included by DrawTarget.h.
#pragma once

#include <algorithm>
#include <cstdlib>

namespace win32::gdi {

namespace line_detail {

struct LineSetup {
    long long major, minor;  // lengths along the major and minor axis
    int sx, sy;
    bool xMajor;
    int bias;
};

inline LineSetup SetUpLine(int x1, int y1, int x2, int y2) {
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    LineSetup s{};
    s.sx = dx < 0 ? -1 : 1;
    s.sy = dy < 0 ? -1 : 1;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    s.xMajor = adx > ady;
    // The platform biases the error term in the octants that go up or left
    // (3, 5, 6 and 8), so ties round towards the smaller coordinate whatever
    // the direction of drawing.
    if (s.xMajor)
        s.bias = (dx < 0 && dy <= 0) || (dx > 0 && dy <= 0) ? 1 : 0;  // octants 5 and 8
    else
        s.bias = (dx <= 0 && dy > 0) || (dx < 0 && dy <= 0) ? 1 : 0;  // octants 3 and 6
    s.major = s.xMajor ? adx : ady;
    s.minor = s.xMajor ? ady : adx;
    return s;
}

// Steps [first, last) of the walk, with the state the walk has at `first`.
template <typename Plot>
void WalkLine(const LineSetup& s, int x1, int y1, long long first, long long last, Plot&& plot) {
    if (first >= last) return;  // also a zero-length line, whose major length is 0
    // Minor-axis steps taken before step `first`, in closed form, so a line
    // that starts far outside the bitmap does not walk its invisible part.
    const __int128 twoMajor = 2 * static_cast<__int128>(s.major);
    const __int128 stepsTaken =
        (2 * static_cast<__int128>(s.minor) * first + s.major - 1 + s.bias) / twoMajor;
    long long err = static_cast<long long>(2 * static_cast<__int128>(s.minor) * (first + 1) - s.major -
                                           twoMajor * stepsTaken);
    long long x = x1 + (s.xMajor ? s.sx * first : s.sx * static_cast<long long>(stepsTaken));
    long long y = y1 + (s.xMajor ? s.sy * static_cast<long long>(stepsTaken) : s.sy * first);
    for (long long i = first; i < last; ++i) {
        plot(static_cast<int>(x), static_cast<int>(y));
        if (err + s.bias > 0) {
            if (s.xMajor)
                y += s.sy;
            else
                x += s.sx;
            err += 2 * s.minor - 2 * s.major;
        } else {
            err += 2 * s.minor;
        }
        if (s.xMajor)
            x += s.sx;
        else
            y += s.sy;
    }
}

}  // namespace line_detail

template <typename Plot>
void RasteriseLine(int x1, int y1, int x2, int y2, Plot&& plot) {
    const line_detail::LineSetup s = line_detail::SetUpLine(x1, y1, x2, y2);
    line_detail::WalkLine(s, x1, y1, 0, s.major, plot);
}

template <typename Plot>
void RasteriseLineWithin(int x1, int y1, int x2, int y2, int width, int height, Plot&& plot) {
    const line_detail::LineSetup s = line_detail::SetUpLine(x1, y1, x2, y2);
    // Only steps whose major coordinate lies on the bitmap can plot anything.
    const long long start = s.xMajor ? x1 : y1;
    const long long extent = s.xMajor ? width : height;
    const int step = s.xMajor ? s.sx : s.sy;
    long long first = step > 0 ? -start : start - extent + 1;
    long long last = step > 0 ? extent - start : start + 1;
    first = std::max(first, 0LL);
    last = std::min(last, s.major);
    line_detail::WalkLine(s, x1, y1, first, last, plot);
}

}  // namespace win32::gdi
