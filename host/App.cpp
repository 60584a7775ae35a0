#include "host/App.h"

#include "platform/kernel/EventLog.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Modules.h"

namespace host {

const std::string& Application::Path() const { return win32::ApplicationFolder(); }

win32::HINSTANCE Application::hInstance() const { return win32::GetModuleHandleA(nullptr); }

void Application::LogEvent(const std::string& text, int type) {
    // The runtime's entry types are the event log's.
    win32::ReportApplicationEvent(text, static_cast<win32::WORD>(type));
}

Application& App() {
    static Application app;
    return app;
}

}  // namespace host
