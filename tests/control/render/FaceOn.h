// A face snapshot over a test surface, as the control hands its painters one.
#pragma once

#include "control/styles/FaceState.h"
#include "tests/support/Surface.h"

namespace render_test {

using corvalmire::test::ColumnIs;
using corvalmire::test::Hex;
using corvalmire::test::kMagenta;
using corvalmire::test::PixelsAre;
using corvalmire::test::RowIs;
using corvalmire::test::Surface;

// Assigning the back colour clears the face, as the control's does. A face
// smaller than the surface leaves a guard strip right of and below it,
// which its back-colour assignment does not clear either.
inline control::styles::FaceState FaceOn(Surface& surface, control::ButtonState state, int width = -1,
                                         int height = -1) {
    control::styles::FaceState face;
    face.dc = surface.dc();
    face.width = width < 0 ? surface.width() : width;
    face.height = height < 0 ? surface.height() : height;
    face.state = state;
    face.setBackColor = [&surface, w = face.width, h = face.height](control::styles::Color c) {
        surface.Fill(static_cast<win32::COLORREF>(c), w, h);
    };
    return face;
}

}  // namespace render_test
