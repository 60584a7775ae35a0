// What the scenario families share: scoped handles that work on both APIs,
// labels, backgrounds, random shapes and the recording of what was drawn.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/differential/GdiApi.h"
#include "tests/differential/Random.h"
#include "tests/differential/Record.h"
#include "tests/differential/Surface.h"

namespace corvalmire::differential {

// Owns a pen, brush, bitmap or region and deletes it.
template <typename Handle>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() {
        if (handle_) DeleteObject(handle_);
    }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

// Selects an object into a DC and the previous one back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// printf-style, so both builds format numbers alike.
std::string Label(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Describe(const RECT& r);

// A background no drawing call here produces, and per-case noise for
// raster operations that read the destination.
constexpr std::uint32_t kBackground = 0x00010203;
std::vector<std::uint32_t> Plain(const Surface& surface, std::uint32_t pixel = kBackground);
std::vector<std::uint32_t> Noise(const Surface& surface, Random& random);

// A brush as the fill calls take it: solid, a stock or system-colour brush,
// or (where the call allows it) a system colour index plus one.
struct Brush {
    HBRUSH handle = nullptr;
    Owned<HBRUSH> owned;
    std::string text;
};
enum class BrushChoice { Objects, OrColorIndex };
Brush PickBrush(Random& random, BrushChoice choice);

// A region of a random kind (rectangle, rectangle with a hole, polygon)
// near a w x h surface, possibly empty, inverted or reaching outside it.
// Rounded regions have a family of their own: their corners are where
// implementations differ, and that should not hide everything built on them.
Owned<HRGN> RandomRegion(Random& random, int w, int h, std::string& text);
// A polygon of 3 to 8 corners in either fill mode.
Owned<HRGN> RandomPolygon(Random& random, int w, int h, std::string& text);

void RecordSurface(Record& record, const Surface& surface);
void RecordRect(Record& record, const char* name, const RECT& rect);
// GetRgnBox's type and box, then GetRegionData's rectangles as a list.
void RecordRegion(Record& record, const char* name, HRGN region);

// Every system colour of the Windows 2000 standard scheme, set on both sides.
void UseClassicColors();

}  // namespace corvalmire::differential
