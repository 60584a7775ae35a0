#include <gtest/gtest.h>

#include "platform/kernel/CommandLine.h"

namespace win32 {
namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> expected;
    const char* why;
};

TEST(CommandLine, SplitsByTheWindowsRules) {
    const SplitCase cases[] = {
        {"", {}, "empty line"},
        {"  p\t a  ", {"p", "a"}, "blanks and tabs separate"},
        {R"("C:\Program Files\my nice app.exe" x)",
         {R"(C:\Program Files\my nice app.exe)", "x"},
         "quoted program name keeps its blanks"},
        {R"("a\" b)", {R"(a\)", "b"}, "program name: no escapes, ends at the next quote"},
        {R"("prog"next)", {"prog", "next"}, "an argument may follow the program name's quote directly"},
        {R"(p "a\"b\\" c\" d)", {"p", R"(a"b\)", R"(c")", "d"}, "escaped quotes and halved backslashes"},
        {R"(p """")", {"p", R"(")"}, "four quotes give one"},
        {R"(p "a""b")", {"p", R"(a"b)"}, "a doubled quote inside quotes"},
        {R"(p a\\b c\)", {"p", R"(a\\b)", R"(c\)"}, "backslashes are literal away from quotes"},
        {R"(p "a b"c)", {"p", "a bc"}, "quotes only toggle"},
        {R"(p "" x)", {"p", "", "x"}, "an empty argument"},
        {R"(p "abc)", {"p", "abc"}, "an unclosed quote runs to the end"},
        {"p \"\xC3\xA8 \xC3\xA0\" \xC3\xBC", {"p", "\xC3\xA8 \xC3\xA0", "\xC3\xBC"}, "UTF-8 letters pass"},
        {"p a&b;c|d $(touch x) `id` >z <y",
         {"p", "a&b;c|d", "$(touch", "x)", "`id`", ">z", "<y"},
         "shell characters are ordinary"},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.why << ": " << c.line;
}

TEST(CommandLine, FirstTokenKeepsItsQuotesAsTyped) {
    const ProgramToken quoted = FirstCommandLineToken(R"(  "my prog" rest)");
    EXPECT_EQ(quoted.text, R"("my prog")");
    EXPECT_EQ(quoted.name, "my prog");
    EXPECT_EQ(quoted.restOffset, 11u);
    const ProgramToken plain = FirstCommandLineToken("nrg2iso a b");
    EXPECT_EQ(plain.text, "nrg2iso");
    EXPECT_EQ(plain.restOffset, 7u);
}

TEST(CommandLine, QuotingRoundTripsEveryArgument) {
    const std::string arguments[] = {
        "",
        "plain",
        "a b",
        "a\tb",
        R"(a"b)",
        R"(a\)",
        R"(a\\")",
        R"(\\server\share\)",
        R"(")",
        R"("")",
        R"(\")",
        "$(touch x)",
        "trailing\\ ",
        "ends with space ",
        "'single'",
        "\xC3\xA8\xC3\xA0",
    };
    for (const auto& argument : arguments) {
        const std::string quoted = QuoteCommandLineArgument(argument);
        EXPECT_EQ(SplitCommandLineArguments(quoted), std::vector<std::string>{argument}) << quoted;
        EXPECT_EQ(SplitCommandLine("p " + quoted + " q"), (std::vector<std::string>{"p", argument, "q"}))
            << quoted;
    }
}

}  // namespace
}  // namespace win32
