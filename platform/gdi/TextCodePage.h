// Internal: the ANSI code page of our text, Windows-1252.
#pragma once

namespace win32::gdi {

// The Unicode code point of one byte: Windows-1252 for 0x80-0x9F (the five
// bytes it leaves undefined keep their Latin-1 value), Latin-1 elsewhere.
char32_t AnsiToCodePoint(unsigned char byte);

}  // namespace win32::gdi
