// The fixed data of style 10: three palettes, each a centre colour, one
// colour per line of the four stretching edge strips, and four corner pixel
// maps that carry the rounded ends. Colours are written as the six hex
// digits BBGGRR and read at compile time, so a typo fails the build.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "control/styles/Color.h"

namespace control::styles {

constexpr int kCornerColumns = 17;  // every corner map is 17 columns wide
constexpr int kTopCornerRows = 11;
constexpr int kBottomCornerRows = 10;

// A map cell that is left unpainted (no colour has bit 31 set).
constexpr Color kUnpainted = -1;

// One corner: per row, each cell's colour (or kUnpainted), and the same row
// as the pixels of a 32-bit DIB (0x00RRGGBB), so a run of cells reaches the
// surface in one copy straight from this data.
template <std::size_t Rows>
struct CornerMap {
    std::array<std::array<Color, kCornerColumns>, Rows> cells;
    std::array<std::array<std::uint32_t, kCornerColumns>, Rows> dib;
};

struct CapsuleCorners {
    CornerMap<kTopCornerRows> topLeft;         // columns 0..16, rows 0..10
    CornerMap<kTopCornerRows> topRight;        // columns W-17..W-1, rows 0..10
    CornerMap<kBottomCornerRows> bottomLeft;   // columns 0..16, rows H-10..H-1
    CornerMap<kBottomCornerRows> bottomRight;  // columns W-17..W-1, rows H-10..H-1
};

struct CapsulePalette {
    Color centre;
    std::array<Color, 18> left;    // columns 0..17, from the outside in
    std::array<Color, 17> right;   // columns W-17..W-1, from the inside out
    std::array<Color, 12> top;     // rows 0..11
    std::array<Color, 11> bottom;  // rows H-11..H-1
    const CapsuleCorners& corners;
};

extern const CapsulePalette kGreyCapsule;
extern const CapsulePalette kBlueCapsule;
extern const CapsulePalette kDarkBlueCapsule;

extern const CapsuleCorners kGreyCapsuleCorners;
extern const CapsuleCorners kBlueCapsuleCorners;
extern const CapsuleCorners kDarkBlueCapsuleCorners;

namespace capsule_data {

consteval int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    throw "colour digits are 0-9 and A-F";
}

// N cells of six characters, one blank between cells: "BBGGRR" is a colour,
// "......" an unpainted cell.
template <std::size_t N, std::size_t Length>
consteval std::array<Color, N> Cells(const char (&text)[Length]) {
    if (Length != N * 7) throw "wrong number of cells";
    std::array<Color, N> cells{};
    for (std::size_t i = 0; i < N; ++i) {
        const char* cell = text + i * 7;
        if (i + 1 < N && cell[6] != ' ') throw "cells are separated by one blank";
        if (cell[0] == '.') {
            for (int k = 0; k < 6; ++k)
                if (cell[k] != '.') throw "an unpainted cell is six dots";
            cells[i] = kUnpainted;
            continue;
        }
        Color value = 0;
        for (int k = 0; k < 6; ++k) value = value * 16 + HexDigit(cell[k]);
        cells[i] = value;
    }
    return cells;
}

template <std::size_t... Lengths>
consteval CornerMap<sizeof...(Lengths)> CornerRows(const char (&... rows)[Lengths]) {
    CornerMap<sizeof...(Lengths)> map{};
    std::size_t row = 0;
    ((map.cells[row++] = Cells<kCornerColumns>(rows)), ...);
    for (std::size_t r = 0; r < map.cells.size(); ++r)
        for (std::size_t c = 0; c < kCornerColumns; ++c) map.dib[r][c] = ToDibPixel(map.cells[r][c]);
    return map;
}

}  // namespace capsule_data

}  // namespace control::styles
