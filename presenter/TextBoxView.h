// Shows a host::TextBox: a QLineEdit, or a QPlainTextEdit when multi-line,
// in which program output appears as a console shows it.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

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

    // For a program busy reading output that is about to wait for more:
    // shows what every multi-line box holds, unless more output comes before
    // the next frame is due (see win32::SetPipeWaitHandler).
    static void CatchUp(const std::function<bool(int milliseconds)>& waitForData);

private:
    void ApplyLook();
    void UserEdited();
    void ApplySelStart();
    void Flush();
    void Paint();
    void KeepEditsWhole();
    int MillisecondsUntilFrame() const;

    host::TextBox& box_;
    QLineEdit* single_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    std::unique_ptr<ConsoleAppender> console_;
    bool updating_ = false;  // our own changes are not user edits
    // Output arrives far faster than a screen shows it: appended text goes
    // into the document at most once a frame, or when the loop runs, so each
    // chunk costs its own length and posts Qt nothing. The box's text from
    // `shown_` on is not in the document yet.
    std::size_t shown_ = 0;
    bool Pending() const { return shown_ < box_.Text().size(); }
    bool selStartPending_ = false;
    QTimer flushSoon_;
    QElapsedTimer sincePaint_;
};

}  // namespace presenter
