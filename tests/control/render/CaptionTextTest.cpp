// UTF-8 captions reach DrawTextA in Windows-1252.
#include <gtest/gtest.h>

#include "control/raReruriCaption.h"

TEST(AnsiCaption, ConvertsToWindows1252) {
    const struct {
        const char* utf8;
        const char* ansi;
        const char* why;
    } rows[] = {
        {"Converti", "Converti", "ASCII stays"},
        {"Velocit\xC3\xA0", "Velocit\xE0", "Latin-1 letters take one byte"},
        {"\xE2\x82\xAC"
         "5",
         "\x80"
         "5",
         "the euro sign sits at 0x80"},
        {"\xE2\x80\x9C"
         "a"
         "\xE2\x80\x9D",
         "\x93"
         "a"
         "\x94",
         "curly quotes"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", "??", "characters the code page lacks"},
        {"\xF0\x9F\x98\x80", "?", "outside the basic plane"},
        {"a\xE0"
         "b",
         "a\xE0"
         "b",
         "a stray byte is kept as Latin-1"},
        {"\xC0\x80", "\xC0\x80", "an overlong form is not UTF-8"},
        {"\xE2\x82", "\xE2\x82", "a cut-off sequence"},
        {"\xF8\x82\xAC", "\xF8\x82\xAC", "0xF5 to 0xFF never begin a sequence"},
        {"&&OK", "&&OK", "prefix characters pass untouched"},
        {"\xC2\x81", "\x81",
         "a byte the code page leaves undefined maps to itself, as text drawing reads it"},
    };
    for (const auto& row : rows) EXPECT_EQ(control::AnsiCaption(row.utf8), row.ansi) << row.why;
}
