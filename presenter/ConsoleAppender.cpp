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

void ConsoleAppender::Reset() {
    cursor_.movePosition(QTextCursor::End);
    pendingCarriageReturn_ = false;
    pendingBytes_.clear();
}

void ConsoleAppender::Append(std::string_view chunk) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        const char c = chunk[i];
        if (c != '\r' && c != '\n') {
            if (pendingCarriageReturn_) {
                cursor_.movePosition(QTextCursor::StartOfBlock);
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
}

// Overwrites the characters after the cursor on its line, then extends it.
// Before a line break a cut-off character can no longer be completed and
// shows as a replacement character.
void ConsoleAppender::Write(std::string_view run, bool lineEnds) {
    std::string bytes = std::move(pendingBytes_);
    pendingBytes_.clear();
    bytes.append(run);
    if (!lineEnds) {
        const std::size_t cut = CutOffCharacter(bytes);
        pendingBytes_.assign(bytes, bytes.size() - cut, cut);
        bytes.resize(bytes.size() - cut);
    }
    if (bytes.empty()) return;
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const int toLineEnd = cursor_.block().position() + cursor_.block().length() - 1 - cursor_.position();
    const int replaced = std::min<int>(toLineEnd, static_cast<int>(text.size()));
    cursor_.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, replaced);
    cursor_.insertText(text);
}

void ConsoleAppender::NewLine() {
    cursor_.movePosition(QTextCursor::End);
    cursor_.insertBlock();
}

}  // namespace presenter
