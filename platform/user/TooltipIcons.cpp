#include "platform/user/TooltipIcons.h"

#include <array>
#include <cstdint>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"

namespace win32::user {
namespace {

using IconArt = std::array<const char*, kTooltipIconSize>;

// '.' is transparent; the other letters name the palette below.
constexpr IconArt kInformation = {
    ".....dddddd.....", "...ddbbbbbbdd...", "..dbbbbbbbbbbd..", ".dbbbbbwwbbbbbd.",
    ".dbbbbbwwbbbbbd.", "dbbbbbbbbbbbbbbd", "dbbbbbwwwbbbbbbd", "dbbbbbbwwbbbbbbd",
    "dbbbbbbwwbbbbbbd", "dbbbbbbwwbbbbbbd", "dbbbbbbwwbbbbbbd", ".dbbbbbwwbbbbbd.",
    ".dbbbbwwwwbbbbd.", "..dbbbbbbbbbbd..", "...ddbbbbbbdd...", ".....dddddd.....",
};
constexpr IconArt kWarning = {
    ".......kk.......", "......kyyk......", "......kyyk......", ".....kyyyyk.....",
    ".....kykkyk.....", "....kyykkyyk....", "....kyykkyyk....", "...kyyykkyyyk...",
    "...kyyykkyyyk...", "..kyyyykkyyyyk..", "..kyyyyyyyyyyk..", ".kyyyyykkyyyyyk.",
    ".kyyyyykkyyyyyk.", "kyyyyyyyyyyyyyyk", "kkkkkkkkkkkkkkkk", "................",
};
constexpr IconArt kError = {
    ".....mmmmmm.....", "...mmrrrrrrmm...", "..mrrrrrrrrrrm..", ".mrrrrrrrrrrrrm.",
    ".mrrwwrrrrwwrrm.", "mrrrwwwrrwwwrrrm", "mrrrrwwwwwwrrrrm", "mrrrrrwwwwrrrrrm",
    "mrrrrrwwwwrrrrrm", "mrrrrwwwwwwrrrrm", "mrrrwwwrrwwwrrrm", ".mrrwwrrrrwwrrm.",
    ".mrrrrrrrrrrrrm.", "..mrrrrrrrrrrm..", "...mmrrrrrrmm...", ".....mmmmmm.....",
};

// 0x00RRGGBB, as a 32-bit DIB stores a pixel.
std::uint32_t PaletteColour(char letter) {
    switch (letter) {
        case 'd': return 0x002850A0;  // information: outline
        case 'b': return 0x003C78DC;  //   disc
        case 'y': return 0x00FFD200;  // warning: triangle
        case 'k': return 0x00000000;  //   outline and mark
        case 'm': return 0x008C1414;  // error: outline
        case 'r': return 0x00DC2828;  //   disc
        default: return 0x00FFFFFF;   // 'w', the marks on the discs
    }
}

const IconArt* ArtOf(WPARAM icon) {
    switch (icon) {
        case TTI_INFO: return &kInformation;
        case TTI_WARNING: return &kWarning;
        case TTI_ERROR: return &kError;
        default: return nullptr;
    }
}

// A 16 x 16 bitmap from a 32-bit top-down DIB of the given pixels.
HBITMAP BitmapOf(const std::array<std::uint32_t, kTooltipIconSize * kTooltipIconSize>& pixels) {
    const BITMAPINFO info = TopDown32BitInfo(kTooltipIconSize, kTooltipIconSize);
    ScopedMemoryDC dc;
    HBITMAP bitmap = CreateCompatibleBitmap(dc.Get(), kTooltipIconSize, kTooltipIconSize);
    SetDIBits(dc.Get(), bitmap, 0, kTooltipIconSize, pixels.data(), &info, DIB_RGB_COLORS);
    return bitmap;
}

// The mask is white where the icon is transparent; the colour image is
// black there, so the XOR leaves the background as it is.
HICON StockIcon(const IconArt& art) {
    std::array<std::uint32_t, kTooltipIconSize * kTooltipIconSize> mask{}, colour{};
    for (int row = 0; row < kTooltipIconSize; ++row) {
        for (int column = 0; column < kTooltipIconSize; ++column) {
            const char letter = art[static_cast<std::size_t>(row)][column];
            const auto at = static_cast<std::size_t>(row * kTooltipIconSize + column);
            mask[at] = letter == '.' ? 0x00FFFFFF : 0;
            colour[at] = letter == '.' ? 0 : PaletteColour(letter);
        }
    }
    ScopedBitmap maskBitmap(BitmapOf(mask));
    ScopedBitmap colourBitmap(BitmapOf(colour));
    ICONINFO info;
    info.hbmMask = maskBitmap.Get();
    info.hbmColor = colourBitmap.Get();
    return CreateIconIndirect(&info);
}

HICON CopyOf(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return nullptr;
    ScopedBitmap mask(info.hbmMask);
    ScopedBitmap colour(info.hbmColor);
    return CreateIconIndirect(&info);
}

}  // namespace

HICON CreateTooltipIcon(WPARAM icon) {
    if (icon == TTI_NONE) return nullptr;
    if (const IconArt* art = ArtOf(icon)) return StockIcon(*art);
    return CopyOf(reinterpret_cast<HICON>(icon));
}

void DrawTooltipIcon(HDC hdc, int x, int y, HICON icon) {
    DrawIconEx(hdc, x, y, icon, kTooltipIconSize, kTooltipIconSize, 0, nullptr, DI_NORMAL);
}

}  // namespace win32::user
