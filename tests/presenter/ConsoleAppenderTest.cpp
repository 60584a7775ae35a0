#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <string>
#include <vector>

#include "presenter/ConsoleAppender.h"

namespace {

std::string Show(const std::vector<std::string>& chunks, int lines = presenter::kConsoleLines,
                 int lineLength = presenter::kConsoleLineLength, bool* showsAll = nullptr) {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);  // documents need the font database
    QTextDocument document;
    presenter::ConsoleAppender console(&document, lines, lineLength);
    for (const auto& chunk : chunks) console.Append(chunk);
    if (showsAll) *showsAll = console.ShowsAll();
    return document.toPlainText().toStdString();
}

TEST(ConsoleAppender, ShowsOutputAsAConsoleDoes) {
    const struct {
        const char* what;
        std::vector<std::string> chunks;
        std::string shown;
    } cases[] = {
        {"plain lines", {"one\ntwo\n"}, "one\ntwo\n"},
        {"CR LF is one line break", {"one\r\ntwo"}, "one\ntwo"},
        {"CR LF split between chunks", {"one\r", "\ntwo"}, "one\ntwo"},
        {"CR rewrites the line", {"abcdef\rXY"}, "XYcdef"},
        {"progress in place",
         {"\r|==>[28%]", "\r|=====>[57%]", "\r|=======>[100%]\nout.iso written"},
         "|=======>[100%]\nout.iso written"},
        {"CR at the end of a chunk waits for what follows", {"abc\r", "Z"}, "Zbc"},
        {"only the last line is rewritten", {"first\nsecond\rS"}, "first\nSecond"},
        {"UTF-8 text", {"Immagini \xC3\xA8 pi\xC3\xB9"}, "Immagini \xC3\xA8 pi\xC3\xB9"},
        {"a character split between two reads", {"per\xC3", "\xB2.nrg"}, "per\xC3\xB2.nrg"},
        {"split three ways", {"\xE6", "\x97", "\xA5!"}, "\xE6\x97\xA5!"},
        {"a byte that is not UTF-8", {"a\xFF-"}, "a\xEF\xBF\xBD-"},
        {"cut off by a line break", {"a\xC3", "\nb"}, "a\xEF\xBF\xBD\nb"},
        {"rewritten in place after a split", {"\xC3", "\xA8\xC3\xA8\r", "x"}, "x\xC3\xA8"},
    };
    for (const auto& c : cases) EXPECT_EQ(Show(c.chunks), c.shown) << c.what;
}

// A screen of 3 lines of 4 characters.
TEST(ConsoleAppender, KeepsTheLastLinesAndWrapsLongOnesAsAConsoleBufferDoes) {
    const struct {
        const char* what;
        std::vector<std::string> chunks;
        std::string shown;
        bool showsAll;
    } cases[] = {
        {"fits", {"ab\ncd"}, "ab\ncd", true},
        {"a long line goes on in the next", {"abcdefghij"}, "abcd\nefgh\nij", false},
        {"CR goes back to the start of the row it is on", {"abcdefgh\rX"}, "abcd\nXfgh", false},
        {"the first lines go", {"1\n2\n", "3\n4\n5"}, "3\n4\n5", false},
        {"one chunk of more lines than kept", {"old\n", "1\n2\n3\n4"}, "2\n3\n4", false},
        {"a CR LF split before such a chunk", {"old\r", "\n1\n2\n3\n4"}, "2\n3\n4", false},
        {"progress rewritten in place on the last line", {"1\n2\n[1%]", "\r[9%]"}, "1\n2\n[9%]", true},
    };
    for (const auto& c : cases) {
        bool showsAll = false;
        EXPECT_EQ(Show(c.chunks, 3, 4, &showsAll), c.shown) << c.what;
        EXPECT_EQ(showsAll, c.showsAll) << c.what;
    }
}

}  // namespace
