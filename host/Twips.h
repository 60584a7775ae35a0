// Form layout units: twips, 15 to a pixel at 96 dpi.
#pragma once

namespace host {

constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace host
