// Pictures: icons read from .ico data and painted through their mask.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/Picture.h"
#include "host/Resources.h"
#include "host/UserControl.h"
#include "host/UserControlHost.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace host {
namespace {

using namespace win32;

void Put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<unsigned char>& b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A 2 x 2, 24-bit icon: top row blue, black; bottom row red, green; the
// top-right pixel is transparent (black in the colour image, as icon files
// keep it).
std::vector<unsigned char> TinyIcon() {
    std::vector<unsigned char> b;
    Put16(b, 0), Put16(b, 1), Put16(b, 1);  // ICONDIR
    b.insert(b.end(), {2, 2, 0, 0}), Put16(b, 1), Put16(b, 24), Put32(b, 40 + 16 + 8), Put32(b, 22);
    Put32(b, 40), Put32(b, 2), Put32(b, 4), Put16(b, 1), Put16(b, 24);  // BITMAPINFOHEADER
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    // Colour rows bottom-up, B G R, padded to 8 bytes.
    b.insert(b.end(), {0, 0, 255, 0, 255, 0, 0, 0});  // red, green
    b.insert(b.end(), {255, 0, 0, 0, 0, 0, 0, 0});    // blue, black
    // Mask rows bottom-up, 1 bit a pixel, padded to 4 bytes.
    b.insert(b.end(), {0x00, 0, 0, 0});
    b.insert(b.end(), {0x40, 0, 0, 0});  // second pixel of the top row
    return b;
}

TEST(PictureTest, IconFilesGiveAnIconWithItsSize) {
    const PicturePtr tiny = Picture::FromIconFile(TinyIcon());
    ASSERT_NE(tiny, nullptr);
    EXPECT_EQ(tiny->Type(), PictureType::Icon);
    EXPECT_EQ(tiny->Width(), 2);
    EXPECT_EQ(tiny->Height(), 2);
    EXPECT_NE(tiny->Handle(), 0);

    std::ifstream file(std::string(std::getenv("CORVALMIRE_SOURCE")) + "/resources/icons/open.ico",
                       std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    const PicturePtr open = Picture::FromIconFile(bytes);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->Width(), 16);

    const std::vector<unsigned char> notAnIcon = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(Picture::FromIconFile(notAnIcon), nullptr);
}

TEST(PictureTest, IconsPaintScaledThroughTheirMask) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    {
        ControlSite site;
        site.width = 10 * 15;
        site.height = 10 * 15;
        UserControl surface(site, Font{});
        surface.SetBackColor(0x808080);
        const PicturePtr icon = Picture::FromIconFile(TinyIcon());
        surface.PaintPicture(*icon, 1, 1, 4, 4);
        const HDC dc = surface.hDC();
        struct Probe {
            int x, y;
            COLORREF expected;
        };
        for (const Probe& p :
             std::vector<Probe>{{1, 1, RGB(0, 0, 255)},
                                {2, 2, RGB(0, 0, 255)},
                                {3, 1, RGB(128, 128, 128)},  // transparent: the surface stays
                                {4, 2, RGB(128, 128, 128)},
                                {1, 3, RGB(255, 0, 0)},
                                {4, 4, RGB(0, 255, 0)},
                                {5, 5, RGB(128, 128, 128)}}) {
            SCOPED_TRACE(p.x * 10 + p.y);
            EXPECT_EQ(GetPixel(dc, p.x, p.y), p.expected);
        }
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

// A file keeps all its images: a control asks for the one nearest its icon
// size. A damaged image, or a damaged file on a form, is an empty picture.
TEST(PictureTest, ImagesBySizeAndDamagedOnes) {
    std::vector<unsigned char> two = TinyIcon();
    two[4] = 2;  // two entries, the second one 32 wide
    two.insert(two.begin() + 22,
               {32, 32, 0, 0, 1, 0, 24, 0, 64, 0, 0, 0, 0, 0, 0, 0});  // at offset 0: no image
    two[18] += 16;  // the first entry's data moved along by the new entry
    const PicturePtr icon = Picture::FromIconFile(two);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(&icon->NearestSize(2), icon.get());
    EXPECT_EQ(icon->NearestSize(30).Handle(), 0);
    EXPECT_EQ(&icon->NearestSize(30), &icon->NearestSize(31));  // read once

    static const std::vector<unsigned char> damaged = [] {
        std::vector<unsigned char> bytes = TinyIcon();
        bytes.resize(40);  // cut inside the image
        return bytes;
    }();
    static const ResourceEntry table[] = {{"ICON", 9901, damaged}};
    AddResources(table);
    const PicturePtr loaded = FormPictureLoader()("ICON/9901");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Handle(), 0);
}

}  // namespace
}  // namespace host
