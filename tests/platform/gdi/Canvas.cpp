#include "tests/platform/gdi/Canvas.h"

#include <sstream>

#include "platform/gdi/GdiExtensions.h"

namespace corvalmire::test {

using namespace win32;

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::string Canvas::Save(const std::string& name) const {
    std::string path = name + ".png";
    for (char& c : path) {
        if (c == '/') c = '_';
    }
    WriteBitmapImage(bitmap_, path);
    return path;
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

::testing::AssertionResult MatchesRows(const Canvas& canvas, const std::vector<std::string>& rows,
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
