#include <gtest/gtest.h>

#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

// H = highlight, L = 3-D light, S = shadow, D = dark shadow.
const std::map<char, COLORREF> kLegend = {
    {'H', RGB(255, 255, 255)}, {'L', RGB(212, 208, 200)}, {'S', RGB(128, 128, 128)}, {'D', RGB(64, 64, 64)}};

struct EdgeCase {
    const char* name;
    UINT edge, flags;
    std::vector<std::string> rows;
};

// The 6 x 5 tables, corners included: right/bottom own the top-right and
// bottom-left corners of each ring.
TEST(DrawEdge, SixByFiveTablesCornersIncluded) {
    const std::vector<EdgeCase> cases = {
        {"EDGE_RAISED", EDGE_RAISED, BF_RECT, {"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}},
        {"EDGE_SUNKEN", EDGE_SUNKEN, BF_RECT, {"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"}},
        {"BDR_RAISEDINNER", BDR_RAISEDINNER, BF_RECT, {"HHHHHS", "H....S", "H....S", "H....S", "SSSSSS"}},
        {"BDR_SUNKENOUTER", BDR_SUNKENOUTER, BF_RECT, {"SSSSSH", "S....H", "S....H", "S....H", "HHHHHH"}},
        // Only two sides: the inner runs reach the far ends.
        {"top-left", EDGE_RAISED, BF_TOPLEFT, {"LLLLLL", "LHHHHH", "LH....", "LH....", "LH...."}},
        {"bottom-right", EDGE_RAISED, BF_BOTTOMRIGHT, {"....SD", "....SD", "....SD", "SSSSSD", "DDDDDD"}},
        {"soft", EDGE_RAISED, BF_RECT | BF_SOFT, {"HHHHHD", "HLLLSD", "HL..SD", "HSSSSD", "DDDDDD"}},
    };
    for (const EdgeCase& c : cases) {
        Surface canvas(6, 5);
        RECT r{0, 0, 6, 5};
        EXPECT_TRUE(DrawEdge(canvas.dc(), &r, c.edge, c.flags)) << c.name;
        EXPECT_TRUE(MatchesRows(canvas, c.rows, kLegend)) << c.name;
        EXPECT_EQ(r, (RECT{0, 0, 6, 5})) << c.name << ": without BF_ADJUST the rect stays";
    }
}

TEST(DrawEdge, MiddleFillsInsideAndAdjustShrinksTheRect) {
    Surface canvas(6, 5);
    RECT r{0, 0, 6, 5};
    EXPECT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST));
    std::map<char, COLORREF> legend = kLegend;
    legend['F'] = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(MatchesRows(canvas, {"SSSSSH", "SDDDLH", "SDFFLH", "SLLLLH", "HHHHHH"}, legend));
    EXPECT_EQ(r, (RECT{2, 2, 4, 3}));

    RECT single{0, 0, 6, 5};
    DrawEdge(canvas.dc(), &single, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    EXPECT_EQ(single, (RECT{1, 1, 5, 4}));
}

TEST(DrawEdge, FlatAndMonoUseTheirOwnColours) {
    // Face and window share colours with 3-D light and highlight in the
    // classic scheme; make them distinct so the test tells them apart.
    const INT indices[] = {COLOR_BTNFACE, COLOR_WINDOW};
    const COLORREF colors[] = {RGB(1, 100, 1), RGB(2, 200, 2)};
    SetSysColors(2, indices, colors);
    std::map<char, COLORREF> legend = kLegend;
    legend['F'] = colors[0];
    legend['W'] = colors[1];
    legend['K'] = GetSysColor(COLOR_WINDOWFRAME);
    const std::vector<EdgeCase> cases = {
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT, {"SSSSSS", "SFFFFS", "SF..FS", "SFFFFS", "SSSSSS"}},
        {"mono", EDGE_RAISED, BF_RECT | BF_MONO, {"KKKKKK", "KWWWWK", "KW..WK", "KWWWWK", "KKKKKK"}},
        {"mono middle",
         BDR_RAISEDOUTER,
         BF_RECT | BF_MONO | BF_MIDDLE,
         {"KKKKKK", "KWWWWK", "KWWWWK", "KWWWWK", "KKKKKK"}},
    };
    for (const EdgeCase& c : cases) {
        Surface canvas(6, 5);
        RECT r{0, 0, 6, 5};
        DrawEdge(canvas.dc(), &r, c.edge, c.flags);
        EXPECT_TRUE(MatchesRows(canvas, c.rows, legend)) << c.name;
    }
    ResetSysColors();
}

TEST(DrawEdge, FollowsTheCurrentSystemColours) {
    const INT index[] = {COLOR_3DDKSHADOW};
    const COLORREF green[] = {RGB(0, 255, 0)};
    SetSysColors(1, index, green);
    Surface canvas(3, 3);
    RECT r{0, 0, 3, 3};
    DrawEdge(canvas.dc(), &r, BDR_RAISEDOUTER, BF_RECT);
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(0, 0), RGB(212, 208, 200));
    ResetSysColors();
}

}  // namespace
}  // namespace corvalmire::test
