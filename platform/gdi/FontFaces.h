// Internal: the process-wide FreeType library, every face file loaded once,
// and one glyph cache per face, pixel size and synthetic style.
#pragma once

#include "platform/gdi/Font.h"

namespace win32::gdi {

class GlyphCache;

// The glyph cache serving a logical font; nullptr only when no face is
// installed at all. The cache lives until the process ends.
GlyphCache* GlyphCacheFor(const LOGFONTA& logFont);

}  // namespace win32::gdi
