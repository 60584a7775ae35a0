// A memory DC drawing on a 32-bit top-down bitmap: a DIB section on the
// platform, our layer's bitmap here. Pixels go in and out as 0x00RRGGBB rows.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/differential/GdiApi.h"

namespace corvalmire::differential {

class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void Load(const std::vector<std::uint32_t>& pixels);
    std::vector<std::uint32_t> Read() const;
    // GetDIBits wants a bitmap that no DC holds: take it out, then put it back.
    HBITMAP TakeOut();
    void PutBack();

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
#ifdef _WIN32
    std::uint32_t* bits_ = nullptr;  // the DIB section's memory
#endif
};

}  // namespace corvalmire::differential
