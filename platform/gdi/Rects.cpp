#include "platform/gdi/Rects.h"

#include <algorithm>
#include <cstdint>

namespace win32 {
namespace {

// The platform's rectangle arithmetic wraps around instead of failing.
LONG Wrap(LONG a, long long b) { return LONG(std::uint32_t(std::uint32_t(a) + std::uint32_t(b))); }

}  // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(RECT* dest, const RECT* src) {
    if (!dest || !src) return FALSE;
    *dest = *src;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left = Wrap(rect->left, -static_cast<long long>(dx));
    rect->top = Wrap(rect->top, -static_cast<long long>(dy));
    rect->right = Wrap(rect->right, dx);
    rect->bottom = Wrap(rect->bottom, dy);
    return TRUE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left = Wrap(rect->left, dx);
    rect->right = Wrap(rect->right, dx);
    rect->top = Wrap(rect->top, dy);
    rect->bottom = Wrap(rect->bottom, dy);
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) { return !rect || rect->right <= rect->left || rect->bottom <= rect->top; }

BOOL EqualRect(const RECT* a, const RECT* b) { return a && b && *a == *b; }

BOOL PtInRect(const RECT* rect, POINT p) {
    return rect && p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dest = RECT{};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    // An empty rectangle does not take part, as on the platform.
    if (IsRectEmpty(a)) {
        *dest = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *dest = *a;
    } else {
        *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                     std::max(a->bottom, b->bottom)};
    }
    return IsRectEmpty(dest) ? FALSE : TRUE;
}

}  // namespace win32
