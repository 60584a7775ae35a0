#include "presenter/ConsoleAppender.h"

#include <QString>
#include <QTextBlock>
#include <algorithm>

namespace presenter {
namespace {

// How many bytes at the end of `text` start a UTF-8 character that needs
// more bytes than are there; 0 when the text ends on a whole character.
std::size_t CutOffCharacter(std::string_view text) {
    const std::size_t look = std::min<std::size_t>(text.size(), 3);
    for (std::size_t back = 1; back <= look; ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        std::size_t length = 1;               // ASCII, or a byte that starts no character
        if (byte >= 0xC2 && byte <= 0xDF) length = 2;
        if (byte >= 0xE0 && byte <= 0xEF) length = 3;
        if (byte >= 0xF0 && byte <= 0xF4) length = 4;
        return length > back ? back : 0;
    }
    return 0;
}

}  // namespace

ConsoleAppender::ConsoleAppender(QTextDocument* document, int lines, int lineLength)
    : cursor_(document), lines_(lines), lineLength_(lineLength) {
    document->setMaximumBlockCount(lines);
    cursor_.movePosition(QTextCursor::End);
}

void ConsoleAppender::Reset() {
    cursor_.setPosition(cursor_.document()->characterCount() - 1);
    pendingCarriageReturn_ = false;
    pendingBytes_.clear();
    showsAll_ = true;
}

// A chunk holding as many line feeds as the screen keeps lines pushes off
// everything before its last lines: the document starts again from those.
std::string_view ConsoleAppender::OnScreenPart(std::string_view chunk) {
    std::size_t at = chunk.size();
    for (int feeds = 0; feeds < lines_; ++feeds) {
        at = at == 0 ? std::string_view::npos : chunk.rfind('\n', at - 1);
        if (at == std::string_view::npos) return chunk;
    }
    cursor_.select(QTextCursor::Document);
    cursor_.removeSelectedText();
    pendingCarriageReturn_ = false;
    pendingBytes_.clear();
    showsAll_ = false;
    return chunk.substr(at + 1);
}

void ConsoleAppender::Append(std::string_view chunk) {
    // One edit block: the document tells its layout and views once.
    cursor_.beginEditBlock();
    chunk = OnScreenPart(chunk);
    const int blocksBefore = cursor_.document()->blockCount();
    newLines_ = 0;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        const char c = chunk[i];
        if (c != '\r' && c != '\n') {
            if (pendingCarriageReturn_) {
                cursor_.setPosition(cursor_.block().position());
                pendingCarriageReturn_ = false;
                runStart = i;
            }
            continue;
        }
        Write(chunk.substr(runStart, i - runStart), true);
        runStart = i + 1;
        if (c == '\n') {
            pendingCarriageReturn_ = false;
            NewLine();
        } else {
            pendingCarriageReturn_ = true;
        }
    }
    Write(chunk.substr(runStart), false);
    cursor_.endEditBlock();
    if (blocksBefore + newLines_ > lines_) showsAll_ = false;  // the first lines went
}

// Overwrites the characters after the cursor on its line, then extends it;
// past the line's width the rest goes on in a new line. Before a line break
// a cut-off character can no longer be completed and shows as a replacement
// character.
void ConsoleAppender::Write(std::string_view run, bool lineEnds) {
    std::string bytes = std::move(pendingBytes_);
    pendingBytes_.clear();
    bytes.append(run);
    if (!lineEnds) {
        const std::size_t cut = CutOffCharacter(bytes);
        pendingBytes_.assign(bytes, bytes.size() - cut, cut);
        bytes.resize(bytes.size() - cut);
    }
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    qsizetype done = 0;
    while (done < text.size()) {
        qsizetype take = std::min<qsizetype>(text.size() - done, lineLength_ - cursor_.positionInBlock());
        // A character of two UTF-16 units stays whole on one line.
        if (take > 0 && done + take < text.size() && text[done + take - 1].isHighSurrogate()) --take;
        if (take <= 0) {
            NewLine();
            showsAll_ = false;
            continue;
        }
        const int toLineEnd = cursor_.block().length() - 1 - cursor_.positionInBlock();
        cursor_.setPosition(cursor_.position() + std::min<int>(toLineEnd, static_cast<int>(take)),
                            QTextCursor::KeepAnchor);
        cursor_.insertText(text.mid(done, take));
        done += take;
    }
}

// Positions are set, never moved to: a move lays out the block it starts
// in, which would lay out every line written.
void ConsoleAppender::NewLine() {
    cursor_.setPosition(cursor_.document()->characterCount() - 1);
    cursor_.insertBlock();
    ++newLines_;
}

}  // namespace presenter
