#include "platform/gdi/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

#include "platform/gdi/GdiExtensions.h"

namespace win32::gdi {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string FaceName(const LOGFONTA& lf) {
    const auto* end = std::find(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), '\0');
    return std::string(std::begin(lf.lfFaceName), end);
}

// Windows faces a Linux desktop rarely has, by the generic family that
// stands in for them when the configuration knows no better substitute.
const char* GenericFamily(const LOGFONTA& lf, const std::string& face) {
    static constexpr std::array<std::string_view, 8> kMono = {"courier new",  "courier",  "lucida console",
                                                              "consolas",     "fixedsys", "terminal",
                                                              "system fixed", "ms gothic"};
    static constexpr std::array<std::string_view, 6> kSerif = {"times new roman", "times",        "georgia",
                                                               "garamond",        "book antiqua", "ms serif"};
    const std::string name = Lower(face);
    if (std::find(kMono.begin(), kMono.end(), name) != kMono.end()) return "monospace";
    if (std::find(kSerif.begin(), kSerif.end(), name) != kSerif.end()) return "serif";
    if ((lf.lfPitchAndFamily & 0x3) == FIXED_PITCH || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN)
        return "monospace";
    if ((lf.lfPitchAndFamily & 0xF0) == FF_ROMAN) return "serif";
    return "sans-serif";
}

Pattern Match(const LOGFONTA& lf, const std::string& face) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) return nullptr;
    // The named family first (with the substitutes the configuration binds
    // to it), then the generic family of its kind before any default face.
    if (!face.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(GenericFamily(lf, face)));
    const int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 1, 1000);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(nullptr, pattern.get(), &result));
}

FaceChoice Choose(const LOGFONTA& lf) {
    Pattern match = Match(lf, FaceName(lf));
    FaceChoice choice;
    if (!match) return choice;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return choice;
    choice.file = reinterpret_cast<const char*>(file);
    FcChar8* family = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch)
        choice.family = reinterpret_cast<const char*>(family);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &choice.index);
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    choice.embolden = lf.lfWeight >= FW_SEMIBOLD && weight < FC_WEIGHT_DEMIBOLD;
    choice.oblique = lf.lfItalic && slant == FC_SLANT_ROMAN;
    return choice;
}

}  // namespace

const FaceChoice& MatchFace(const LOGFONTA& lf) {
    // Everything the match reads; the height does not change the face.
    using Key = std::tuple<std::string, LONG, bool, BYTE>;
    static std::map<Key, FaceChoice> chosen;
    const Key key{Lower(FaceName(lf)), lf.lfWeight, lf.lfItalic != 0, lf.lfPitchAndFamily};
    const auto found = chosen.find(key);
    if (found != chosen.end()) return found->second;
    return chosen.emplace(key, Choose(lf)).first->second;
}

}  // namespace win32::gdi

namespace win32 {

std::string InstalledFamily(const std::string& faceName) {
    LOGFONTA lf{};
    faceName.copy(lf.lfFaceName, LF_FACESIZE - 1);
    lf.lfWeight = FW_NORMAL;
    const gdi::FaceChoice& choice = gdi::MatchFace(lf);
    return choice.family.empty() ? faceName : choice.family;
}

}  // namespace win32
