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
    };
    for (const auto& c : cases) EXPECT_EQ(Show(c.chunks), c.shown) << c.what;
}

}  // namespace
