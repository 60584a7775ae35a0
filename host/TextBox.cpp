#include "host/TextBox.h"

#include <algorithm>

namespace host {

void TextBox::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    selStart_ = 0;
    if (view_) view_->TextReplaced();
    Change.Raise();
}

void TextBox::AppendText(std::string_view chunk) {
    if (chunk.empty()) return;
    text_.append(chunk);
    if (view_) view_->TextAppended(chunk);
    Change.Raise();
}

void TextBox::SetSelStart(std::size_t position) {
    selStart_ = std::min(position, text_.size());
    if (view_) view_->SelStartChanged();
}

}  // namespace host
