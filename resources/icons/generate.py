#!/usr/bin/env python3
"""Draws the program's icons and the link cursor as 256-colour .ico/.cur files.

Run once; the outputs are kept in the repository next to this script."""
import math
import struct


def palette_of(pixels):
    colours = sorted({c for row in pixels for c in row if c is not None})
    assert len(colours) <= 256
    return colours


def ico_bytes(pixels, kind=1, hotspot=(0, 0)):
    size = len(pixels)
    # Transparent pixels are black in the colour image: the mask lets the
    # background through, and the colour is then XORed onto it.
    colours = sorted(set(palette_of(pixels)) | {(0, 0, 0)})
    index = {c: i for i, c in enumerate(colours)}
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    palette += b"\0" * (1024 - len(palette))
    xor = b""
    mask = b""
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):  # bottom-up
        xor += bytes(index[c if c is not None else (0, 0, 0)] for c in row)
        line = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is None:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = header + palette + xor + mask
    planes, bpp = (1, 8) if kind == 1 else hotspot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bpp, len(image), 22)
    return directory + entry + image


def canvas(size):
    return [[None] * size for _ in range(size)]


def disc():
    p = canvas(16)
    for y in range(16):
        for x in range(16):
            d = math.hypot(x - 7.5, y - 7.5)
            if d <= 7.5:
                shade = 150 + int(80 * (1 - y / 15))
                p[y][x] = (shade, shade, min(255, shade + 20))
            if d <= 7.5 and (x + y) % 5 == 0 and d > 3:
                p[y][x] = (120, 160, 220)
            if d <= 2.2:
                p[y][x] = None if d <= 1.2 else (90, 90, 100)
            if 7.0 < d <= 7.5:
                p[y][x] = (70, 70, 80)
    return p


def folder():
    p = canvas(16)
    for y in range(3, 14):
        for x in range(1, 15):
            if y < 5 and x > 6:
                continue
            edge = y in (3, 13) or x in (1, 14) or (y == 5 and x > 6)
            p[y][x] = (128, 96, 0) if edge else (255, 214, 80)
    return p


def arrow():
    p = canvas(16)
    for y in range(16):
        for x in range(16):
            body = 5 <= y <= 10 and 1 <= x <= 8
            head = x >= 8 and abs(y - 7.5) <= (15 - x) * 0.9
            if body or head:
                p[y][x] = (0, 150, 40)
    for y in range(16):
        for x in range(16):
            if p[y][x] and any(
                not (0 <= y + dy < 16 and 0 <= x + dx < 16) or p[y + dy][x + dx] is None
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            ):
                p[y][x] = (0, 80, 20)
    return p


def cross():
    p = canvas(16)
    for y in range(16):
        for x in range(16):
            if abs(x - y) <= 1.5 and 2 <= x <= 13 or abs(x - (15 - y)) <= 1.5 and 2 <= x <= 13:
                p[y][x] = (200, 30, 30)
    return p


def hand():
    """A pointing hand for the link labels, hot spot at the finger tip."""
    rows = [
        "......##........",
        ".....#oo#.......",
        ".....#oo#.......",
        ".....#oo#.......",
        ".....#oo###.....",
        ".....#oo#oo###..",
        "..##.#oo#oo#oo#.",
        ".#oo##oooooo#oo#",
        ".#ooo#oooooooooo#",
        "..#oooooooooooo#",
        "...#ooooooooooo#",
        "...#oooooooooo#.",
        "....#ooooooooo#.",
        "....#oooooooo#..",
        ".....#ooooooo#..",
        ".....#########..",
    ]
    p = canvas(32)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row[:16]):
            if ch == "#":
                p[y][x] = (0, 0, 0)
            elif ch == "o":
                p[y][x] = (255, 255, 255)
    return p


for name, pixels in (("window", disc()), ("open", folder()), ("convert", arrow()), ("exit", cross())):
    with open(name + ".ico", "wb") as f:
        f.write(ico_bytes(pixels))
with open("link.cur", "wb") as f:
    f.write(ico_bytes(hand(), kind=2, hotspot=(6, 0)))
