#include "host/App.h"

#include <filesystem>

namespace host {

const std::string& Application::Path() const {
    static const std::string folder = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::filesystem::current_path().string() : exe.parent_path().string();
    }();
    return folder;
}

Application& App() {
    static Application app;
    return app;
}

}  // namespace host
