// Shows a host::TextBox: a QLineEdit, or a QPlainTextEdit when multi-line,
// in which program output appears as a console shows it.
#pragma once

#include <QWidget>
#include <memory>

#include "host/TextBox.h"
#include "presenter/ConsoleAppender.h"

class QLineEdit;
class QPlainTextEdit;

namespace presenter {

class TextBoxView : public host::ControlView {
public:
    TextBoxView(host::TextBox& box, QWidget* parent);
    ~TextBoxView() override;

    QWidget* Widget() const;
    QPlainTextEdit* MultiLine() const { return multi_; }
    QLineEdit* SingleLine() const { return single_; }

    void TextReplaced() override;
    void TextAppended(std::string_view chunk) override;
    void SelStartChanged() override;
    void RepaintNow() override;

private:
    void ApplyLook();
    void UserEdited();

    host::TextBox& box_;
    QLineEdit* single_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    std::unique_ptr<ConsoleAppender> console_;
    bool updating_ = false;  // our own changes are not user edits
};

}  // namespace presenter
