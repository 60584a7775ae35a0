#include "control/raReruriStyles.h"

#include <array>

#include "control/styles/BandedGradient.h"
#include "control/styles/GlossyCapsule.h"
#include "control/styles/PlainStyles.h"
#include "control/styles/RoundedGradient.h"
#include "control/styles/ShadowedRounded.h"
#include "control/styles/SoftBevel.h"

namespace control {
namespace {

// Style 5 has one painter per palette; UseCustomColors picks.
void PaintStyle5(const styles::FaceState& face) {
    if (face.useCustomColors)
        styles::PaintRoundedGradientCustom(face);
    else
        styles::PaintRoundedGradient(face);
}

// Indexed by Style. Entries without a painter still give their margin, so
// icon and caption sit where they will once the face is drawn.
constexpr std::array<StylePainter, 11> kStylePainters{{
    {styles::PaintRaisedEdge, 3},       // 0 RaisedEdge
    {styles::PaintThinEdge, 3},         // 1 ThinEdge
    {styles::PaintHoverEdge, 3},        // 2 HoverEdge
    {styles::PaintEtchedFrame, 3},      // 3 EtchedFrame
    {styles::PaintTintedFlat, 3},       // 4 TintedFlat
    {PaintStyle5, 3},                   // 5 RoundedGradient
    {nullptr, 3},                       // 6 Themed: drawn by the pipeline through the theme
    {styles::PaintBandedGradient, 4},   // 7 BandedGradient
    {styles::PaintShadowedRounded, 4},  // 8 ShadowedRounded
    {styles::PaintSoftBevel, 6},        // 9 SoftBevel
    {styles::PaintGlossyCapsule, 7},    // 10 GlossyCapsule
}};

constexpr StylePainter kNoStyle{nullptr, 3};

}  // namespace

const StylePainter& StylePainterFor(std::int32_t style) {
    if (style < 0 || style >= static_cast<std::int32_t>(kStylePainters.size())) return kNoStyle;
    return kStylePainters[static_cast<size_t>(style)];
}

}  // namespace control
