// Internal: which installed face file serves a logical font (fontconfig).
#pragma once

#include <string>

#include "platform/gdi/Font.h"

namespace win32::gdi {

struct FaceChoice {
    std::string family;     // the installed family the file belongs to
    std::string file;       // empty when nothing is installed
    int index = 0;          // face index within the file
    bool embolden = false;  // bold asked for, but the face is not bold
    bool oblique = false;   // italic asked for, but the face is upright
};

// The nearest installed face: the named family or a substitute the
// configuration binds to it, else the generic family of its kind
// (monospace for "Courier New" and friends, serif for "Times New Roman"
// and friends, sans-serif otherwise), else the configuration's default.
// Asked once per face name, weight, italic and pitch: fontconfig's
// substitution rules make every question cost a fraction of a millisecond.
const FaceChoice& MatchFace(const LOGFONTA& logFont);

}  // namespace win32::gdi
