// Round trips of 24-bit DIBs: SetDIBitsToDevice from bottom-up and top-down
// buffers with every kind of source offset and band of scans, then GetDIBits
// back into a 24-bit bottom-up buffer, padding bytes included.
#include "tests/differential/Kit.h"
#include "tests/differential/Scenarios.h"

namespace corvalmire::differential {
namespace {

constexpr int kWidth = 19, kHeight = 15;

BITMAPINFO Header(int width, int height, int bitCount) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(bitCount);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<std::uint32_t> Words(const std::vector<BYTE>& bytes) {
    std::vector<std::uint32_t> words((bytes.size() + 3) / 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) words[i / 4] |= std::uint32_t(bytes[i]) << (8 * (i % 4));
    return words;
}

// A 24-bit DIB of either row order copied with any origin, size and band of
// scans.
struct Copy {
    int w, h, xDest, yDest, cx, cy, xSrc, ySrc, start, lines;
    bool topDown;
};
Copy AnyCopy(Random& random) {
    Copy c{};
    c.w = random.Range(1, 17);
    c.h = random.Range(1, 12);
    c.topDown = random.Percent(30);
    c.xDest = random.Range(-4, kWidth);
    c.yDest = random.Range(-4, kHeight);
    c.cx = random.Range(0, c.w + 3);
    c.cy = random.Range(0, c.h + 3);
    c.xSrc = random.Range(-2, c.w);
    c.ySrc = random.Range(-2, c.h);
    const bool whole = random.Percent(40);
    c.start = whole ? 0 : random.Range(0, c.h);
    c.lines = whole ? c.h : random.Range(0, c.h + 1);
    return c;
}

void SetThenGet(Record& record, Random& random) {
    Surface surface(kWidth, kHeight);
    surface.Load(Noise(surface, random));
    const Copy c = AnyCopy(random);
    const int stride = ((c.w * 24 + 31) / 32) * 4;
    // Room past the last scan, so a reading that runs past it stays in the buffer.
    std::vector<BYTE> bits(std::size_t(stride) * std::size_t(2 * c.h + 2));
    for (BYTE& b : bits) b = BYTE(random.Range(0, 255));
    const BITMAPINFO info = Header(c.w, c.topDown ? -c.h : c.h, 24);
    record.Case(Label("%dx%d %s to %d,%d size %dx%d from %d,%d scans %d+%d", c.w, c.h,
                      c.topDown ? "top-down" : "bottom-up", c.xDest, c.yDest, c.cx, c.cy, c.xSrc, c.ySrc,
                      c.start, c.lines));
    record.Values("SetDIBitsToDevice",
                  {SetDIBitsToDevice(surface.dc(), c.xDest, c.yDest, DWORD(c.cx), DWORD(c.cy), c.xSrc, c.ySrc,
                                     UINT(c.start), UINT(c.lines), bits.data(), &info, DIB_RGB_COLORS)});
    RecordSurface(record, surface);

    const int getStart = random.Range(0, kHeight - 1), getLines = random.Range(1, kHeight + 2);
    const int outStride = ((kWidth * 24 + 31) / 32) * 4;
    std::vector<BYTE> out(std::size_t(outStride) * std::size_t(kHeight + 2), BYTE(0xCD));
    BITMAPINFO outInfo = Header(kWidth, kHeight, 24);
    const HBITMAP bitmap = surface.TakeOut();
    const int got =
        GetDIBits(surface.dc(), bitmap, UINT(getStart), UINT(getLines), out.data(), &outInfo, DIB_RGB_COLORS);
    surface.PutBack();
    record.Values("GetDIBits scans", {getStart, getLines, got});
    out.resize(std::size_t(outStride) * std::size_t(got > 0 ? got : 0));
    record.Values("GetDIBits bytes", Words(out));
}

}  // namespace

void RunDibScenarios(Record& record, Random& random) {
    for (int n = 0; n < 500; ++n) SetThenGet(record, random);
}

}  // namespace corvalmire::differential
