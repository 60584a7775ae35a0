#include "presenter/ConsoleAppender.h"

#include <QString>
#include <QTextBlock>
#include <algorithm>

namespace presenter {

void ConsoleAppender::Reset() {
    cursor_.movePosition(QTextCursor::End);
    pendingCarriageReturn_ = false;
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
        Write(chunk.substr(runStart, i - runStart));
        runStart = i + 1;
        if (c == '\n') {
            pendingCarriageReturn_ = false;
            NewLine();
        } else {
            pendingCarriageReturn_ = true;
        }
    }
    Write(chunk.substr(runStart));
}

// Overwrites the characters after the cursor on its line, then extends it.
void ConsoleAppender::Write(std::string_view run) {
    if (run.empty()) return;
    const QString text = QString::fromLatin1(run.data(), static_cast<qsizetype>(run.size()));
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
