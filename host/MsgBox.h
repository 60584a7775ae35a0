// Message boxes: an OK button or a Yes/No question, optional icon, the
// application's title.
// The presenter shows them on screen; headless runs print them; tests record them.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace host {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};

enum MsgBoxResult : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// What Enter answers: OK, or Yes unless the second button is the default.
int DefaultAnswer(int buttons);

class MessageBoxProvider {
public:
    virtual ~MessageBoxProvider() = default;
    virtual int Show(const std::string& prompt, int buttons, const std::string& title) = 0;
};

// Installs where message boxes go; nullptr restores the headless default,
// which writes them to standard error.
void SetMessageBoxProvider(MessageBoxProvider* provider);
MessageBoxProvider* GetMessageBoxProvider();

// An empty title stands for the application's title.
int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = {});

// Records every box instead of showing it, for tests; installs itself for its lifetime.
// Questions take the queued answers in order, then the default button.
class RecordedMessageBoxes : public MessageBoxProvider {
public:
    struct Box {
        std::string prompt;
        int buttons;
        std::string title;
    };

    RecordedMessageBoxes();
    ~RecordedMessageBoxes() override;
    RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
    RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;

    int Show(const std::string& prompt, int buttons, const std::string& title) override;

    std::vector<Box> boxes;
    std::deque<int> answers;

private:
    MessageBoxProvider* previous_;
};

}  // namespace host
