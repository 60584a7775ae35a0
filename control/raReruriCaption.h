// Captions are kept as UTF-8; DrawTextA reads bytes in the ANSI code page
// (Windows-1252). The caption is converted on its way to the drawing and
// measuring calls, as the caption always was.
#pragma once

#include <string>
#include <string_view>

namespace control {

// Characters Windows-1252 lacks become '?'; a byte that is not part of valid
// UTF-8 is taken as the Latin-1 character of the same value.
std::string AnsiCaption(std::string_view utf8);

}  // namespace control
