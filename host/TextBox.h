// A text box: single-line, or multi-line with scroll bars.
//
// Its text, like every text the program holds in a std::string, is UTF-8:
// this platform's "ANSI code page" is UTF-8. A file name is bytes and may not
// be valid UTF-8; it is kept byte for byte, and only its display shows
// replacement characters.
#pragma once

#include <string>
#include <string_view>

#include "host/Control.h"
#include "host/Event.h"

namespace host {

enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

class TextBox : public Control {
public:
    TextBox() : Control(ControlKind::TextBox) {}

    const std::string& Text() const { return text_; }
    // Replaces the text, puts the caret at its start and raises Change when it differs.
    void SetText(std::string text);
    // Adds text at the end without touching what is there, then raises Change.
    void AppendText(std::string_view chunk);

    std::size_t SelStart() const { return selStart_; }
    // Moves the caret; positions past the end are taken as the end.
    void SetSelStart(std::size_t position);

    bool multiLine = false;
    ScrollBars scrollBars = ScrollBars::None;

    Event<> Change;

private:
    std::string text_;
    std::size_t selStart_ = 0;
};

}  // namespace host
