#include "tests/support/Surface.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/gdi/GdiExtensions.h"

namespace corvalmire::test {

using namespace win32;

Surface::Surface(int width, int height, COLORREF fill)
    : width_(width), height_(height), bitmap_(CreateCompatibleBitmap(dc_.Get(), width, height)) {
    previousBitmap_ = SelectObject(dc(), bitmap());
    Fill(fill);
}

Surface::Surface(int width, int height, COLORREF fill, const LOGFONTA& font) : Surface(width, height, fill) {
    font_.Reset(CreateFontIndirectA(&font));
    previousFont_ = SelectObject(dc(), font_.Get());
    SetBkMode(dc(), TRANSPARENT);
    SetTextColor(dc(), 0x000000);
}

Surface::~Surface() {
    if (previousFont_) SelectObject(dc(), previousFont_);
    SelectObject(dc(), previousBitmap_);
}

void Surface::Fill(COLORREF color, int width, int height) {
    const ScopedBrush brush(color);
    const RECT all{0, 0, width, height};
    FillRect(dc(), &all, brush.Get());
    backColor_ = color;
}

std::vector<std::string> Surface::Mask() const {
    std::vector<std::string> rows;
    for (int y = 0; y < height_; ++y) {
        std::string row;
        for (int x = 0; x < width_; ++x) row += At(x, y) == backColor_ ? '.' : 'X';
        rows.push_back(row);
    }
    return rows;
}

InkBox Surface::Ink() const {
    InkBox box{width_, height_, 0, 0};
    bool any = false;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (At(x, y) != backColor_) {
                any = true;
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return any ? box : InkBox{};
}

::testing::AssertionResult Surface::SamePixels(const Surface& other) const {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (At(x, y) != other.At(x, y))
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << "," << y << "): " << std::hex << At(x, y) << " vs "
                       << other.At(x, y);
    return ::testing::AssertionSuccess();
}

TEXTMETRICA Surface::Metrics() const {
    TEXTMETRICA tm;
    GetTextMetricsA(dc(), &tm);
    return tm;
}

int Surface::TextWidth(const std::string& text) const {
    SIZE size;
    GetTextExtentPoint32A(dc(), text.data(), int(text.size()), &size);
    return size.cx;
}

RECT Surface::Measure(const std::string& text, int width, UINT format, int* height) const {
    RECT rect{0, 0, width, 0};
    const int h = DrawTextA(dc(), text.c_str(), -1, &rect, format | DT_CALCRECT);
    if (height) *height = h;
    return rect;
}

std::string Surface::Save(const std::string& name) const {
    std::string path = name + ".png";
    for (char& c : path) {
        if (c == '/') c = '_';
    }
    WriteBitmapImage(bitmap(), path);
    return path;
}

::testing::AssertionResult ColumnIs(const Surface& s, int x, int from, int to, COLORREF expected) {
    for (int y = from; y <= to; ++y) {
        if (s.At(x, y) != expected)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(s.At(x, y))
                                                 << ", expected " << Hex(expected);
    }
    return ::testing::AssertionSuccess();
}

std::string Hex(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(color));
    return text;
}

::testing::AssertionResult RowIs(const Surface& s, int y, int from, int to, COLORREF expected) {
    for (int x = from; x <= to; ++x) {
        if (s.At(x, y) != expected)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(s.At(x, y))
                                                 << ", expected " << Hex(expected);
    }
    return ::testing::AssertionSuccess();
}

namespace {

char KeyOf(COLORREF c, const std::map<char, COLORREF>& legend) {
    if (c == kUntouched) return '.';
    for (const auto& [key, value] : legend) {
        if (value == c) return key;
    }
    return '?';
}

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "." + info->name() : "canvas";
}

}  // namespace

::testing::AssertionResult MatchesRows(const Surface& canvas, const std::vector<std::string>& rows,
                                       const std::map<char, COLORREF>& legend) {
    std::ostringstream first, actual;
    bool same = true;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const COLORREF got = canvas.At(x, y);
            const char want =
                y < int(rows.size()) && x < int(rows[size_t(y)].size()) ? rows[size_t(y)][size_t(x)] : '.';
            const COLORREF expected = want == '.' ? kUntouched : legend.at(want);
            actual << KeyOf(got, legend);
            if (got != expected && same) {
                same = false;
                first << "first difference at (" << x << "," << y << "): expected '" << want << "' 0x"
                      << std::hex << expected << ", got 0x" << got << std::dec;
            }
        }
        actual << '\n';
    }
    if (same) return ::testing::AssertionSuccess();
    std::ostringstream expected;
    for (const std::string& row : rows) expected << row << '\n';
    const std::string path = canvas.Save(TestName() + "-actual");
    return ::testing::AssertionFailure() << first.str() << "\nexpected:\n"
                                         << expected.str() << "actual:\n"
                                         << actual.str() << "saved " << path;
}

}  // namespace corvalmire::test
