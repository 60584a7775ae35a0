// Writes program output into a text document the way a console shows it:
// a carriage return not followed by a line feed goes back to the start of
// the line, and what follows overwrites it (so a progress bar updates in
// place). Each chunk costs time in its own length only.
#pragma once

#include <QTextCursor>
#include <QTextDocument>
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
    void Write(std::string_view run);
    void NewLine();

    QTextCursor cursor_;
    // A chunk may end between a CR and its LF: the CR waits for the next byte.
    bool pendingCarriageReturn_ = false;
};

}  // namespace presenter
