#include "host/App.h"

#include <filesystem>

#include "platform/kernel/EventLog.h"
#include "platform/kernel/Modules.h"

namespace host {

const std::string& Application::Path() const {
    static const std::string folder = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::filesystem::current_path().string() : exe.parent_path().string();
    }();
    return folder;
}

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
