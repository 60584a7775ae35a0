// Style 10's three palettes. Each strip line is listed from the outside in
// for the left strip, from the inside out for the right one, top to bottom
// for the top and bottom strips. The innermost lines equal the centre, so
// the strips meet the centre without a seam.
#include "control/styles/CapsulePalette.h"

namespace control::styles {

using capsule_data::Cells;

// clang-format off
const CapsulePalette kGreyCapsule{
    .centre = 0xEAE7E8,
    .left = Cells<18>("F7F7F7 A0A0A0 999999 C3C3C3 C9C9C9 D5D5D5 D7D7D7 DFDFDF E0E0E0 "
                      "E0E0E0 E4E4E4 E6E8E6 E8E7E7 EAE7E8 EAE7E8 EAE7E8 EAE7E8 EAE7E8"),
    .right = Cells<17>("EAE7E8 EAE7E8 EAE7E8 EAE7E8 E7E7E7 E6E6E6 E4E4E4 E0E0E0 E0E0E0 "
                       "DEDEDE D9D9D9 D3D3D3 CCCCCC C3C3C3 A3A3A3 9C9C9C F6F6F6"),
    .top = Cells<12>("67696A F5F4F6 F3F2F4 EEEEEE EBEBEB EBE8EA EBE8EA EAEAEA E1E1E1 E5E2E3 EAE7E8 E8EBE9"),
    .bottom = Cells<11>("E8EBE9 EEF1EF F2F2F2 F5F5F5 FFFEFE FFFFFF FDFDFD FEFEFE FBFBFB 545454 C5C5C5"),
    .corners = kGreyCapsuleCorners,
};

const CapsulePalette kBlueCapsule{
    .centre = 0xE2A66A,
    .left = Cells<18>("F7F7F7 B0A09E 712E13 BD5F14 D17327 D47F31 D98C3D D9944B D7944F "
                      "DC9C55 DC9B57 E3A362 E3A265 E2A367 E0A165 E3A66A E3A66A E2A66A"),
    .right = Cells<17>("E2A66A E2A66A E1A464 E0A363 E0A363 E1A161 E09F5B DE9855 DC9752 "
                       "DB934B D68D39 D17F2D D67426 C05D13 7C3514 AB9B98 F6F6F6"),
    .top = Cells<12>("450608 F1D4C9 E5C8BD E8C0A1 E0B898 E3B48E E0B18B E9B47F CE9963 DDA064 E2A66A E6AC76"),
    .bottom = Cells<11>("E6AC76 F1B681 F3BD8A FCC592 F8CE97 FED59E F7DDA3 FFE6AD E9E2C5 635D40 C5C5C5"),
    .corners = kBlueCapsuleCorners,
};

const CapsulePalette kDarkBlueCapsule{
    .centre = 0xCC9B6A,
    .left = Cells<18>("F7F7F7 A99D9B 632D17 A65A1D B96C2E BC7738 C18242 C2894E C18A52 "
                      "C59157 C59159 CC9863 CC9665 CB9767 C99565 CC9A6A CC9A6A CC9B6A"),
    .right = Cells<17>("CC9B6A CC9B6A CA9864 C99763 C99763 CA9562 C9945D C68E57 C48C55 "
                       "C3884E BE823E B97634 BD6D2D A8581C 6D3319 A49794 F6F6F6"),
    .top = Cells<12>("3C090A DEC7BE D3BCB2 D4B39A CCAC92 CFA88A CCA587 D2A77D B98E62 C69464 CC9B6A D0A175"),
    .bottom = Cells<11>("D0A175 DAAA7F DCB087 E4B88E E1BF93 E7C699 E2CC9D E9D5A6 D7D2BA 5A563E C5C5C5"),
    .corners = kDarkBlueCapsuleCorners,
};
// clang-format on

}  // namespace control::styles
