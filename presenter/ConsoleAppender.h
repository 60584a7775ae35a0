// Writes program output into a text document the way a console shows it:
// a carriage return not followed by a line feed goes back to the start of
// the line, and what follows overwrites it (so a progress bar updates in
// place). Like a console's screen buffer it keeps the last lines only, and
// a line longer than its width goes on in the next. Each chunk costs time
// in its own length only, and a chunk of more lines than are kept only in
// the lines it leaves on screen.
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

// The screen buffer of the output box: lines, and characters a line (room
// for a line that names two paths of the longest a file system allows).
constexpr int kConsoleLines = 1000;
constexpr int kConsoleLineLength = 8192;

class ConsoleAppender {
public:
    explicit ConsoleAppender(QTextDocument* document, int lines = kConsoleLines,
                             int lineLength = kConsoleLineLength);

    void Append(std::string_view chunk);
    void Reset();
    // False once lines were dropped or wrapped: the document no longer
    // holds the whole text.
    bool ShowsAll() const { return showsAll_; }

private:
    void Write(std::string_view run, bool lineEnds);
    void NewLine();
    std::string_view OnScreenPart(std::string_view chunk);

    QTextCursor cursor_;
    int lines_;
    int lineLength_;
    // A chunk may end between a CR and its LF: the CR waits for the next byte.
    bool pendingCarriageReturn_ = false;
    // The first bytes of a character whose other bytes are in the next chunk.
    std::string pendingBytes_;
    bool showsAll_ = true;
    int newLines_ = 0;  // in the current Append
};

}  // namespace presenter
