// The application object: where the program lives, what it is called, its
// module instance and its event log.
#pragma once

#include <string>

#include "platform/Win32Types.h"

namespace host {

// Event-log entry types, as the runtime numbers them.
enum LogEventType : int { vbLogEventTypeError = 1, vbLogEventTypeWarning = 2, vbLogEventTypeInformation = 4 };

class Application {
public:
    // Folder holding the running executable, without a trailing separator.
    const std::string& Path() const;
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The program's module instance.
    win32::HINSTANCE hInstance() const;

    // Writes to the application event log.
    void LogEvent(const std::string& text, int type = vbLogEventTypeError);

private:
    std::string title_ = "Corvalmire";
};

Application& App();

}  // namespace host
