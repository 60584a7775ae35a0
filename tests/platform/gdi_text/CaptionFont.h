// The button captions' font for text tests.
#pragma once

#include <cstring>

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiExtensions.h"

// Verdana 8.25 pt, bold unless told otherwise.
inline win32::LOGFONTA CaptionFont(bool bold = true, const char* face = "Verdana") {
    win32::LOGFONTA lf;
    lf.lfHeight = win32::FontHeightFromPoints(8.25);
    lf.lfWeight = bold ? win32::FW_BOLD : win32::FW_NORMAL;
    std::strncpy(lf.lfFaceName, face, win32::LF_FACESIZE - 1);
    return lf;
}
