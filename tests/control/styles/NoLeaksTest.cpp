#include <gtest/gtest.h>

#include "control/styles/Primitives.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

using namespace control::styles;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;

TEST(Primitives, TenThousandCallsLeaveTheLiveCountsAsTheyWere) {
    Surface s(40, 30, kWhite);
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    for (int i = 0; i < 10000; ++i) {
        const Color c = Color((i * 2654435761u) & 0xFFFFFF);
        switch (i % 8) {
            case 0: DrawLine(s.dc(), 0, i % 30, 40, i % 30, c); break;
            case 1: FillBox(s.dc(), 1, 1, 10, 10, c); break;
            case 2: DrawBox(s.dc(), 2, 2, 20, 10, c); break;
            case 3: DrawEdgeBox(s.dc(), 0, 0, 40, 30, 5, 15); break;
            case 4: DrawDoubleFrame(s.dc(), 0, 0, 39, 29, c, ShiftColor(c, 20), MixColors(c, 0)); break;
            case 5: DrawGradientV(s.dc(), c, LightenColor(c, 64), 1, 1, 39, 3); break;
            case 6: DrawGradientH(s.dc(), c, 0, 1, 1, 5, 2); break;
            case 7:
                FillRectSolid(s.dc(), win32::RECT{0, 0, 3, 3},
                              TranslateColor(static_cast<Color>(0x80000010)));
                break;
        }
    }
    EXPECT_EQ(win32::GetGdiLiveCounts(), before);
}
