#include "tests/platform/shell/StandInOpener.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvalmire::test {

namespace fs = std::filesystem;

StandInOpener::StandInOpener() {
    folder_ = (fs::temp_directory_path() / ("corvalmire-opener-" + std::to_string(::getpid()))).string();
    fs::create_directories(folder_);
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    savedCwd_ = fs::current_path().string();
    setenv("PATH", folder_.c_str(), 1);
    fs::current_path(folder_);
}

StandInOpener::~StandInOpener() {
    setenv("PATH", savedPath_.c_str(), 1);
    fs::current_path(savedCwd_);
    fs::remove_all(folder_);
}

void StandInOpener::Answer(int exitCode, const std::string& then) const {
    const fs::path script = fs::path(folder_) / "xdg-open";
    fs::remove(fs::path(folder_) / "argv");
    // Each argument followed by a NUL: blanks and newlines stay visible.
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\0' \"$@\" > argv\n"
                          << then << "\nexit " << exitCode << "\n";
    fs::permissions(script, fs::perms::owner_all);
}

void StandInOpener::Remove() const { fs::remove(fs::path(folder_) / "xdg-open"); }

bool StandInOpener::Ran() const { return fs::exists(fs::path(folder_) / "argv"); }

std::vector<std::string> StandInOpener::Arguments() const {
    std::ifstream in(fs::path(folder_) / "argv", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> arguments;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find('\0', at);
        arguments.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return arguments;
}

bool StandInOpener::InFolder(const std::string& name) const { return fs::exists(fs::path(folder_) / name); }

}  // namespace corvalmire::test
