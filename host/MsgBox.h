// Message boxes: OK button, optional icon, the application's title.
// The presenter shows them on screen; headless runs print them; tests record them.
#pragma once

#include <string>
#include <vector>

namespace host {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult : int { vbOK = 1 };

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

private:
    MessageBoxProvider* previous_;
};

}  // namespace host
