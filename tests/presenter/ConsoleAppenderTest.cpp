#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <string>
#include <vector>

#include "presenter/ConsoleAppender.h"

namespace {

std::string Show(const std::vector<std::string>& chunks) {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);  // documents need the font database
    QTextDocument document;
    presenter::ConsoleAppender console(&document);
    for (const auto& chunk : chunks) console.Append(chunk);
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

}  // namespace
