// Internal: region algebra on y-x banded rectangle lists.
#pragma once

#include <utility>
#include <vector>

#include "platform/Win32Types.h"

namespace win32::gdi {

// Sorted, disjoint, non-touching half-open x intervals [first, second).
using Spans = std::vector<std::pair<int, int>>;

// Appends a band [top, bottom) to rects, merging it into the previous band
// when that one ends at top with the same spans, so the list stays canonical.
void AppendBand(std::vector<RECT>& rects, int top, int bottom, const Spans& spans);

// One band per row: rows[i] covers y = top + i.
std::vector<RECT> RectsFromRows(int top, const std::vector<Spans>& rows);

// RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF of two canonical lists.
std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode);

int RegionType(const std::vector<RECT>& rects);
RECT RegionBounds(const std::vector<RECT>& rects);
bool RectsContain(const std::vector<RECT>& rects, int x, int y);

}  // namespace win32::gdi
