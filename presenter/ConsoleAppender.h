// Writes program output into a text document the way a console shows it:
// a carriage return not followed by a line feed goes back to the start of
// the line, and what follows overwrites it (so a progress bar updates in
// place). Each chunk costs time in its own length only.
//
// The output is read as UTF-8. A character split between two chunks is
// shown whole once its last byte arrives; bytes that are not UTF-8 show as
// replacement characters.
#pragma once

#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <string_view>

namespace presenter {

class ConsoleAppender {
public:
    explicit ConsoleAppender(QTextDocument* document) : cursor_(document) {
        cursor_.movePosition(QTextCursor::End);
    }

    void Append(std::string_view chunk);
    void Reset();

private:
    void Write(std::string_view run, bool lineEnds);
    void NewLine();

    QTextCursor cursor_;
    // A chunk may end between a CR and its LF: the CR waits for the next byte.
    bool pendingCarriageReturn_ = false;
    // The first bytes of a character whose other bytes are in the next chunk.
    std::string pendingBytes_;
};

}  // namespace presenter
