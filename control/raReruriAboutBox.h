// The face of the control's About box: its name and version, a credit line,
// the project's web address (plain text) and a small Close button, painted
// on the box's own surface.
#pragma once

#include <string>

#include "host/PictureBox.h"

namespace control::about {

// The box as the control lays it out, in pixels.
constexpr int kBoxWidth = 372;
constexpr int kBoxHeight = 118;
constexpr double kBoxFontSize = 9.75;  // Verdana

constexpr const char* kCreditLine = "By the Corvalmire developers";
constexpr const char* kWebAddress = "https://corvalmire.example.org";

// The Close button: from x1 to x2, from y down by h.
struct CloseButtonGeometry {
    int x1 = 290, y = 80, x2 = 360, h = 26;
};
constexpr CloseButtonGeometry kClose{};

enum class CloseLook { Raised, Pressed };

// The texts, then the raised Close button.
void PaintAboutBox(host::PictureBox& box, const std::string& version);
// The Close button alone: lighter at the top when raised, darker when pressed.
void PaintCloseButton(host::PictureBox& box, CloseLook look);

}  // namespace control::about
