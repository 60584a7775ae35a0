// The ANSI code page of our text, Windows-1252, both ways: the one table the
// glyph lookup and the control's caption conversion share. Ours, not the
// platform's API (which offers MultiByteToWideChar and friends).
#pragma once

namespace win32 {

// The Unicode code point of one byte: Windows-1252 for 0x80-0x9F (the five
// bytes it leaves undefined keep their Latin-1 value), Latin-1 elsewhere.
char32_t AnsiToCodePoint(unsigned char byte);

// The byte of a code point, its inverse; '?' where the code page has none.
char CodePointToAnsi(char32_t codePoint);

}  // namespace win32
