// Bresenham with the platform's octant bias; included by DrawTarget.h.
#pragma once

#include <cstdlib>

namespace win32::gdi {

template <typename Plot>
void RasteriseLine(int x1, int y1, int x2, int y2, Plot&& plot) {
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    const bool xMajor = adx > ady;
    // The platform biases the error term in the octants that go up or left
    // (3, 5, 6 and 8), so ties round towards the smaller coordinate whatever
    // the direction of drawing.
    int bias;
    if (xMajor) bias = (dx < 0 && dy <= 0) || (dx > 0 && dy <= 0) ? 1 : 0;  // octants 5 and 8
    else bias = (dx <= 0 && dy > 0) || (dx < 0 && dy <= 0) ? 1 : 0;          // octants 3 and 6
    const long long major = xMajor ? adx : ady;
    const long long minor = xMajor ? ady : adx;
    long long err = 2 * minor - major;
    int x = x1, y = y1;
    for (long long i = 0; i < major; ++i) {
        plot(x, y);
        if (err + bias > 0) {
            if (xMajor) y += sy;
            else x += sx;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        if (xMajor) x += sx;
        else y += sy;
    }
}

}  // namespace win32::gdi
