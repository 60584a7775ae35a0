#include "host/MsgBox.h"

#include <cstdio>

#include "host/App.h"

namespace host {
namespace {

class StandardErrorBoxes : public MessageBoxProvider {
public:
    int Show(const std::string& prompt, int buttons, const std::string& title) override {
        std::fprintf(stderr, "[%s] %s\n", title.c_str(), prompt.c_str());
        return DefaultAnswer(buttons);
    }
};

MessageBoxProvider*& Installed() {
    static MessageBoxProvider* provider = nullptr;
    return provider;
}

}  // namespace

int DefaultAnswer(int buttons) {
    if ((buttons & 7) != vbYesNo) return vbOK;
    return (buttons & vbDefaultButton2) ? vbNo : vbYes;
}

void SetMessageBoxProvider(MessageBoxProvider* provider) { Installed() = provider; }

MessageBoxProvider* GetMessageBoxProvider() { return Installed(); }

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    static StandardErrorBoxes fallback;
    MessageBoxProvider* provider = Installed() ? Installed() : &fallback;
    return provider->Show(prompt, buttons, title.empty() ? App().Title() : title);
}

RecordedMessageBoxes::RecordedMessageBoxes() : previous_(GetMessageBoxProvider()) {
    SetMessageBoxProvider(this);
}

RecordedMessageBoxes::~RecordedMessageBoxes() { SetMessageBoxProvider(previous_); }

int RecordedMessageBoxes::Show(const std::string& prompt, int buttons, const std::string& title) {
    boxes.push_back({prompt, buttons, title});
    if ((buttons & 7) != vbYesNo || answers.empty()) return DefaultAnswer(buttons);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace host
