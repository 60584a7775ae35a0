// Looks at this process from outside: open descriptors, children left as
// zombies, the helper program's path. Shared by the process-related tests.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/KernelExtensions.h"

namespace testing_support {

inline int OpenDescriptorCount() {
    DIR* folder = ::opendir("/proc/self/fd");
    int count = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] != '.') ++count;
    }
    ::closedir(folder);
    return count - 1;  // the listing's own descriptor
}

// "Z" for a zombie, "" when no such process; the field after "(name)".
inline std::string ProcessState(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) return "";
    const auto close = text.rfind(')');
    return close == std::string::npos || close + 2 >= text.size() ? "" : text.substr(close + 2, 1);
}

inline long ParentOf(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text) || text.rfind(')') == std::string::npos) return -1;
    std::istringstream rest(text.substr(text.rfind(')') + 1));
    std::string state;
    long parent = -1;
    rest >> state >> parent;
    return parent;
}

// Children of this process that have exited but were never reaped.
inline int ZombieChildren() {
    DIR* folder = ::opendir("/proc");
    int zombies = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const long pid = std::atol(entry->d_name);
        if (pid > 0 && ParentOf(pid) == ::getpid() && ProcessState(pid) == "Z") ++zombies;
    }
    ::closedir(folder);
    return zombies;
}

// The helper program built beside the tests (tests/tools/childprog.cpp).
inline std::string ChildProgram() { return win32::ApplicationFolder() + "/childprog"; }

}  // namespace testing_support
