#include "tests/differential/KnownDifferences.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <utility>

#include "platform/gdi/Gdi.h"

namespace corvalmire::differential {
namespace {

using namespace win32;

// Reads the case's own label (after "family: ") with a scanf format.
bool Read(const Case& c, const char* format, int fields, ...) {
    const std::size_t colon = c.label.find(": ");
    if (colon == std::string::npos) return false;
    va_list args;
    va_start(args, fields);
    const int read = std::vsscanf(c.label.c_str() + colon + 2, format, args);
    va_end(args);
    return read == fields;
}

const Item* Find(const Case& c, const std::string& name) {
    for (const Item& item : c.items) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

int At(const Item& item, std::size_t i) { return int(item.values[i]); }

// A recorded region: GetRgnBox's type and box, then its rectangles.
struct Region {
    int type = 0;
    RECT box;
    std::vector<RECT> rects;
};

Region ToRegion(const Item& item) {
    Region r;
    r.type = At(item, 0);
    r.box = RECT{At(item, 1), At(item, 2), At(item, 3), At(item, 4)};
    for (std::size_t i = 5; i + 3 < item.values.size(); i += 4)
        r.rects.push_back(RECT{At(item, i), At(item, i + 1), At(item, i + 2), At(item, i + 3)});
    return r;
}

// Every rectangle is non-empty and inside the box the region reports.
bool WellFormed(const Region& r) {
    return std::all_of(r.rects.begin(), r.rects.end(), [&](const RECT& x) {
        return x.left < x.right && x.top < x.bottom && x.left >= r.box.left && x.right <= r.box.right &&
               x.top >= r.box.top && x.bottom <= r.box.bottom;
    });
}

// The region's pixels as sorted (x, y) pairs.
std::vector<std::pair<int, int>> Pixels(const Region& r) {
    std::vector<std::pair<int, int>> pixels;
    for (const RECT& x : r.rects) {
        for (int y = x.top; y < x.bottom; ++y) {
            for (int p = x.left; p < x.right; ++p) pixels.emplace_back(p, y);
        }
    }
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    return pixels;
}

// A rounded region as one span per row (first, last column).
std::map<int, std::pair<int, int>> RowSpans(const Region& r) {
    std::map<int, std::pair<int, int>> rows;
    for (const auto& [x, y] : Pixels(r)) {
        auto [it, added] = rows.emplace(y, std::pair{x, x});
        it->second = {std::min(it->second.first, x), std::max(it->second.second, x)};
    }
    return rows;
}

// Rounded regions are mirror images left to right and top to bottom.
bool Symmetric(const Region& r) {
    const auto rows = RowSpans(r);
    for (const auto& [y, span] : rows) {
        const auto mirror = rows.find(r.box.top + r.box.bottom - 1 - y);
        if (span.first - r.box.left != r.box.right - 1 - span.second || mirror == rows.end() ||
            mirror->second != span)
            return false;
    }
    return true;
}

bool Rounded(const Case& c) {
    return c.label.find("CreateRoundRectRgn") != std::string::npos ||
           c.label.find("CreateEllipticRgn") != std::string::npos;
}

bool InvertedFillRect(const Case& c, const Item&, const Item&) {
    int l, t, r, b;
    return Read(c, "FillRect (%d,%d,%d,%d)", 4, &l, &t, &r, &b) && (l > r || t > b);
}

bool NegativePatBlt(const Case& c, const Item&, const Item&) {
    int x, y, w, h;
    return Read(c, "PatBlt %d,%d %dx%d", 4, &x, &y, &w, &h) && (w < 0 || h < 0);
}

// BF_MIDDLE fills the rectangle inside the borders; on a rectangle too small
// for them that one is inverted, and FillRect decides what happens.
bool InvertedEdgeMiddle(const Case& c, const Item&, const Item&) {
    unsigned edge, flags;
    int w, h;
    if (!Read(c, "edge 0x%x flags 0x%x %dx%d", 4, &edge, &flags, &w, &h) || !(flags & BF_MIDDLE))
        return false;
    const int inset = ((edge & BDR_INNER) ? 1 : 0) + ((edge & BDR_OUTER) ? 1 : 0);
    const int left = (flags & BF_LEFT) ? inset : 0, right = w - ((flags & BF_RIGHT) ? inset : 0);
    const int top = (flags & BF_TOP) ? inset : 0, bottom = h - ((flags & BF_BOTTOM) ? inset : 0);
    return left > right || top > bottom;
}

bool SameRegionOtherRectangles(const Case&, const Item& platform, const Item& ours) {
    const Region p = ToRegion(platform), o = ToRegion(ours);
    return WellFormed(p) && p.box == o.box && Pixels(p) == Pixels(o);
}

bool BrokenRoundedRegion(const Case& c, const Item& platform, const Item&) {
    const Region p = ToRegion(platform);
    return Rounded(c) && (!WellFormed(p) || !Symmetric(p));
}

bool RoundedRowsOneApart(const Case& c, const Item& platform, const Item& ours) {
    const Region p = ToRegion(platform), o = ToRegion(ours);
    if (!Rounded(c) || !WellFormed(p) || !Symmetric(p) || p.box != o.box) return false;
    const auto pr = RowSpans(p), or_ = RowSpans(o);
    if (pr.size() != or_.size()) return false;
    for (const auto& [y, span] : pr) {
        const auto other = or_.find(y);
        if (other == or_.end() || std::abs(other->second.first - span.first) > 1 ||
            std::abs(other->second.second - span.second) > 1)
            return false;
    }
    return true;
}

// GetClipBox answering the clip region's box cut to the surface, where ours
// is the tightest box around what is actually visible.
bool ClipBoxOfTheRegionsBox(const Case& c, const Item& platform, const Item& ours) {
    const Item* clip = Find(c, "clip region");
    const Item* pixels = Find(c, "pixels");
    if (!clip || !pixels) return false;
    const Region region = ToRegion(*clip);
    if (At(platform, 0) != region.type && At(platform, 0) != At(ours, 0)) return false;
    const RECT cut{std::max<LONG>(region.box.left, 0), std::max<LONG>(region.box.top, 0),
                   std::min<LONG>(region.box.right, At(*pixels, 0)),
                   std::min<LONG>(region.box.bottom, At(*pixels, 1))};
    return RECT{At(platform, 1), At(platform, 2), At(platform, 3), At(platform, 4)} == cut;
}

// Every answer that differs is for a rectangle of no width or height.
bool OnlyEmptyRectanglesDiffer(const Case&, const Item& platform, const Item& ours) {
    if (platform.values.size() != ours.values.size()) return false;
    for (std::size_t i = 0; i + 4 < platform.values.size(); i += 5) {
        const bool empty =
            platform.values[i] == platform.values[i + 2] || platform.values[i + 1] == platform.values[i + 3];
        if (platform.values[i + 4] != ours.values[i + 4] && !empty) return false;
    }
    return true;
}

bool Always(const Case&, const Item&, const Item&) { return true; }

}  // namespace

const std::vector<KnownDifference>& KnownDifferences() {
    static const std::vector<KnownDifference> known = {
        {"pixels", "SetPixel outside the clip (x, y, colour, V) -> result", Always,
         "SetPixel and SetPixelV fail outside the clip region (documented); Wine reports success there"},
        {"pixels", "GetPixel outside the clip", Always,
         "GetPixel gives CLR_INVALID outside the clip region (documented, platform-facts); Wine reads the "
         "pixel"},
        {"fills", "pixels", InvertedFillRect,
         "FillRect of an inverted rectangle draws nothing (platform-facts); Wine fills it, one pixel off"},
        {"edges", "pixels", InvertedEdgeMiddle,
         "BF_MIDDLE on a rectangle too small for its borders fills an inverted rectangle, which FillRect "
         "leaves alone (platform-facts); Wine's FillRect fills it"},
        {"blits", "pixels", NegativePatBlt,
         "PatBlt with a negative extent paints x+w .. x-1 (ReactOS' PatBlt test, run on Windows); Wine "
         "paints "
         "x+w+1 .. x"},
        {"regions", "region", SameRegionOtherRectangles,
         "the same pixels as other rectangles: Wine does not merge equal neighbouring rows of a rounded "
         "corner "
         "or touching spans of a WINDING polygon (nor call such a rectangle SIMPLEREGION); GetRegionData "
         "promises only the region's rectangles"},
        {"regions", "region", BrokenRoundedRegion,
         "Wine 8 leaves the corner rows its ellipse walk does not reach unset: empty rectangles, rectangles "
         "outside the region's own box, lopsided corners"},
        {"regions", "region", RoundedRowsOneApart,
         "Wine takes the x step of its corner walk before the y step, so a corner row can be one pixel wider "
         "or narrower than Zingl's walk, which we follow; no test of the platform's own spans is known"},
        {"regions", "RectInRegion(rect) -> result", OnlyEmptyRectanglesDiffer,
         "RectInRegion of a rectangle with no width or height: no part of it lies in the region "
         "(documented wording), so FALSE here; Wine answers TRUE when it lies across the region"},
        {"clipping", "clip region", SameRegionOtherRectangles,
         "the same clip as other rectangles (see regions)"},
        {"clipping", "combined region", SameRegionOtherRectangles,
         "a rounded window combined with a rectangle: the same pixels as other rectangles (see regions)"},
        {"clipping", "GetClipBox", ClipBoxOfTheRegionsBox,
         "GetClipBox gives the tightest box around the visible area (documented); Wine gives the clip "
         "region's "
         "box cut to the surface, not emptied when nothing is visible"},
        {"clipping", "IntersectClipRect of an empty rectangle, first clip", Always,
         "IntersectClipRect returns the new clip region's type, NULLREGION for an empty one (documented); "
         "Wine answers SIMPLEREGION whenever the DC had no clip region yet"},
        {"clipping", "FrameRgn of an empty region", Always,
         "FrameRgn of an empty region draws nothing and succeeds here; Wine fails it; the documentation does "
         "not say"},
        {"dibs", "SetDIBitsToDevice", Always,
         "the count SetDIBitsToDevice returns: the documentation says 'the number of scan lines set', which "
         "we "
         "count; Wine returns the scans handed over, cut by rules of its own, and ReactOS' tests show "
         "Windows "
         "following neither exactly (the pixels are compared all the same)"},
    };
    return known;
}

}  // namespace corvalmire::differential
